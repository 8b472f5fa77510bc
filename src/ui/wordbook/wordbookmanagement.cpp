#include "ui/wordbook/wordbookmanagement.h"

#include "core/app/folders.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/wordbook/groupnameedit.h"
#include "core/wordbook/groupnamelist.h"
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookfile.h"
#include "ui/wordbook/tgroupfrm.h"
#include "ui/wordbook/tjumpfrm.h"
#include "ui/wordbook/tnewwbfrm.h"
#include "ui/wordbook/twbdelfrm.h"
#include "ui/wordbook/twbpropfrm.h"
#include "ui/wordbook/tworddelfrm.h"
#include "ui/wordbook/twordmovefrm.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordbookheaderfields.h"
#include "ui/wordbook/wordbookmessages.h"
#include "ui/wordbook/wordbookpanel.h"
#include "ui/wordbook/wordlistdelegate.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistpresenter.h"
#include "ui/wordbook/wordlistview.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace pelinor::ui {

WordBookManagement::WordBookManagement(WordBookContext context, WordBookController& controller, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
    , m_controller(controller)
{
}

void WordBookManagement::reportError(const QString& message) const
{
    showWordBookWarning(m_context.dialogParent(), message);
}

int WordBookManagement::runDialog(QDialog& dialog)
{
    const QWidget* owner = m_context.dialogParent();
    const QPoint centre = owner->geometry().center();
    dialog.move(centre.x() - dialog.width() / 2, centre.y() - dialog.height() / 2);
    if (m_context.restoreStartupLayout)
        m_context.restoreStartupLayout();
    const int result = dialog.exec();
    const auto mode = core::inputModeFromNumber(m_context.settings.integer(core::SettingKey::InputMode));
    if (core::isLayoutMode(mode) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
    return result;
}

void WordBookManagement::fillGroups(WordBookHeaderFields& fields, const QString& preferred)
{
    const core::GroupChoices choices = core::fillGroupChoices(m_context.folders.systemFolder(), preferred);
    fields.setGroups(choices.names, choices.selected);
    if (!choices.error.isEmpty())
        reportError(choices.error);
}

// --- New word book ---

void WordBookManagement::newWordBook()
{
    TNewWBFrm dialog(m_context.chooseFolder, m_context.dialogParent());
    WordBookHeaderFields& fields = *dialog.fields();
    fillGroups(fields, m_context.settings.text(core::SettingKey::LastGroup));
    const QString soundFolder = m_context.wordBook.soundFolder();
    fields.setBrowseStart(!soundFolder.isEmpty() && QFileInfo(soundFolder).isDir()
            ? soundFolder
            : m_context.folders.currentWordBookFolder());
    connect(fields.groupBox(), &QComboBox::currentTextChanged, this, [this](const QString& group) {
        if (!group.isEmpty())
            m_context.settings.setText(core::SettingKey::LastGroup, group);
    });
    dialog.setCreateFunction([this, &dialog] { return createWordBook(dialog); });
    dialog.setGroupEditFunction([this, &fields] {
        if (editGroupNames())
            fillGroups(fields, m_context.settings.text(core::SettingKey::LastGroup));
    });
    runDialog(dialog);
}

bool WordBookManagement::createWordBook(TNewWBFrm& dialog)
{
    WordBookHeaderFields& fields = *dialog.fields();
    const QString group = fields.group();
    if (group.isEmpty()) {
        showWordBookWarning(&dialog, tr("いずれかのグループを指定して下さい。"));
        return false;
    }
    const core::WordBookHeader header{
        core::trimBlanks(fields.titleField()->text()), group, core::trimBlanks(fields.soundFolderField()->text())};
    const QString folder = m_context.folders.currentWordBookFolder();
    const QString start = QDir(folder).filePath(header.title + QStringLiteral(".utx"));
    QString path = m_context.chooseWordBookFile
        ? m_context.chooseWordBookFile(&dialog, start)
        : QFileDialog::getSaveFileName(
            &dialog, QString(), start, tr("単語帳ﾌｧｲﾙ (*.utx)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".utx");
    // Replacing a file loses the book in it: ask first.
    if (QFileInfo::exists(path)
        && !askWordBookQuestion(
            &dialog, tr("「%1」は既にあります。置き換えますか？").arg(QDir::toNativeSeparators(path))))
        return false;
    QString error;
    if (!core::createWordBookFile(path, header, &error)) {
        showWordBookWarning(&dialog, error);
        return false;
    }
    m_controller.listWordBooks();
    if (QFileInfo(path).absolutePath() == QFileInfo(folder).absoluteFilePath())
        m_controller.selectWordBookByFile(QFileInfo(path).fileName());
    m_controller.sortWordBookListByGroup();
    return true;
}

// --- Properties, deleting and closing the open book ---

void WordBookManagement::editProperties()
{
    if (!m_context.wordBook.isOpen())
        return;
    TWBPropFrm dialog(m_context.chooseFolder, m_context.dialogParent());
    WordBookHeaderFields& fields = *dialog.fields();
    fields.titleField()->setText(m_context.wordBook.title());
    fillGroups(fields, m_context.wordBook.group());
    fields.soundFolderField()->setText(m_context.wordBook.soundFolder());
    fields.soundFolderField()->end(false);
    fields.setBrowseStart(m_context.folders.currentWordBookFolder());
    dialog.setApplyFunction([this, &dialog] { return applyProperties(dialog); });
    runDialog(dialog);
}

bool WordBookManagement::applyProperties(TWBPropFrm& dialog)
{
    WordBookHeaderFields& fields = *dialog.fields();
    const QString title = core::trimBlanks(fields.titleField()->text());
    if (title.isEmpty()) {
        showWordBookWarning(&dialog, tr("単語帳には必ずタイトルが必要です。タイトルは入力して下さい。"));
        return false;
    }
    QString error;
    if (!m_context.wordBook.setHeader(
            core::WordBookHeader{title, fields.group(), core::trimBlanks(fields.soundFolderField()->text())}, &error)) {
        showWordBookWarning(&dialog, error);
        return false;
    }
    const QString fileName = m_context.wordBook.fileName();
    m_controller.listWordBooks();
    m_controller.openWordBook(fileName);
    return true;
}

void WordBookManagement::deleteWordBook()
{
    if (!m_context.wordBook.isOpen())
        return;
    TWBDelFrm dialog(m_context.wordBook.title(), m_context.wordBook.fileName(), m_context.dialogParent());
    dialog.setDeleteFunction([this] { return removeWordBookFile(); });
    runDialog(dialog);
}

bool WordBookManagement::removeWordBookFile()
{
    const QString path = m_context.wordBook.filePath();
    if (!QFileInfo::exists(path))
        return false;
    QFile file(path);
    if (!file.remove()) {
        reportError(tr("単語帳ファイル「%1」を削除できませんでした。\n%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    m_controller.listWordBooks();
    closeWordBook();
    return true;
}

void WordBookManagement::closeWordBook()
{
    m_controller.closeWordBook();
    m_controller.panel()->listView()->clearSelection();
    if (!m_controller.panel()->isDoorOpen())
        m_controller.operateDoor();
    m_context.foreignArea->setFocus();
}

// --- Entries ---

void WordBookManagement::deleteWord()
{
    WordListPresenter& list = m_controller.wordList();
    const qsizetype index = list.selectedEntryIndex();
    std::optional<core::WordEntry> entry;
    if (index >= 0 && index < m_context.wordBook.entryCount())
        entry = m_context.wordBook.entries().at(index);
    TWordDelFrm dialog(list.languageName(), list.delegate()->style().foreignFont, entry, m_context.dialogParent());
    dialog.setDeleteFunction([this, &dialog, &list] {
        const qsizetype selected = list.selectedEntryIndex();
        if (selected < 0 || selected >= m_context.wordBook.entryCount())
            return false;
        QString error;
        if (!list.model()->removeEntry(selected, &error)) {
            showWordBookWarning(&dialog, error);
            return false;
        }
        m_controller.updateEntryCount();
        return true;
    });
    runDialog(dialog);
}

void WordBookManagement::moveWord()
{
    WordListPresenter& list = m_controller.wordList();
    const qsizetype index = list.selectedEntryIndex();
    const qsizetype count = m_context.wordBook.entryCount();
    TWordMoveFrm dialog(index >= 0 ? index + 1 : 1, count, m_context.dialogParent());
    dialog.setMoveFunction([this, &dialog, &list](const QString& text) {
        const qsizetype from = list.selectedEntryIndex();
        const std::optional<qsizetype> target = core::entryNumberFromText(text, m_context.wordBook.entryCount());
        if (!target || from < 0)
            return false;
        const qsizetype before = *target - 1;
        QString error;
        if (!list.model()->moveEntry(from, before, &error)) {
            showWordBookWarning(&dialog, error);
            return false;
        }
        list.view()->setFocus();
        list.selectEntry(core::WordBook::movedEntryIndex(from, before) + 1);
        return true;
    });
    runDialog(dialog);
}

void WordBookManagement::jump()
{
    if (!m_context.wordBook.isOpen())
        return;
    WordListPresenter& list = m_controller.wordList();
    TJumpFrm dialog(m_context.wordBook.entryCount(), m_context.dialogParent());
    dialog.setJumpFunction([this, &list](const QString& text) {
        const std::optional<qsizetype> number = core::entryNumberFromText(text, m_context.wordBook.entryCount());
        if (!number)
            return false;
        list.view()->setFocus();
        list.selectEntry(*number);
        return true;
    });
    runDialog(dialog);
}

// --- Group names ---

bool WordBookManagement::editGroupNames()
{
    const QString systemFolder = m_context.folders.systemFolder();
    const core::TextFileContent content = core::readGroupNameList(systemFolder);
    if (!content.readable && content.exists) {
        reportError(content.error);
        return false;
    }
    TGroupFrm dialog(content.exists ? content.lines : QStringList(), m_context.dialogParent());
    dialog.setSaveFunction([this, &dialog, systemFolder](const QStringList& names) {
        QString error;
        if (!core::writeGroupNameList(systemFolder, names, &error)) {
            showWordBookWarning(&dialog, error);
            return false;
        }
        showWordBookInformation(&dialog, tr("グループ名リストを保存しました。"));
        return true;
    });
    return runDialog(dialog) == QDialog::Accepted;
}

} // namespace pelinor::ui
