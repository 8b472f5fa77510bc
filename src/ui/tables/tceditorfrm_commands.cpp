// The candidate editor's commands: the symbol database beside the keys, the candidate file's open, save,
// close and new, the properties, and the translation between the fields' Nos and the file's codes.

#include "core/app/folders.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/common/hexcode.h"
#include "core/tables/candidatefile.h"
#include "core/tables/symboldatabase.h"
#include "ui/tables/candidateeditormessages.h"
#include "ui/tables/candidateglyphbox.h"
#include "ui/tables/newcandidatefiledialog.h"
#include "ui/tables/symbolviewmodel.h"
#include "ui/tables/tceditorfrm.h"
#include "ui/tables/triggerkeyboard.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace pelinor::ui {

using core::TriggerMode;

namespace {

// The order of the trigger mode selector's entries.
constexpr TriggerMode kModeOfItem[]
    = {TriggerMode::AlphabetLower, TriggerMode::AlphabetUpper, TriggerMode::AlphabetBoth};

int itemOfMode(TriggerMode mode)
{
    switch (mode) {
    case TriggerMode::AlphabetLower:
        return 0;
    case TriggerMode::AlphabetUpper:
        return 1;
    case TriggerMode::AlphabetBoth:
        break;
    }
    return 2;
}

} // namespace

QString TCEditorFrm::candidateFilePath() const
{
    return QDir(tableFolder()).filePath(m_candidateFile);
}

bool TCEditorFrm::candidateFileExists() const
{
    return !m_candidateFile.isEmpty() && QFileInfo(candidateFilePath()).isFile();
}

void TCEditorFrm::reportSkipped(const QList<core::SkippedLine>& skipped)
{
    if (!skipped.isEmpty())
        showCandidateEditorWarning(this, core::skippedLinesMessage(skipped));
}

// --- The symbol database ---------------------------------------------------------------------------------

void TCEditorFrm::clearSymbolDatabase()
{
    m_symbols->clear();
    m_numbers = {};
    m_symbolDatabaseName.clear();
    m_writingSystemField->clear();
    m_displayFontField->clear();
    showStatus();
    for (std::size_t slot = 0; slot < SlotCount; ++slot)
        showFieldGlyph(slot);
}

bool TCEditorFrm::loadSymbolDatabase(const QString& fileName, QList<core::SkippedLine>& skipped)
{
    core::SymbolDatabase database = core::SymbolDatabase::read(QDir(tableFolder()).filePath(fileName));
    if (!database.fileExists())
        return false;
    if (!database.readError().isEmpty()) {
        skipped.append({fileName, 0, database.readError()});
        return false;
    }
    skipped.append(database.skippedLines());
    database.applyFileNameDefaults(fileName);
    m_displayFont = database.displayFont();
    m_writingSystemField->setText(database.writingSystem());
    m_displayFontField->setText(database.displayFont());
    m_symbols->setDatabase(std::move(database), m_displayFont);
    m_numbers = core::SymbolNumbers(m_symbols->database().entries());
    m_symbolDatabaseName = fileName;
    showStatus();
    for (std::size_t slot = 0; slot < SlotCount; ++slot)
        showFieldGlyph(slot);
    return true;
}

void TCEditorFrm::openSymbolDatabaseFile()
{
    clearSymbolDatabase();
    const QString path = m_context.chooseOpenFile(this, tableFolder(), tr("記号DB (DB*.csv)"));
    if (path.isEmpty())
        return;
    QList<core::SkippedLine> skipped;
    loadSymbolDatabase(QFileInfo(path).fileName(), skipped);
    reportSkipped(skipped);
}

// --- The candidate file ----------------------------------------------------------------------------------

void TCEditorFrm::resetCandidatePart()
{
    m_candidateFile.clear();
    m_pairedDatabase.clear();
    m_mode.reset();
    m_lines = {};
    for (QLineEdit* field : m_fields) {
        field->clear();
        field->setEnabled(true);
    }
    m_register->setEnabled(false);
    m_jump->setEnabled(false);
    m_ceOverWrite->setEnabled(false);
    m_ceSave->setEnabled(false);
    m_ceClose->setEnabled(false);
    m_pairedDatabaseField->clear();
    m_modeBox->setCurrentIndex(-1);
    m_keyboard->resetPlain();
    showStatus();
}

void TCEditorFrm::openCandidateFile(const QString& fileName)
{
    resetCandidatePart();
    loadCandidateFile(fileName);
    m_jump->setEnabled(!m_candidateFile.isEmpty());
}

void TCEditorFrm::openCandidateFileFromDialog()
{
    const QString path = m_context.chooseOpenFile(this, tableFolder(), tr("候補ファイル(Cand*.csv)"));
    if (!path.isEmpty())
        openCandidateFile(QFileInfo(path).fileName());
}

