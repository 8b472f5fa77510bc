#pragma once

#include "ui/wordbook/wordbookheaderfields.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace pelinor::ui {

/// "単語帳の新規作成": title, group and sound folder of a new word book. "作　成" is enabled while the
/// title holds more than blanks and runs the create function, which asks for the file; the dialog closes
/// when it succeeds.
class TNewWBFrm : public QDialog {
    Q_OBJECT

public:
    TNewWBFrm(WordBookHeaderFields::ChooseFolder chooseFolder, QWidget* parent = nullptr);

    WordBookHeaderFields* fields() const { return m_fields; }
    QPushButton* createButton() const { return m_create; }
    QPushButton* groupEditButton() const { return m_groupEdit; }

    /// "作　成": gives true when the word book was made.
    void setCreateFunction(std::function<bool()> create) { m_createFunction = std::move(create); }
    /// "グループ名編集": opens the group editor above this dialog.
    void setGroupEditFunction(std::function<void()> edit) { m_groupEditFunction = std::move(edit); }

    /// "作　成" as the button and Enter in the title field run it.
    void create();

private:
    WordBookHeaderFields* m_fields = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_groupEdit = nullptr;
    std::function<bool()> m_createFunction;
    std::function<void()> m_groupEditFunction;
};

} // namespace pelinor::ui
