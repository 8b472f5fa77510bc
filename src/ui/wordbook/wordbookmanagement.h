#pragma once

#include "ui/wordbook/wordbookcontext.h"

#include <QObject>
#include <QString>

class QDialog;

namespace pelinor::ui {

class WordBookController;
class WordListPresenter;

/// The word book management commands and their dialogs: new word book, properties, deleting and closing
/// the open book, deleting, moving and jumping to entries, and the group name editor. Every change is
/// written first: a write that fails shows a message naming the file and leaves the file, the lists and
/// the open word book as they were.
class WordBookManagement : public QObject {
    Q_OBJECT

public:
    WordBookManagement(WordBookContext context, WordBookController& controller, QObject* parent = nullptr);

    /// "単語帳の新規作成" (also the panel's "新規作成").
    void newWordBook();
    /// "単語帳のプロパティ変更".
    void editProperties();
    /// "単語帳の削除".
    void deleteWordBook();
    /// "単語帳を閉じる": the book closes, the list loses its selection and a closed panel opens.
    void closeWordBook();
    /// "単語削除".
    void deleteWord();
    /// "単語移動".
    void moveWord();
    /// "ジャンプ (&J)".
    void jump();
    /// "グループ名編集". Gives true when the list was saved.
    bool editGroupNames();

private:
    bool createWordBook(class TNewWBFrm& dialog);
    bool applyProperties(class TWBPropFrm& dialog);
    bool removeWordBookFile();
    void fillGroups(class WordBookHeaderFields& fields, const QString& preferred);
    int runDialog(QDialog& dialog);
    void reportError(const QString& message) const;

    WordBookContext m_context;
    WordBookController& m_controller;
};

} // namespace pelinor::ui
