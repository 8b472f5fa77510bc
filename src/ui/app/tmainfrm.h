#pragma once

#include "core/app/folders.h"
#include "core/app/settings.h"

#include <QMainWindow>

class QLineEdit;
class QPlainTextEdit;

namespace pelinor::ui {

/// The main window: the workbench with its phonetic and foreign-language input areas. Creating it runs
/// the program's start-up steps in their fixed order (settings, first-run copy of the shipped files,
/// then the window's own set-up); closing it runs the shutdown steps and writes the settings file.
class TMainFrm : public QMainWindow {
    Q_OBJECT

public:
    /// `folders` must have been set up; the window keeps its own copy and owns the settings record.
    explicit TMainFrm(const core::Folders& folders, QWidget* parent = nullptr);

    core::Settings& settings() { return m_settings; }
    const core::Folders& folders() const { return m_folders; }

    QLineEdit* phoneticArea() const { return m_phoneticArea; }
    QPlainTextEdit* foreignArea() const { return m_foreignArea; }

    /// Applies the stored geometry (or the centred default) and gives the foreign-language area the
    /// focus; runs once, when the window is first shown.
    void PlaceMainWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void buildInputPanel();
    void SetUpMainWindow();
    void storeLiveState();
    /// Shows a failed write into the system folder; only the first one of a run is shown.
    void reportSystemWriteFailure(const QString& message);

    core::Folders m_folders;
    core::Settings m_settings;
    QLineEdit* m_phoneticArea = nullptr;
    QPlainTextEdit* m_foreignArea = nullptr;
    bool m_placed = false;
    bool m_closed = false;
    bool m_systemWriteFailureShown = false;
};

} // namespace pelinor::ui
