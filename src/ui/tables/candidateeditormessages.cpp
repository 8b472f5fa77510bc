#include "ui/tables/candidateeditormessages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace pelinor::ui {

namespace {

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, buttons, parent);
    box.setObjectName(QString::fromLatin1(kCandidateEditorMessageName));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec();
}

} // namespace

void showCandidateEditorWarning(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Warning, text, QMessageBox::Yes);
}

void showCandidateEditorInformation(QWidget* parent, const QString& text)
{
    runBox(parent, QMessageBox::Information, text, QMessageBox::Yes);
}

bool askCandidateEditorQuestion(QWidget* parent, const QString& text)
{
    return runBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace pelinor::ui
