#include "ui/wordbook/wordentrydialogs.h"

#include "core/app/folders.h"
#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/wordbook/wordbook.h"
#include "ui/common/screenplacement.h"
#include "ui/wordbook/tcolourfrm.h"
#include "ui/wordbook/tmodfrm.h"
#include "ui/wordbook/tregfrm.h"
#include "ui/wordbook/wordbookmessages.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistpresenter.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace pelinor::ui {

WordEntryDialogs::WordEntryDialogs(WordBookContext context, WordListPresenter& wordList, QObject* parent)
    : QObject(parent)
    , m_context(std::move(context))
    , m_wordList(wordList)
{
    m_registerAction = new QAction(tr("単語登録"), this);
    m_registerAction->setObjectName(QStringLiteral("WordRegister"));
    m_editAction = new QAction(tr("単語編集"), this);
    m_editAction->setObjectName(QStringLiteral("WordEdit"));
    m_colourAction = new QAction(tr("文字色変更"), this);
    m_colourAction->setObjectName(QStringLiteral("WordColour"));
    connect(m_registerAction, &QAction::triggered, this, &WordEntryDialogs::registerWord);
    connect(m_editAction, &QAction::triggered, this, &WordEntryDialogs::modifyWord);
    connect(m_colourAction, &QAction::triggered, this, &WordEntryDialogs::changeTextColour);
}

WordEntryDialogServices WordEntryDialogs::dialogServices()
{
    WordEntryDialogServices services;
    services.playSound = [this](const QString& name) { m_wordList.playSoundFile(name); };
    services.chooseSoundFile = m_context.chooseSoundFile;
    if (!services.chooseSoundFile) {
        services.chooseSoundFile = [](QWidget* parent, const QString& start) {
            return QFileDialog::getOpenFileName(parent, QString(), start, tr("(*.mp3)"));
        };
    }
    const QString soundFolder = m_context.wordBook.soundFolder();
    services.soundStartFolder = !soundFolder.isEmpty() && QFileInfo(soundFolder).isDir()
        ? soundFolder
        : m_context.folders.currentWordBookFolder();
    services.restoreStartupLayout = m_context.restoreStartupLayout;
    services.selectScriptLayout = m_context.selectScriptLayout;
    return services;
}

void WordEntryDialogs::placeDialog(QWidget* dialog, const std::optional<QRect>& remembered) const
{
    if (remembered) {
        dialog->setGeometry(placedOnScreens(dialog,
            QRect(remembered->left(), remembered->top(), qMax(dialog->minimumWidth(), remembered->width()),
                dialog->height())));
        return;
    }
    const QWidget* owner = m_context.dialogParent();
    const QPoint centre = owner->geometry().center();
    dialog->move(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2);
}

core::InputMode WordEntryDialogs::currentInputMode() const
{
    return core::inputModeFromNumber(m_context.settings.integer(core::SettingKey::InputMode));
}

void WordEntryDialogs::selectScriptLayoutIfUsed()
{
    if (core::isLayoutMode(currentInputMode()) && m_context.selectScriptLayout)
        m_context.selectScriptLayout();
}

void WordEntryDialogs::afterDialog()
{
    selectScriptLayoutIfUsed();
    m_context.foreignArea->setFocus();
}

void WordEntryDialogs::registerWord()
{
    if (!m_context.wordBook.isOpen() || !m_registerAction->isEnabled())
        return;
    TRegFrm dialog(m_context.settings, m_wordList.languageName(), currentInputMode(), m_context.wordBook.entryCount(),
        m_context.foreignArea->toPlainText(), m_context.phoneticArea->text(), dialogServices(),
        m_context.dialogParent());
    dialog.setStoreFunction([this](const core::WordEntry& entry, qsizetype index, QString* error) {
        return storeNewEntry(entry, index, error);
    });
    placeDialog(&dialog, m_registrationRect);
    Q_EMIT entryDialogOpening(&dialog);
    dialog.exec();
    m_registrationRect = dialog.geometry();
    afterDialog();
}

bool WordEntryDialogs::storeNewEntry(const core::WordEntry& entry, qsizetype index, QString* error)
{
    if (!m_wordList.model()->insertEntry(index, entry, error))
        return false;
    m_wordList.selectEntry(index + 1);
    Q_EMIT entryAdded();
    if (m_context.settings.flag(core::SettingKey::RegClearFlg)) {
        m_context.foreignArea->clear();
        m_context.phoneticArea->clear();
    }
    return true;
}

void WordEntryDialogs::modifyWord()
{
    if (!m_editAction->isEnabled())
        return;
    const qsizetype index = m_wordList.selectedEntryIndex();
    std::optional<core::WordEntry> entry;
    if (index >= 0 && index < m_context.wordBook.entryCount())
        entry = m_context.wordBook.entries().at(index);
    TModFrm dialog(m_context.settings, m_wordList.languageName(), currentInputMode(), entry, dialogServices(),
        m_context.dialogParent());
    dialog.setApplyFunction(
        [this](const core::WordEntry& fields, QString* error) { return applyEditedEntry(fields, error); });
    placeDialog(&dialog, m_editRect);
    Q_EMIT entryDialogOpening(&dialog);
    dialog.exec();
    m_editRect = dialog.geometry();
    afterDialog();
}

bool WordEntryDialogs::applyEditedEntry(const core::WordEntry& fields, QString* error)
{
    const qsizetype index = m_wordList.selectedEntryIndex();
    if (index < 0 || index >= m_context.wordBook.entryCount())
        return m_context.wordBook.writeWordBook(error);
    core::WordEntry entry = fields;
    entry.colour = m_context.wordBook.entries().at(index).colour;
    if (!m_wordList.model()->replaceEntry(index, entry, error))
        return false;
    m_wordList.selectEntry(index + 1);
    return true;
}

void WordEntryDialogs::changeTextColour()
{
    if (!m_colourAction->isEnabled())
        return;
    const qsizetype index = m_wordList.selectedEntryIndex();
    const QString current = index >= 0 && index < m_context.wordBook.entryCount()
        ? m_context.wordBook.entries().at(index).colour
        : QString();
    TColourFrm dialog(current, m_context.chooseColour, m_context.dialogParent());
    placeDialog(&dialog, std::nullopt);
    if (m_context.restoreStartupLayout)
        m_context.restoreStartupLayout();
    const int result = dialog.exec();
    selectScriptLayoutIfUsed();
    if (result != QDialog::Accepted)
        return;
    const std::optional<QString> colour = dialog.colourToStore();
    const qsizetype selected = m_wordList.selectedEntryIndex();
    if (!colour || selected < 0)
        return;
    QString error;
    if (!m_wordList.model()->setEntryColour(selected, *colour, &error))
        showWordBookWarning(m_context.dialogParent(), error);
}

} // namespace pelinor::ui
