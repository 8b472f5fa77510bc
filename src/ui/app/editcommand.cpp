#include "ui/app/editcommand.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace pelinor::ui {

namespace {

template <typename Field> void runOn(Field* field, EditCommand command)
{
    switch (command) {
    case EditCommand::Undo:
        field->undo();
        break;
    case EditCommand::Cut:
        field->cut();
        break;
    case EditCommand::Copy:
        field->copy();
        break;
    case EditCommand::Paste:
        field->paste();
        break;
    case EditCommand::Delete:
        if constexpr (std::is_same_v<Field, QLineEdit>)
            field->del();
        else
            field->textCursor().removeSelectedText();
        break;
    case EditCommand::SelectAll:
        field->selectAll();
        break;
    }
}

} // namespace

void runEditCommand(QWidget* field, EditCommand command)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        runOn(line, command);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(field))
        runOn(text, command);
}

} // namespace pelinor::ui
