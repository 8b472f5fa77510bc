#pragma once

#include "ui/tables/candidateeditorcontext.h"

#include <QObject>

namespace pelinor::ui {

class TCEditorFrm;

/// Opens the candidate editor from the main window's menu "ツール (&T)" → "候補エディタ": with the system
/// tables in use it first says that nothing can be saved, and once the editor has closed it ends the
/// program when the user asked for a restart after a save.
class CandidateEditorLauncher : public QObject {
    Q_OBJECT

public:
    explicit CandidateEditorLauncher(CandidateEditorContext context, QObject* parent = nullptr);

    /// Shows the editor modally, centred on the main window.
    void open();

Q_SIGNALS:
    /// The editor is about to run; tests drive it from here.
    void editorOpening(TCEditorFrm* editor);

private:
    CandidateEditorContext m_context;
};

} // namespace pelinor::ui
