#pragma once

#include "core/app/inputmodes.h"
#include "ui/wordbook/wordbookcontext.h"

#include <QObject>
#include <QRect>

#include <optional>

class QAction;

namespace pelinor::core {
struct WordEntry;
}

namespace pelinor::ui {

class WordEntryDialog;
class WordListPresenter;
struct WordEntryDialogServices;

/// The dialogs that change entries of the open word book: registration "単語登録" (F4), edit "単語編集" (F5)
/// and the text colour "文字色変更", with their actions and the remembered places of the first two.
class WordEntryDialogs : public QObject {
    Q_OBJECT

public:
    WordEntryDialogs(WordBookContext context, WordListPresenter& wordList, QObject* parent = nullptr);

    /// "単語登録", "単語編集" and "文字色変更"; their enabled states follow the open book and the selection.
    QAction* registerAction() const { return m_registerAction; }
    QAction* editAction() const { return m_editAction; }
    QAction* colourAction() const { return m_colourAction; }

    /// Opens the registration dialog when a word book is open and the command is enabled.
    void registerWord();
    /// Opens the edit dialog for the selected entry while the command is enabled.
    void modifyWord();
    /// Opens the text colour dialog for the selected entry while the command is enabled.
    void changeTextColour();

    /// Remembered places of the registration and the edit dialog (left, top, width; none at start).
    std::optional<QRect> registrationRect() const { return m_registrationRect; }
    std::optional<QRect> editRect() const { return m_editRect; }

Q_SIGNALS:
    /// A registration or edit dialog was made and is about to be shown: the place to attach the input
    /// engine to its foreign word and phonetic fields.
    void entryDialogOpening(pelinor::ui::WordEntryDialog* dialog);
    /// A new entry was stored in the open word book.
    void entryAdded();

private:
    bool storeNewEntry(const core::WordEntry& entry, qsizetype index, QString* error);
    bool applyEditedEntry(const core::WordEntry& fields, QString* error);
    void placeDialog(QWidget* dialog, const std::optional<QRect>& remembered) const;
    core::InputMode currentInputMode() const;
    void selectScriptLayoutIfUsed();
    void afterDialog();
    WordEntryDialogServices dialogServices();

    WordBookContext m_context;
    WordListPresenter& m_wordList;
    QAction* m_registerAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_colourAction = nullptr;
    std::optional<QRect> m_registrationRect;
    std::optional<QRect> m_editRect;
};

} // namespace pelinor::ui
