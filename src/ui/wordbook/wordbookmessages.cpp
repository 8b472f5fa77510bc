#include "ui/wordbook/wordbookmessages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace pelinor::ui {

namespace {

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, buttons, parent);
    box.setObjectName(QLatin1StringView(kWordBookMessageName));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec();
}

} // namespace

void showWordBookWarning(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Warning, text, QMessageBox::Yes);
}

void showWordBookInformation(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Information, text, QMessageBox::Yes);
}

bool askWordBookQuestion(QWidget* parent, const QString& text)
{
    return runBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace pelinor::ui
