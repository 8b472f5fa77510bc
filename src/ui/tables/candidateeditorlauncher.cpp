#include "ui/tables/candidateeditorlauncher.h"

#include "core/app/settings.h"
#include "ui/tables/candidateeditormessages.h"
#include "ui/tables/tceditorfrm.h"

namespace pelinor::ui {

CandidateEditorLauncher::CandidateEditorLauncher(CandidateEditorContext context, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
{
}

void CandidateEditorLauncher::open()
{
    if (m_context.settings.flag(core::SettingKey::SysTblFlg)) {
        showCandidateEditorInformation(m_context.mainWindow,
            tr("　テーブル選択が、システムテーブルになっています。候補ファイルを開くことはできますが、「保存」「上書」"
               "「新規」はできません。")
                + u"\r\n"_qs
                + tr("　候補ファイルの変更や作成をするには「設定」「全般」で「システムテーブルを用いる」のチェックを外"
                     "します。"));
    }
    TCEditorFrm editor(m_context, m_context.mainWindow);
    if (m_context.mainWindow) {
        const QPoint centre = m_context.mainWindow->geometry().center();
        editor.move(centre.x() - editor.width() / 2, centre.y() - editor.height() / 2);
    }
    Q_EMIT editorOpening(&editor);
    editor.exec();
    // The main window closes as on a normal exit once the editor is gone.
    if (editor.programEndRequested() && m_context.endProgram)
        m_context.endProgram();
}

} // namespace pelinor::ui
