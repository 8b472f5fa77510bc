// The symbol database editor's commands and the edit panel's rules.

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/hexcode.h"
#include "core/tables/tablefile.h"
#include "core/tables/writingsystems.h"
#include "ui/tables/glyphpreview.h"
#include "ui/tables/symbollistdelegate.h"
#include "ui/tables/symbollistmodel.h"
#include "ui/tables/tnewsymdbfrm.h"
#include "ui/tables/tsymdbfrm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace pelinor::ui {

namespace {

const char* const kFilter = "記号DB (DB*.csv)";

} // namespace

bool TSymDBFrm::readOnly() const
{
    return m_context.settings.flag(core::SettingKey::SysTblFlg);
}

void TSymDBFrm::reset()
{
    m_document.clear();
    m_selected = -1;
    m_exit->setEnabled(true);
    m_open->setEnabled(true);
    m_overWrite->setEnabled(false);
    m_save->setEnabled(false);
    m_delete->setEnabled(false);
    m_insert->setEnabled(false);
    m_add->setEnabled(false);
    m_new->setEnabled(!readOnly());
    {
        const QSignalBlocker codeBlocker(m_codeField);
        m_numberField->clear();
        m_codeField->clear();
    }
    m_englishField->clear();
    m_japaneseField->clear();
    m_noteField->clear();
    setTextFieldsEnabled(false);
    m_codeField->setEnabled(false);
    m_groupBox->clear();
    m_groupBox->setEnabled(false);
    m_auxiliaryBox->setCurrentIndex(-1);
    m_auxiliaryBox->setEnabled(false);
    m_preview->clear();
    m_model->reload();
    applySpans();
    setListBackground(QPalette::Button);
    m_filePanel->clear();
    m_folderPanel->clear();
}

void TSymDBFrm::setTextFieldsEnabled(bool enabled)
{
    m_englishField->setEnabled(enabled);
    m_japaneseField->setEnabled(enabled);
    m_noteField->setEnabled(enabled);
}

void TSymDBFrm::showFileStatus(const QString& folderPanel)
{
    m_filePanel->setText(u'"' + QFileInfo(m_document.path()).fileName() + u'"');
    m_folderPanel->setText(folderPanel);
}

void TSymDBFrm::dbOpen()
{
    reset();
    const QString folder = m_context.folders.currentTableFolder();
    const QString chosen = m_context.chooseOpenFile
        ? m_context.chooseOpenFile(this, folder, tr(kFilter), QStringLiteral("csv"))
        : QFileDialog::getOpenFileName(this, QString(), folder, tr(kFilter));
    if (!chosen.isEmpty())
        openFile(chosen);
}

void TSymDBFrm::openFile(const QString& path)
{
    reset();
    // The file the user chose is the one read and later written, wherever it lies.
    if (!m_document.open(path)) {
        QMessageBox::warning(this, windowTitle(), m_document.readError(), QMessageBox::Yes);
        return;
    }
    const int system = m_writingSystemBox->findText(m_document.writingSystem());
    if (system >= 0)
        m_writingSystemBox->setCurrentIndex(system);
    const int font = m_fontBox->findText(m_document.displayFont());
    if (font >= 0)
        m_fontBox->setCurrentIndex(font);
    m_delegate->setDisplayFont(m_document.displayFont());
    for (const core::SymbolGroup& group : m_document.groups())
        m_groupBox->addItem(group.name, group.number);
    m_groupBox->setCurrentIndex(-1);
    m_groupBox->setEnabled(true);
    m_overWrite->setEnabled(!readOnly());
    m_save->setEnabled(!readOnly());
    m_new->setEnabled(!readOnly());
    m_model->reload();
    applySpans();
    setListBackground(QPalette::Base);
    showFileStatus(QString());
    if (!m_document.skippedLines().isEmpty()) {
        QMessageBox::warning(
            this, windowTitle(), core::skippedLinesMessage(m_document.skippedLines()), QMessageBox::Yes);
    }
}

void TSymDBFrm::setListBackground(QPalette::ColorRole role)
{
    // Button face while no file is open, the window colour once one is.
    QPalette palette = QApplication::palette(m_list);
    palette.setColor(QPalette::Base, palette.color(role));
    m_list->viewport()->setPalette(palette);
    m_list->setPalette(palette);
}