void TCEditorFrm::loadCandidateFile(const QString& fileName)
{
    const QString path = QDir(tableFolder()).filePath(fileName);
    if (fileName.isEmpty() || !QFileInfo(path).isFile())
        return;
    core::CandidateFile file = core::CandidateFile::read(path);
    QList<core::SkippedLine> skipped;
    if (!file.readError().isEmpty()) {
        reportSkipped({{fileName, 0, file.readError()}});
        return;
    }
    file.applyFileNameDefaults(fileName);
    const QString paired = file.symbolDatabase();

    // The paired symbol database, unless the one shown is already it or the user keeps the one shown.
    bool loadPaired = true;
    if (!m_symbolDatabaseName.isEmpty()) {
        loadPaired = m_symbolDatabaseName != paired
            && askCandidateEditorQuestion(this,
                tr("すでに") + u'"' + m_symbolDatabaseName + u'"'
                    + tr("が記号DBにロードされていますが、この候補ファイルに設定されれている記号DBファイルは") + u'"'
                    + paired + u'"' + tr("です。ロードしますか？"));
    }
    if (loadPaired && !paired.isEmpty() && QFileInfo(QDir(tableFolder()).filePath(paired)).isFile()) {
        clearSymbolDatabase();
        loadSymbolDatabase(paired, skipped);
    }

    m_candidateFile = fileName;
    m_pairedDatabase = paired;
    m_mode = file.triggerMode();
    m_lines = core::CandidateLineTable(*m_mode);
    skipped.append(m_lines.merge(file, fileName));
    m_keyboard->setUp(*m_mode, [this](const QString& trigger) { return m_lines.hasCandidates(trigger); });

    m_pairedDatabaseField->setText(paired);
    m_modeBox->setCurrentIndex(itemOfMode(*m_mode));
    for (QLineEdit* field : m_fields) {
        field->clear();
        field->setEnabled(true);
    }
    m_ceOverWrite->setEnabled(!systemTables());
    m_ceSave->setEnabled(!systemTables());
    m_ceClose->setEnabled(true);
    showStatus();
    reportSkipped(skipped);
}

bool TCEditorFrm::writeCandidateFile(const QString& path, const QString& pairedDatabase, TriggerMode mode)
{
    QString error;
    if (!m_lines.toFile(pairedDatabase, mode).write(path, &error)) {
        // The file on disk stays as it was, and so does everything the editor holds.
        showCandidateEditorWarning(this, error);
        return false;
    }
    m_modified = false;
    return true;
}

void TCEditorFrm::askForRestart()
{
    if (askCandidateEditorQuestion(this,
            tr("候補ファイルを保存しました。結果を本体に反映させるには再起動する必要があります。") + u"\r\n"_qs
                + tr("今一旦終了しますか？"))) {
        m_programEndRequested = true;
        accept();
    }
}

void TCEditorFrm::overwriteCandidateFile()
{
    if (!m_mode || systemTables())
        return;
    if (!candidateFileExists()) {
        // Removed or renamed behind the editor's back: say so rather than seem to have saved.
        showCandidateEditorWarning(this, u'"' + candidateFilePath() + u'"' + tr("が見つかりません。"));
        return;
    }
    if (writeCandidateFile(candidateFilePath(), m_pairedDatabase, *m_mode))
        askForRestart();
}

void TCEditorFrm::saveCandidateFileAs()
{
    if (!m_mode || systemTables())
        return;
    const QString path = m_context.chooseSaveFile(this, tableFolder(), tr("候補ファイル(Cand*.csv)"));
    if (path.isEmpty() || !writeCandidateFile(path, m_pairedDatabase, *m_mode))
        return;
    m_candidateFile = QFileInfo(path).fileName();
    showStatus();
    askForRestart();
}

void TCEditorFrm::closeCandidateFile()
{
    if (m_modified
        && !askCandidateEditorQuestion(this,
            tr("　候補が変更されましたが、まだ保存されていません。ファイルを保存せずに候補ファイルを閉じてもよろしいで"
               "すか？")
                + u"\r\n\r\n"_qs + tr("　保存する場合は「いいえ」の後、「上書」ボタンを押して下さい。")))
        return;
    resetCandidatePart();
}

void TCEditorFrm::exitEditor()
{
    if (m_modified
        && !askCandidateEditorQuestion(this,
            tr("　候補が変更されましたが、まだ保存されていません。ファイルを保存せずに候補エディタを終了してもよろしい"
               "ですか？")
                + u"\r\n\r\n"_qs + tr("　保存する場合は「いいえ」の後、「上書」ボタンを押して下さい。")))
        return;
    reject();
}

