#pragma once

#include "ui/wordbook/wordentrydialog.h"

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace pelinor::ui {

/// The registration dialog "単語登録": adds a new entry to the open word book, at the end ("追加 (F4)" or F4)
/// or above a chosen entry ("挿入"). With `RegCopyFlg` on it starts from the main window's input areas.
class TRegFrm : public WordEntryDialog {
    Q_OBJECT

public:
    /// Stores the new entry before entry `index` (0-based; the entry count appends). Gives false with a
    /// message when the word book could not be written.
    using StoreFunction = std::function<bool(const core::WordEntry& entry, qsizetype index, QString* error)>;

    /// `entryCount` is the number of entries of the open word book; `foreignText` and `phoneticText`
    /// are the whole texts of the two input areas, taken over when `RegCopyFlg` is on.
    TRegFrm(const core::Settings& settings, const QString& languageName, core::InputMode inputMode,
        qsizetype entryCount, const QString& foreignText, const QString& phoneticText, WordEntryDialogServices services,
        QWidget* parent = nullptr);

    void setStoreFunction(StoreFunction store) { m_store = std::move(store); }

    QComboBox* positionList() const { return m_positions; }
    QPushButton* insertButton() const { return m_insertButton; }
    QPushButton* addButton() const { return m_addButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

    /// "追加 (F4)": appends the entry and closes.
    void addEntry();
    /// "挿入": inserts the entry above the chosen position and closes.
    void insertEntry();

protected:
    void layoutBottomBar(int width, int top) override;
    void runF4Command() override { addEntry(); }
    void showEvent(QShowEvent* event) override;

private:
    qsizetype m_entryCount;
    StoreFunction m_store;
    QLabel* m_numberLabel = nullptr;
    QComboBox* m_positions = nullptr;
    QLabel* m_aboveLabel = nullptr;
    QPushButton* m_insertButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_focusSet = false;
};

} // namespace pelinor::ui