void TSymDBFrm::applySpans()
{
    m_list->clearSpans();
    for (int row : m_model->headerRows())
        m_list->setSpan(row, 0, 1, SymbolListModel::ColumnCount);
}

bool TSymDBFrm::writeTo(const QString& path)
{
    const QString unwritten = m_document.rowsWithoutCodeQuestion();
    if (!unwritten.isEmpty()
        && QMessageBox::question(this, windowTitle(), unwritten, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return false;
    QString error;
    if (!m_document.write(path, &error)) {
        const QString name = QFileInfo(path).fileName();
        if (!error.contains(name))
            error = tr("ファイル「%1」を保存できませんでした。").arg(name) + u'\n' + error;
        QMessageBox::warning(this, windowTitle(), error, QMessageBox::Yes);
        return false;
    }
    return true;
}

void TSymDBFrm::dbOverWrite()
{
    if (readOnly())
        return;
    const QString path = m_document.path();
    if (!QFileInfo::exists(path)) {
        QMessageBox::warning(this, windowTitle(), u'"' + path + u'"' + tr("が見つかりません。"), QMessageBox::Yes);
        return;
    }
    if (writeTo(path))
        askForRestart();
}

void TSymDBFrm::dbSave()
{
    if (readOnly())
        return;
    const QString folder = m_context.folders.currentTableFolder();
    const QString chosen = m_context.chooseSaveFile
        ? m_context.chooseSaveFile(this, folder, tr(kFilter), QStringLiteral("csv"))
        : QFileDialog::getSaveFileName(this, QString(), folder, tr(kFilter));
    if (chosen.isEmpty())
        return;
    const QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + QStringLiteral(".csv") : chosen;
    // A failed write keeps the file the editor came from.
    if (!writeTo(path))
        return;
    m_document.setPath(path);
    showFileStatus(QFileInfo(path).absolutePath());
    askForRestart();
}

void TSymDBFrm::askForRestart()
{
    const QString question = tr("記号DBファイルを保存しました。結果を本体に反映させるには再起動する必要があります。")
        + QStringLiteral("\r\n") + tr("今、一旦終了しますか？");
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_endRequested = true;
    accept();
}

void TSymDBFrm::dbNew()
{
    if (readOnly())
        return;
    TNewSymDBFrm dialog(m_context, this);
    dialog.exec();
    if (!dialog.fileToOpen().isEmpty())
        openFile(dialog.fileToOpen());
}

void TSymDBFrm::dbDelete()
{
    if (m_selected < 0)
        return;
    const core::SymbolEntry& entry = m_document.row(m_selected);
    const QString question = tr("■番　号：　") + QString::number(core::SymbolDatabaseDocument::rowNumber(m_selected))
        + QStringLiteral("\r\n") + tr("■日本語名：　「") + entry.japaneseName + tr("」　　") + QStringLiteral("\r\n")
        + tr("■英語名：　") + u'"' + entry.englishName + QStringLiteral("\" \r\n")
        + tr("を削除しますがよろしいですか？");
    if (QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_document.removeRow(m_selected);
    m_selected = -1;
    afterRowsChanged();
    clearPanel();
}

void TSymDBFrm::dbInsert()
{
    if (m_selected < 0 || m_groupBox->currentIndex() < 0)
        return;
    const qsizetype at = m_selected;
    m_document.insertRow(at, m_groupBox->currentData().toInt());
    afterRowsChanged();
    selectEntry(at);
}

void TSymDBFrm::dbAdd()
{
    if (m_groupBox->currentIndex() < 0)
        return;
    m_auxiliaryBox->setCurrentIndex(-1);
    m_auxiliaryBox->setEnabled(true);
    const qsizetype at = m_document.addRow(m_groupBox->currentData().toInt(), m_selected);
    afterRowsChanged();
    selectEntry(at);
}

void TSymDBFrm::afterRowsChanged()
{
    m_model->reload();
    applySpans();
}

void TSymDBFrm::selectEntry(qsizetype entry)
{
    const int row = m_model->rowOfEntry(entry);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_list->scrollTo(index);
    {
        // The panel is filled once, below, even when the new row takes the selected row's place.
        const QSignalBlocker blocker(m_list->selectionModel());
        m_list->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    m_list->viewport()->update();
    fillPanel(entry);
    m_codeField->setEnabled(true);
    m_codeField->setFocus();
}

void TSymDBFrm::rowChosen(const QModelIndex& index)
{
    const qsizetype entry = index.isValid() ? m_model->entryOfRow(index.row()) : -1;
    if (entry >= 0)
        fillPanel(entry);
}

void TSymDBFrm::fillPanel(qsizetype entry)
{
    m_selected = entry;
    const core::SymbolEntry& row = m_document.row(entry);
    m_filling = true;
    m_numberField->setText(QString::number(core::SymbolDatabaseDocument::rowNumber(entry)));
    m_englishField->setText(row.englishName);
    m_japaneseField->setText(row.japaneseName);
    m_noteField->setText(row.note);
    m_groupBox->setCurrentIndex(m_groupBox->findData(row.group));
    if (!row.auxiliary.trimmed().isEmpty()) {
        const std::optional<int> kind = core::parseTableInteger(row.auxiliary);
        m_auxiliaryBox->setCurrentIndex(!kind ? 0 : (*kind >= 0 && *kind <= 2 ? *kind : -1));
    }
    setTextFieldsEnabled(true);
    m_codeField->setEnabled(true);
    m_groupBox->setEnabled(true);
    m_auxiliaryBox->setEnabled(true);
    m_delete->setEnabled(true);
    m_insert->setEnabled(true);
    m_add->setEnabled(true);
    m_filling = false;
    // Shown like a typed code: a hand-edited file with the code twice warns here.
    {
        const QSignalBlocker blocker(m_codeField);
        m_codeField->setText(row.code);
    }
    codeChanged(row.code);
}

void TSymDBFrm::clearPanel()
{
    {
        const QSignalBlocker blocker(m_codeField);
        m_numberField->clear();
        m_codeField->clear();
    }
    setTextFieldsEnabled(false);
    m_auxiliaryBox->setCurrentIndex(-1);
    m_auxiliaryBox->setEnabled(false);
    m_preview->clear();
    m_delete->setEnabled(false);
    m_insert->setEnabled(false);
}

void TSymDBFrm::codeChanged(const QString& text)
{
    if (m_selected < 0 || m_filling)
        return;
    const QString code = text.trimmed();
    if (!core::isHexCode(code)) {
        m_preview->clear();
        return;
    }
    showGlyph(QString(core::charOfHexCode(code)));
    const core::SymbolDatabaseDocument::CodeChange change = m_document.setCode(m_selected, code);
    if (change.result == core::SymbolDatabaseDocument::CodeChange::Result::Duplicate) {
        QMessageBox::warning(this, windowTitle(),
            tr("すでに") + QStringLiteral("\" ") + code + QStringLiteral(" \"") + tr("は、No:")
                + QString::number(core::SymbolDatabaseDocument::rowNumber(change.otherRow))
                + tr("に登録されています。"),
            QMessageBox::Yes);
        return;
    }
    m_model->entryChanged(m_selected);
}

void TSymDBFrm::showGlyph(const QString& glyph)
{
    m_preview->showGlyph(glyph, m_document.displayFont());
}

void TSymDBFrm::groupChosen(int item)
{
    if (item < 0)
        return;
    // The chosen group is where the next "追加" puts its row; the selected row stays where it is.
    if (m_selected >= 0) {
        m_selected = -1;
        const QSignalBlocker blocker(m_list->selectionModel());
        m_list->selectionModel()->clearSelection();
        m_list->selectionModel()->clearCurrentIndex();
        m_list->viewport()->update();
        clearPanel();
    }
    m_add->setEnabled(true);
}

void TSymDBFrm::writingSystemChosen(int item)
{
    if (item >= 0)
        m_document.setWritingSystem(m_writingSystemBox->itemText(item));
}

void TSymDBFrm::displayFontChosen(int item)
{
    if (item < 0)
        return;
    m_document.setDisplayFont(m_fontBox->itemText(item));
    m_delegate->setDisplayFont(m_document.displayFont());
    m_list->viewport()->update();
}

} // namespace pelinor::ui