void TCEditorFrm::newCandidateFile()
{
    if (systemTables())
        return;
    NewCandidateFileDialog dialog(tableFolder(), this);
    if (m_context.mainWindow) {
        const QPoint centre = m_context.mainWindow->geometry().center();
        dialog.move(centre.x() - dialog.width() / 2, centre.y() - dialog.height() / 2);
    }
    dialog.exec();
    if (dialog.loadRequested().isEmpty())
        return;
    resetCandidatePart();
    loadCandidateFile(dialog.loadRequested());
}

void TCEditorFrm::choosePairedDatabase()
{
    const QString path = m_context.chooseOpenFile(this, tableFolder(), tr("記号データベース(DB*.csv)"));
    if (path.isEmpty())
        return;
    m_pairedDatabase = QFileInfo(path).fileName();
    m_pairedDatabaseField->setText(m_pairedDatabase);
}

void TCEditorFrm::saveAndReload()
{
    if (systemTables())
        return;
    m_pairedDatabase = m_pairedDatabaseField->text().trimmed();
    const int item = m_modeBox->currentIndex();
    const TriggerMode mode = item >= 0 && item < 3 ? kModeOfItem[item] : m_mode.value_or(TriggerMode::AlphabetBoth);
    const bool exists = candidateFileExists();
    // A write that fails keeps the editor as it is: reloading would throw away the unsaved candidates.
    if (exists && !writeCandidateFile(candidateFilePath(), m_pairedDatabase, mode))
        return;
    const QString fileName = m_candidateFile;
    resetCandidatePart();
    loadCandidateFile(fileName);
    if (exists)
        showCandidateEditorInformation(this, tr("候補ファイルのプロパティを変更し再読み込みしました。"));
}

// --- Triggers and candidates -----------------------------------------------------------------------------

void TCEditorFrm::chooseTrigger(const QString& trigger)
{
    m_register->setEnabled(true);
    const core::CandidateLine* line = m_lines.line(trigger);
    const core::SymbolNumbers::Slots fields
        = line && line->hasCandidates() ? m_numbers.fieldsOfSlots(line->candidates) : core::SymbolNumbers::Slots{};
    for (std::size_t slot = 0; slot < SlotCount; ++slot)
        m_fields[slot]->setText(fields[slot]);
}

void TCEditorFrm::showFieldGlyph(std::size_t slot)
{
    const core::SymbolEntry* entry = m_numbers.entryOfField(m_fields[slot]->text());
    const QString glyph = entry && core::isHexCode(entry->code) ? QString(core::charOfHexCode(entry->code)) : QString();
    m_glyphs[slot]->showGlyph(glyph, m_displayFont);
}

void TCEditorFrm::registerCandidates()
{
    const QString trigger = m_keyboard->chosenTrigger();
    if (trigger.isEmpty())
        return;
    core::SymbolNumbers::Slots fields;
    for (std::size_t slot = 0; slot < SlotCount; ++slot)
        fields[slot] = m_fields[slot]->text();
    if (!m_lines.setCandidates(trigger, m_numbers.slotsOfFields(fields)))
        return;
    m_keyboard->markCandidates(trigger, m_lines.hasCandidates(trigger));
    m_modified = true;
}

void TCEditorFrm::jumpToSymbol()
{
    for (QLineEdit* field : m_fields) {
        if (!field->hasFocus())
            continue;
        bool isNumber = false;
        const int number = field->text().toInt(&isNumber);
        if (!isNumber || number < 1 || number > m_numbers.count())
            return;
        const int row = m_symbols->rowOfNumber(number);
        m_leftTabs->setCurrentIndex(0);
        m_symbolView->setFocus();
        m_symbolView->selectRow(row);
        m_symbolView->scrollTo(m_symbols->index(row, 0), QAbstractItemView::EnsureVisible);
        return;
    }
}

// --- Opening and closing ---------------------------------------------------------------------------------

void TCEditorFrm::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        m_leftTabs->setCurrentIndex(0);
        m_rightTabs->setCurrentIndex(0);
        if (m_context.restoreStartupLayout)
            m_context.restoreStartupLayout();
    }
    QDialog::showEvent(event);
}

void TCEditorFrm::keyPressEvent(QKeyEvent* event)
{
    // Escape leaves as "閉る" does, asking first when candidates are unsaved.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        exitEditor();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCEditorFrm::done(int result)
{
    m_lines = {};
    const core::InputMode mode = core::inputModeFromNumber(m_context.settings.integer(core::SettingKey::InputMode));
    if (core::isLayoutMode(mode) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
    QDialog::done(result);
}

} // namespace pelinor::ui
