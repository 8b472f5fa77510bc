#pragma once

#include <QMessageBox>
#include <QString>

namespace pelinor::ui {

/// Shows a message box of the program's kind: titled with the program's name, "Yes" as the default
/// button, and an object name that tests find it by. Returns the button pressed.
int runNamedMessageBox(QWidget* parent, const char* objectName, QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons buttons);

} // namespace pelinor::ui
