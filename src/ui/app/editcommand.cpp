#include "ui/app/editcommand.h"

#include "core/app/settings.h"
#include "ui/app/mainmenus.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
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

void connectEditMenu(const MainMenus& menus, QWidget* window, const core::Settings& settings)
{
    QObject::connect(menus.edit, &QMenu::aboutToShow, window, [&menus, &settings] {
        menus.wordWrap->setChecked(settings.flag(core::SettingKey::WordWrapFlg));
        menus.scrollBars->setChecked(settings.flag(core::SettingKey::ScroBarsFlg));
    });
    const std::pair<QAction*, EditCommand> commands[] = {
        {menus.undo, EditCommand::Undo},
        {menus.cut, EditCommand::Cut},
        {menus.copy, EditCommand::Copy},
        {menus.paste, EditCommand::Paste},
        {menus.remove, EditCommand::Delete},
        {menus.selectAll, EditCommand::SelectAll},
    };
    for (const auto& entry : commands) {
        // A lambda cannot capture a structured binding before C++20, and clang 14 still refuses it.
        const EditCommand command = entry.second;
        QObject::connect(entry.first, &QAction::triggered, window,
            [window, command] { runEditCommand(window->focusWidget(), command); });
    }
}

} // namespace pelinor::ui
