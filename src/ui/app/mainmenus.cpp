#include "ui/app/mainmenus.h"

#include "core/transfer/transfermode.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace pelinor::ui {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::ui::MainMenus", text);
}

QAction* item(QMenu* menu, const char* text, const QString& objectName, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(tr(text));
    action->setObjectName(objectName);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The edit commands act on the focused field, which handles these keys itself; the menu only
        // shows them.
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

} // namespace

core::TransferMode MainMenus::transferModeOfItem(int item)
{
    return core::TransferMode(core::transferModes()[static_cast<size_t>(item)].mode);
}

MainMenus MainMenus::build(QMenuBar* bar)
{
    MainMenus m;
    m.file = bar->addMenu(tr("ファイル (&F)"));
    m.file->setObjectName(QStringLiteral("FileMenu"));
    m.open = item(m.file, "開く", QStringLiteral("FileOpen"));
    m.save = item(m.file, "上書き保存", QStringLiteral("FileSave"));
    m.saveAs = item(m.file, "名前を付けて保存", QStringLiteral("FileSaveAs"));
    m.file->addSeparator();
    m.exit = item(m.file, "終了(&X)", QStringLiteral("FileExit"));

    m.edit = bar->addMenu(tr("編集 (&E)"));
    m.edit->setObjectName(QStringLiteral("EditMenu"));
    m.undo = item(m.edit, "元に戻す(&U)", QStringLiteral("EditUndo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.edit->addSeparator();
    m.cut = item(m.edit, "切り取り(&T)", QStringLiteral("EditCut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m.copy = item(m.edit, "コピー(&C)", QStringLiteral("EditCopy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m.paste = item(m.edit, "貼り付け(&P)", QStringLiteral("EditPaste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    m.remove = item(m.edit, "削除(&D)", QStringLiteral("EditDelete"));
    m.edit->addSeparator();
    m.selectAll = item(m.edit, "すべてを選択(&A)", QStringLiteral("EditSelectAll"), QKeySequence(Qt::CTRL | Qt::Key_A));
    m.edit->addSeparator();
    m.wordWrap = item(m.edit, "右端で折り返す", QStringLiteral("EditWordWrap"));
    m.scrollBars = item(m.edit, "スクロールバーを表示する", QStringLiteral("EditScrollBars"));
    m.wordWrap->setCheckable(true);
    m.scrollBars->setCheckable(true);

    m.ime = bar->addMenu(tr("IME指定 (&I)"));
    m.ime->setObjectName(QStringLiteral("ImeMenu"));
    m.russianTypewriter = item(m.ime, "ロシア語 (ﾀｲﾌﾟﾗｲﾀ)", QStringLiteral("ImeRussianTypewriter"));
    m.russianStandard = item(m.ime, "ロシア語", QStringLiteral("ImeRussian"));
    m.russianTypewriter->setCheckable(true);
    m.russianStandard->setCheckable(true);

    m.wordBook = bar->addMenu(tr("単語帳 (&W)"));
    m.wordBook->setObjectName(QStringLiteral("WordBookMenu"));

    m.transferMode = bar->addMenu(tr("転送モード(&M)"));
    m.transferMode->setObjectName(QStringLiteral("TransferModeMenu"));
    const char* phoneticModes[] = {"発音記号　リッチテキスト", "発音記号　Unicode16進　数値文字参照",
        "発音記号　Unicode10進　数値文字参照", "発音記号　Unicodeテキスト"};
    for (size_t i = 0; i < 4; ++i)
        m.transferModes[i] = item(m.transferMode, phoneticModes[i], QStringLiteral("TransferMode%1").arg(11 + i));
    m.transferMode->addSeparator();
    for (size_t i = 4; i < 9; ++i) {
        // Captioned with the script name when the window is set up.
        m.transferModes[i] = m.transferMode->addAction(QString());
        m.transferModes[i]->setObjectName(QStringLiteral("TransferMode%1").arg(i - 3));
    }
    for (QAction* action : m.transferModes)
        action->setCheckable(true);

    m.options = bar->addMenu(tr("オプション(&O)"));
    m.options->setObjectName(QStringLiteral("OptionsMenu"));
    m.settings = item(m.options, "設定(&S)", QStringLiteral("OptionSettings"));

    m.tools = bar->addMenu(tr("ツール (&T)"));
    m.tools->setObjectName(QStringLiteral("ToolsMenu"));
    m.symbolDatabase = item(m.tools, "記号データベース", QStringLiteral("ToolSymbolDatabase"));
    m.candidateEditor = item(m.tools, "候補エディタ", QStringLiteral("ToolCandidateEditor"));
    m.tools->addSeparator();
    m.htmlListTool = item(m.tools, "一覧HTML作成ツール", QStringLiteral("ToolHtmlList"));
    m.tools->addSeparator();
    m.conversionTool = item(m.tools, "単語帳変換ツール", QStringLiteral("ToolConversion"));
    m.tools->addSeparator();
    m.codeChecker = item(m.tools, "コード値チェッカー", QStringLiteral("ToolCodeChecker"));

    m.help = bar->addMenu(tr("ヘルプ (&H)"));
    m.help->setObjectName(QStringLiteral("HelpMenu"));
    m.helpContents = item(m.help, "ヘルプ", QStringLiteral("HelpContents"));
    m.version = item(m.help, "バージョン情報", QStringLiteral("HelpVersion"));
    return m;
}

} // namespace pelinor::ui
