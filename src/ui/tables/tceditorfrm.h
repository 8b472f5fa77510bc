#pragma once

#include "core/tables/candidatelinetable.h"
#include "core/tables/skippedline.h"
#include "core/tables/symbolnumbers.h"
#include "core/tables/triggermode.h"
#include "ui/tables/candidateeditorcontext.h"

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class QVBoxLayout;

namespace pelinor::ui {

class CandidateGlyphBox;
class SymbolViewModel;
class TriggerKeyboard;

/// The candidate editor: the paired symbol database on the left, read-only, with the Nos by which the
/// user names candidates; on the right the trigger keys as a Japanese keyboard and the nine candidate
/// fields of the chosen key. The fields take Nos, the candidate file receives codes. A saved file takes
/// effect at the next start, which the editor offers to bring about.
class TCEditorFrm : public QDialog {
    Q_OBJECT

public:
    static constexpr std::size_t SlotCount = core::CandidateLine::SlotCount;

    explicit TCEditorFrm(CandidateEditorContext context, QWidget* parent = nullptr);
    ~TCEditorFrm() override;

    /// True when the user asked, after a save, to end the program now.
    bool programEndRequested() const { return m_programEndRequested; }

    /// Loads a candidate file of the current table folder as "開く" does after its dialog.
    void openCandidateFile(const QString& fileName);

    /// The candidate file's name and the symbol database's name now shown; empty when none.
    const QString& candidateFileName() const { return m_candidateFile; }
    const QString& symbolDatabaseName() const { return m_symbolDatabaseName; }
    bool isModified() const { return m_modified; }

private:
    // Layout.
    void buildWindow();
    QWidget* buildTopBar();
    QWidget* buildLeftTabs();
    QWidget* buildRightTabs();
    QWidget* buildCandidatePage();
    QWidget* buildPropertyPage();
    void buildStatusBar(QVBoxLayout* layout);
    QToolButton* toolButton(const QString& objectName, const QString& caption, const QIcon& icon);

    // Symbol database.
    void openSymbolDatabaseFile();
    bool loadSymbolDatabase(const QString& fileName, QList<core::SkippedLine>& skipped);
    void clearSymbolDatabase();
    void showStatus();

    // Candidate file.
    void openCandidateFileFromDialog();
    void loadCandidateFile(const QString& fileName);
    void resetCandidatePart();
    void overwriteCandidateFile();
    void saveCandidateFileAs();
    void closeCandidateFile();
    void newCandidateFile();
    void choosePairedDatabase();
    void saveAndReload();
    bool writeCandidateFile(const QString& path, const QString& pairedDatabase, core::TriggerMode mode);
    void askForRestart();
    QString candidateFilePath() const;
    bool candidateFileExists() const;

    // Triggers and candidates.
    void chooseTrigger(const QString& trigger);
    void showFieldGlyph(std::size_t slot);
    void registerCandidates();
    void jumpToSymbol();

    void exitEditor();
    void reportSkipped(const QList<core::SkippedLine>& skipped);
    bool systemTables() const;
    QString tableFolder() const;

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

    CandidateEditorContext m_context;

    // The symbol database shown.
    SymbolViewModel* m_symbols = nullptr;
    core::SymbolNumbers m_numbers;
    QString m_symbolDatabaseName;
    QString m_displayFont;

    // The candidate file.
    QString m_candidateFile;
    QString m_pairedDatabase;
    std::optional<core::TriggerMode> m_mode;
    core::CandidateLineTable m_lines;
    bool m_modified = false;
    bool m_programEndRequested = false;
    bool m_shown = false;

    QToolButton* m_dbExit = nullptr;
    QToolButton* m_dbOpen = nullptr;
    QToolButton* m_ceClose = nullptr;
    QToolButton* m_ceOpen = nullptr;
    QToolButton* m_ceOverWrite = nullptr;
    QToolButton* m_ceSave = nullptr;
    QToolButton* m_ceNew = nullptr;
    QTabWidget* m_leftTabs = nullptr;
    QTabWidget* m_rightTabs = nullptr;
    QTableView* m_symbolView = nullptr;
    QLineEdit* m_writingSystemField = nullptr;
    QLineEdit* m_displayFontField = nullptr;
    std::array<QLineEdit*, SlotCount> m_fields{};
    std::array<CandidateGlyphBox*, SlotCount> m_glyphs{};
    QPushButton* m_register = nullptr;
    QPushButton* m_jump = nullptr;
    TriggerKeyboard* m_keyboard = nullptr;
    QLineEdit* m_pairedDatabaseField = nullptr;
    QToolButton* m_browsePairedDatabase = nullptr;
    QComboBox* m_modeBox = nullptr;
    QToolButton* m_saveAndReload = nullptr;
    std::array<QLabel*, 3> m_statusPanels{};
};

} // namespace pelinor::ui
