#include "ui/wordbook/wordlistview.h"

#include "ui/wordbook/wordlistdelegate.h"
#include "ui/wordbook/wordlistmodel.h"

#include <QHeaderView>

namespace pelinor::ui {

WordListView::WordListView(WordListModel* model, WordListDelegate* delegate, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
    , m_delegate(delegate)
{
    setObjectName(QStringLiteral("WordList"));
    setAccessibleName(tr("単語リスト"));
    setModel(model);
    setItemDelegate(delegate);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(false);
    columns->setHighlightSections(false);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(0);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnHidden(WordListModel::ColourColumn, true);
    connect(columns, &QHeaderView::sectionResized, this, &WordListView::keepNumberColumnWidth);

    // Disabled (no word book open) the list shows the button face, enabled the window colour.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Active, QPalette::Button));
    setPalette(colours);
}

void WordListView::setRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
}

int WordListView::rowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void WordListView::setColumnWidthAt(int column, int width)
{
    if (column == WordListModel::NumberColumn)
        width = qBound(kNumberColumnMinWidth, width, kNumberColumnMaxWidth);
    setColumnWidth(column, qMax(0, width));
}

void WordListView::keepNumberColumnWidth(int section, int oldSize, int newSize)
{
    Q_UNUSED(oldSize)
    if (section != WordListModel::NumberColumn)
        return;
    const int kept = qBound(kNumberColumnMinWidth, newSize, kNumberColumnMaxWidth);
    if (kept != newSize)
        horizontalHeader()->resizeSection(section, kept);
}

int WordListView::selectedRow() const
{
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void WordListView::selectEntryRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex cell = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(cell);
}

} // namespace pelinor::ui
