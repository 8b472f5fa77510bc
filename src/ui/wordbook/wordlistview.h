#pragma once

#include <QTableView>

namespace pelinor::ui {

class WordListDelegate;
class WordListModel;

/// The word list (`WordList`): a read-only table of the open word book, whole rows selected one at a
/// time, grid lines, rows of one fixed height so that a book of any size scrolls at once. Disabled, it
/// shows the button-face colour.
class WordListView : public QTableView {
    Q_OBJECT

public:
    /// Narrowest and widest the number column may be.
    static constexpr int kNumberColumnMinWidth = 50;
    static constexpr int kNumberColumnMaxWidth = 100;

    WordListView(WordListModel* model, WordListDelegate* delegate, QWidget* parent = nullptr);

    WordListModel* wordModel() const { return m_model; }
    WordListDelegate* wordDelegate() const { return m_delegate; }

    /// Height of every row, in pixels.
    void setRowHeight(int height);
    int rowHeight() const;

    /// Width of a column position (0-based); the number column is held between its limits.
    void setColumnWidthAt(int column, int width);

    /// Row of the selected entry, or -1.
    int selectedRow() const;
    /// Selects the row, makes it the current one and scrolls it into view.
    void selectEntryRow(int row);

private:
    void keepNumberColumnWidth(int section, int oldSize, int newSize);

    WordListModel* m_model;
    WordListDelegate* m_delegate;
};

} // namespace pelinor::ui
