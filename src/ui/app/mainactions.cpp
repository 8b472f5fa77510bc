#include "ui/app/mainactions.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace pelinor::ui {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::ui::TMainFrm", text);
}

} // namespace

MainActions MainActions::build(QWidget* window)
{
    MainActions a;
    struct Command {
        QAction** action;
        const char* name;
        const char* caption;
        const char* hint;
        QKeySequence key;
    };
    const Command commands[] = {
        {&a.exit, "Exit", "閉る", nullptr, {}},
        {&a.clear, "Clear", "ｸﾘｱ", "F2キー", QKeySequence(Qt::Key_F2)},
        {&a.registerWord, "RegisterWord", "登録", "F4キー", QKeySequence(Qt::Key_F4)},
        {&a.modifyWord, "EditWord", "編集", "F5キー", QKeySequence(Qt::Key_F5)},
        {&a.search, "Search", "検索", "F6キー", QKeySequence(Qt::Key_F6)},
        {&a.pad, "Pad", "PAD", "F7キー", QKeySequence(Qt::Key_F7)},
        {&a.option, "Settings", "設定", "F8キー", QKeySequence(Qt::Key_F8)},
        {&a.transfer, "Transfer", "転送", "F9キー", QKeySequence(Qt::Key_F9)},
    };
    for (const Command& c : commands) {
        // The command bar gives the actions their pictures.
        auto* action = new QAction(tr(c.caption), window);
        action->setObjectName(QString::fromLatin1(c.name));
        if (c.hint)
            action->setToolTip(tr(c.hint));
        action->setShortcut(c.key);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        *c.action = action;
    }

    a.focusSwitch = new QAction(window);
    a.focusSwitch->setShortcut(QKeySequence(Qt::Key_F1));
    a.focusSwitch->setShortcutContext(Qt::WindowShortcut);
    window->addAction(a.focusSwitch);

    return a;
}

} // namespace pelinor::ui
