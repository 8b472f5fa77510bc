#include "ui/tables/tabletools.h"

#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "ui/tables/tmakehtmlfrm.h"
#include "ui/tables/tsymdbfrm.h"

#include <QMessageBox>

namespace pelinor::ui {

namespace {

void centreOn(QWidget* dialog, const QWidget* owner)
{
    if (!owner)
        return;
    const QPoint centre = owner->geometry().center();
    dialog->move(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2);
}

} // namespace

TableTools::TableTools(TableToolsContext context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
{
}

void TableTools::beforeTool()
{
    if (m_context.restoreStartupLayout)
        m_context.restoreStartupLayout();
}

void TableTools::afterTool()
{
    const auto mode = core::inputModeFromNumber(m_context.settings.integer(core::SettingKey::InputMode));
    if (core::isLayoutMode(mode) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
}

void TableTools::openSymbolDatabaseEditor()
{
    if (m_context.settings.flag(core::SettingKey::SysTblFlg)) {
        QMessageBox::information(m_context.mainWindow, tr("記号データベース"),
            tr("　テーブル選択が、システムテーブルになっています。記号DBを開くことはできますが、「保存」「上書」「新規"
               "」はできません。")
                + QStringLiteral("\r\n")
                + tr("　記号DBの変更や作成をするには「設定」「全般」で「システムテーブルを用いる」のチェックを外します"
                     "。"),
            QMessageBox::Yes);
    }
    bool endProgram = false;
    {
        TSymDBFrm editor(m_context, m_context.mainWindow);
        centreOn(&editor, m_context.mainWindow);
        beforeTool();
        editor.exec();
        endProgram = editor.endRequested();
    }
    afterTool();
    if (endProgram && m_context.endProgram)
        m_context.endProgram();
}

void TableTools::openHtmlListTool()
{
    if (m_context.settings.flag(core::SettingKey::SysTblFlg)) {
        QMessageBox::information(m_context.mainWindow, tr("一覧HTML作成ツール"),
            tr("　テーブル選択が、システムテーブルになっています。一覧HTMLツールで既存のファイルを見ることはできますが"
               "、「作成」「保存」はできません。")
                + QStringLiteral("\r\n")
                + tr("　このツールを使うには「設定」「全般」で「システムテーブルを用いる」のチェックを外します。"),
            QMessageBox::Yes);
    }
    TMakeHtmlFrm tool(m_context, m_context.mainWindow);
    centreOn(&tool, m_context.mainWindow);
    beforeTool();
    tool.exec();
    afterTool();
}

} // namespace pelinor::ui
