#include "ui/common/namedmessagebox.h"

#include <QCoreApplication>

namespace pelinor::ui {

int runNamedMessageBox(QWidget* parent, const char* objectName, QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, buttons, parent);
    box.setObjectName(QString::fromLatin1(objectName));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec();
}

} // namespace pelinor::ui
