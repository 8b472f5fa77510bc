#include "ui/input/symbollibrarypanel.h"

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/hexcode.h"
#include "core/input/symbolcollections.h"
#include "core/input/symbollibrarycontent.h"
#include "core/input/symbollibrarygeometry.h"
#include "core/input/symbollibrarypages.h"
#include "core/input/symbolsearchindex.h"
#include "ui/common/fontfamilies.h"
#include "ui/input/symbollibrarygrid.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pelinor::ui {

using core::SymbolLibraryGeometry;

namespace {

constexpr int kCorrectionLimit = 5;
// Right edge of the controls above the grid, with a margin: the area never gets narrower than this.
constexpr int kControlsWidth = 772;
constexpr int kCellCount = core::kSymbolLibraryCellCount;
// Margin right of and below the grid.
constexpr int kMargin = 8;

QFont fontOf(const QString& family, int pointSize, bool bold = false)
{
    QFont font = fontOfFamily(family);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFont sizedFont(const QWidget* widget, int pointSize)
{
    QFont font = widget->font();
    font.setPointSize(pointSize);
    return font;
}

void addSeparator(QWidget* area, int x)
{
    auto* line = new QFrame(area);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, 8, 2, 40);
}

// A character that may go into the text: not half of a surrogate pair, and not U+0000.
bool isInsertable(QChar c)
{
    return !c.isSurrogate() && c.unicode() != 0;
}

} // namespace

SymbolLibraryPanel::SymbolLibraryPanel(const core::Settings& settings, const core::Folders& folders, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_folders(folders)
{
    setObjectName(QStringLiteral("SymbolLibraryPanel"));
    if (parent && !parent->layout()) {
        auto* pageLayout = new QVBoxLayout(parent);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(this);
    }

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("SymbolLibraryScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    m_area = new QWidget;
    m_area->setObjectName(QStringLiteral("SymbolLibraryArea"));
    buildControls(m_area);
    m_scroll->setWidget(m_area);
    relayout();
}

void SymbolLibraryPanel::buildControls(QWidget* area)
{
    m_codeButton = new QToolButton(area);
    m_codeButton->setObjectName(QStringLiteral("CodeButton"));
    m_codeButton->setAccessibleName(tr("コードの文字を入力"));
    m_codeButton->setToolTip(
        tr("4桁16進にユニコードを入れるとここに記号が表示されます。押すとその記号が入力できます。"));
    m_codeButton->setGeometry(8, 10, 38, 38);
    m_codeButton->setFont(fontOf(m_settings.text(core::SettingKey::UsrMainFont), 20));
    m_codeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(m_codeButton, &QToolButton::clicked, this, &SymbolLibraryPanel::codeButtonClicked);

    m_codeField = new QLineEdit(area);
    m_codeField->setObjectName(QStringLiteral("CodeField"));
    m_codeField->setAccessibleName(tr("ユニコード（4桁16進）"));
    m_codeField->setFont(sizedFont(m_codeField, 9));
    m_codeField->setMaxLength(4);
    m_codeField->setPlaceholderText(tr("4桁16進"));
    m_codeField->setToolTip(m_codeField->placeholderText()); // the field may be too narrow for it
    m_codeField->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_codeField->move(50, 16);
    m_codeField->resize(60, m_codeField->sizeHint().height());
    m_codeField->installEventFilter(this);
    connect(m_codeField, &QLineEdit::textChanged, this, &SymbolLibraryPanel::codeTextChanged);

    for (int x : {115, 595, 733})
        addSeparator(area, x);

    const QList<core::SymbolLibraryPage>& pages = core::symbolLibraryPages();
    for (int i = 0; i < core::kSymbolLibraryButtonPageCount; ++i) {
        const core::SymbolLibraryPage& page = pages.at(i);
        auto* button = new QToolButton(area);
        button->setObjectName(QStringLiteral("PageButton") + page.caption);
        button->setText(page.caption);
        button->setToolTip(page.hint);
        button->setAccessibleName(page.hint);
        button->setCheckable(true);
        button->setFont(fontOf(QStringLiteral("Tahoma"), 11, page.bold));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setGeometry(120 + 47 * i, 10, 45, 35);
        connect(button, &QToolButton::clicked, this, [this, i](bool down) { pageButtonClicked(i, down); });
        m_pageButtons.at(static_cast<size_t>(i)) = button;
    }

    m_pageList = new QComboBox(area);
    m_pageList->setObjectName(QStringLiteral("PageList"));
    m_pageList->setAccessibleName(tr("記号のページ"));
    m_pageList->setFont(sizedFont(m_pageList, 9));
    m_pageList->setMaxVisibleItems(16);
    // The height is taken while the list is empty: it does not depend on the items, and measuring their
    // captions, in many scripts, would load fonts for a page that is hidden at start.
    m_pageList->move(605, 16);
    m_pageList->resize(120, m_pageList->sizeHint().height());
    for (qsizetype i = core::kSymbolLibraryButtonPageCount; i < pages.size(); ++i)
        m_pageList->addItem(pages.at(i).caption);
    // Two pages of the user's own after the fixed ones.
    m_pageList->addItem(tr("最近使った記号"));
    m_pageList->addItem(tr("お気に入り"));
    connect(m_pageList, &QComboBox::activated, this, &SymbolLibraryPanel::pageListActivated);

    m_correctionUp = new QToolButton(area);
    m_correctionUp->setObjectName(QStringLiteral("SizeCorrectionUp"));
    m_correctionUp->setArrowType(Qt::UpArrow);
    m_correctionUp->setGeometry(740, 20, 22, 15);
    m_correctionDown = new QToolButton(area);
    m_correctionDown->setObjectName(QStringLiteral("SizeCorrectionDown"));
    m_correctionDown->setArrowType(Qt::DownArrow);
    m_correctionDown->setGeometry(740, 35, 22, 15);
    for (QToolButton* arrow : {m_correctionUp, m_correctionDown}) {
        arrow->setToolTip(tr("文字サイズ補正"));
        arrow->setAutoRepeat(true);
    }
    m_correctionUp->setAccessibleName(tr("文字サイズ補正を大きく"));
    m_correctionDown->setAccessibleName(tr("文字サイズ補正を小さく"));
    connect(m_correctionUp, &QToolButton::clicked, this, [this] { changeCorrection(1); });
    connect(m_correctionDown, &QToolButton::clicked, this, [this] { changeCorrection(-1); });

    m_correctionLabel = new QLabel(area);
    m_correctionLabel->setObjectName(QStringLiteral("SizeCorrectionLabel"));
    m_correctionLabel->setAccessibleName(tr("文字サイズ補正"));
    m_correctionLabel->setFont(fontOf(QStringLiteral("Times New Roman"), 11));
    m_correctionLabel->move(748, 4);
    m_correctionLabel->setText(SymbolLibraryGeometry::correctionText(0));
    m_correctionLabel->adjustSize();

    m_grid = new SymbolLibraryGrid(m_settings, area);
    m_grid->move(SymbolLibraryGeometry::kGridLeft, SymbolLibraryGeometry::kGridTop);
    connect(
        m_grid, &SymbolLibraryGrid::cellChosen, this, [this](int, const QString& text) { Q_EMIT symbolChosen(text); });
    connect(m_grid, &SymbolLibraryGrid::cellMenuRequested, this, &SymbolLibraryPanel::showCellMenu);
    buildSearchControls(area);

    // Tab order follows the controls from left to right, then the grid.
    QWidget* previous = m_codeButton;
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(m_codeField);
    for (QToolButton* button : m_pageButtons)
        chain(button);
    chain(m_pageList);
    chain(m_correctionUp);
    chain(m_correctionDown);
    chain(m_grid);
}

void SymbolLibraryPanel::selectDefaultCategory()
{
    m_pageList->setCurrentIndex(0);
    pageListActivated(0);
}

void SymbolLibraryPanel::relayout()
{
    // The grid, with its margin below, fits the height the tab page leaves it where it can.
    const SymbolLibraryGeometry geometry(width(), height() - kMargin);
    m_grid->setGeometryOfCells(geometry);
    const QRect grid = m_grid->geometry();
    m_area->resize(std::max(kControlsWidth, grid.right() + 1 + kMargin), grid.bottom() + 1 + kMargin);
}

void SymbolLibraryPanel::fontChanged()
{
    m_grid->update();
}

std::optional<core::SymbolLibraryPageId> SymbolLibraryPanel::shownPage() const
{
    return m_grid->content().page();
}

void SymbolLibraryPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

bool SymbolLibraryPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the search field inserts the first character found; Escape empties the field.
    if (watched == m_searchField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_listShown == ListShown::Found && !m_grid->content().cell(0).isEmpty())
                m_grid->chooseCell(0);
            return true;
        }
        if (key == Qt::Key_Escape && !m_searchField->text().isEmpty()) {
            m_searchField->clear();
            return true;
        }
    }
    // Enter in the code field presses the code button; the key goes no further.
    if (watched == m_codeField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_codeButton->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SymbolLibraryPanel::pageButtonClicked(int button, bool down)
{
    m_listShown = ListShown::None;
    if (!down) {
        m_grid->setContent({});
        return;
    }
    releasePageButtons(button);
    showPage(core::symbolLibraryPages().at(button));
}

void SymbolLibraryPanel::pageListActivated(int item)
{
    if (item < 0)
        return;
    releasePageButtons();
    const int fixedPages = static_cast<int>(core::symbolLibraryPages().size()) - core::kSymbolLibraryButtonPageCount;
    if (item == fixedPages) {
        showRecentSymbols();
        return;
    }
    if (item == fixedPages + 1) {
        showFavourites();
        return;
    }
    m_listShown = ListShown::None;
    showPage(core::symbolLibraryPages().at(core::kSymbolLibraryButtonPageCount + item));
}

void SymbolLibraryPanel::showPage(const core::SymbolLibraryPage& page)
{
    const core::SymbolLibraryContent content
        = core::SymbolLibraryContent::load(page, m_settings, m_folders.currentTableFolder());
    m_grid->setContent(content);
    if (!content.nameError().isEmpty())
        QMessageBox::warning(this, QStringLiteral("Pelinor"), content.nameError(), QMessageBox::Yes);
}

void SymbolLibraryPanel::releasePageButtons(int except)
{
    for (int i = 0; i < static_cast<int>(m_pageButtons.size()); ++i) {
        if (i != except)
            m_pageButtons.at(static_cast<size_t>(i))->setChecked(false);
    }
}

void SymbolLibraryPanel::codeTextChanged(const QString& text)
{
    const QString code = text.trimmed();
    if (!core::isHexCode(code))
        return;
    const QChar c = core::charOfHexCode(code);
    if (!isInsertable(c))
        return;
    m_codeText = QString(c);
    // "&" on a button marks a shortcut; doubled it shows itself.
    m_codeButton->setText(c == u'&' ? QStringLiteral("&&") : m_codeText);
}

void SymbolLibraryPanel::codeButtonClicked()
{
    if (!m_codeText.isEmpty())
        Q_EMIT symbolChosen(m_codeText);
}

void SymbolLibraryPanel::changeCorrection(int step)
{
    const int correction = std::clamp(m_correction + step, -kCorrectionLimit, kCorrectionLimit);
    if (correction == m_correction)
        return;
    m_correction = correction;
    m_correctionLabel->setText(SymbolLibraryGeometry::correctionText(correction));
    m_correctionLabel->adjustSize();
    m_grid->setSizeCorrection(correction);
}

} // namespace pelinor::ui

namespace pelinor::ui {

void SymbolLibraryPanel::buildSearchControls(QWidget* area)
{
    // One bar that the main window puts where it costs the grid neither width nor height: the corner of
    // the tab row. Left here, it sits right of the other controls.
    m_searchBar = new QWidget(area);
    m_searchBar->setObjectName(QStringLiteral("SymbolSearchBar"));
    auto* bar = new QHBoxLayout(m_searchBar);
    bar->setContentsMargins(0, 0, 4, 0);
    bar->setSpacing(2);

    m_searchField = new QLineEdit;
    m_searchField->setObjectName(QStringLiteral("SymbolSearchField"));
    m_searchField->setAccessibleName(tr("名前で検索"));
    m_searchField->setPlaceholderText(tr("名前で検索"));
    m_searchField->setToolTip(tr("英語名・日本語名・ユニコード名・4桁16進・文字そのもので記号を探します。"
                                 "Enterで最初の記号を入力します。"));
    m_searchField->setFixedWidth(170);
    m_searchField->installEventFilter(this);
    connect(m_searchField, &QLineEdit::textChanged, this, &SymbolLibraryPanel::search);

    m_foundLabel = new QLabel;
    m_foundLabel->setObjectName(QStringLiteral("SymbolSearchCount"));
    m_foundLabel->setMinimumWidth(
        m_foundLabel->fontMetrics().horizontalAdvance(QStringLiteral("00000–00000／00000件")));
    m_foundLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_previousFound = new QToolButton;
    m_previousFound->setObjectName(QStringLiteral("SearchPreviousPage"));
    m_previousFound->setArrowType(Qt::LeftArrow);
    m_previousFound->setToolTip(tr("前の100件"));
    m_previousFound->setAccessibleName(m_previousFound->toolTip());
    m_nextFound = new QToolButton;
    m_nextFound->setObjectName(QStringLiteral("SearchNextPage"));
    m_nextFound->setArrowType(Qt::RightArrow);
    m_nextFound->setToolTip(tr("次の100件"));
    m_nextFound->setAccessibleName(m_nextFound->toolTip());
    connect(m_previousFound, &QToolButton::clicked, this, [this] { showFoundPage(m_firstFound - kCellCount); });
    connect(m_nextFound, &QToolButton::clicked, this, [this] { showFoundPage(m_firstFound + kCellCount); });
    m_previousFound->setEnabled(false);
    m_nextFound->setEnabled(false);

    bar->addWidget(m_foundLabel);
    bar->addWidget(m_previousFound);
    bar->addWidget(m_nextFound);
    bar->addWidget(m_searchField);
    m_searchBar->adjustSize();
    m_searchBar->move(kControlsWidth + 4, 16);
}

void SymbolLibraryPanel::setSymbolSearch(core::SymbolSearchIndex* index, core::SymbolCollections* collections)
{
    m_index = index;
    m_collections = collections;
    if (m_collections) {
        connect(m_collections, &core::SymbolCollections::favouritesChanged, this, [this] {
            if (m_listShown == ListShown::Favourites)
                showFavourites();
        });
    }
}

void SymbolLibraryPanel::search(const QString& query)
{
    if (m_searchField->text() != query) {
        const QSignalBlocker blocker(m_searchField);
        m_searchField->setText(query);
    }
    m_found = m_index ? m_index->search(query) : std::vector<char32_t>();
    if (query.trimmed().isEmpty()) {
        m_listShown = ListShown::None;
        m_foundLabel->clear();
        m_previousFound->setEnabled(false);
        m_nextFound->setEnabled(false);
        m_grid->setContent({});
        return;
    }
    releasePageButtons();
    m_pageList->setCurrentIndex(0);
    m_listShown = ListShown::Found;
    showFoundPage(0);
    Q_EMIT searchShown();
}

void SymbolLibraryPanel::showFoundPage(qsizetype first)
{
    const auto total = static_cast<qsizetype>(m_found.size());
    m_firstFound = std::clamp<qsizetype>(first, 0, std::max<qsizetype>(0, total - 1) / kCellCount * kCellCount);
    QList<core::SymbolLibraryCell> cells;
    for (qsizetype i = m_firstFound; i < std::min(total, m_firstFound + kCellCount); ++i) {
        const char32_t code = m_found[static_cast<std::size_t>(i)];
        cells.append(describedCell(QString::fromUcs4(&code, 1)));
    }
    m_grid->setContent(core::SymbolLibraryContent::ofCells(cells));
    if (total <= kCellCount) {
        m_foundLabel->setText(tr("%n件", nullptr, static_cast<int>(total)));
    } else {
        m_foundLabel->setText(
            tr("%1–%2／%3件").arg(m_firstFound + 1).arg(std::min(total, m_firstFound + kCellCount)).arg(total));
    }
    m_previousFound->setEnabled(m_firstFound > 0);
    m_nextFound->setEnabled(m_firstFound + kCellCount < total);
}

core::SymbolLibraryCell SymbolLibraryPanel::describedCell(const QString& text) const
{
    core::SymbolLibraryCell cell;
    cell.text = text;
    if (!m_index || text.isEmpty())
        return cell;
    const core::SymbolDescription description = m_index->describe(text.toUcs4().front());
    cell.englishName = description.englishName;
    cell.japaneseName = description.japaneseName;
    cell.note = description.note;
    cell.unicodeName = description.unicodeName;
    return cell;
}

void SymbolLibraryPanel::showSymbols(const QStringList& texts)
{
    QList<core::SymbolLibraryCell> cells;
    for (const QString& text : texts)
        cells.append(describedCell(text));
    m_grid->setContent(core::SymbolLibraryContent::ofCells(cells));
    m_foundLabel->clear();
    m_previousFound->setEnabled(false);
    m_nextFound->setEnabled(false);
}

void SymbolLibraryPanel::showRecentSymbols()
{
    releasePageButtons();
    m_pageList->setCurrentIndex(m_pageList->count() - 2);
    m_listShown = ListShown::Recent;
    showSymbols(m_collections ? m_collections->recent() : QStringList());
}

void SymbolLibraryPanel::showFavourites()
{
    releasePageButtons();
    m_pageList->setCurrentIndex(m_pageList->count() - 1);
    m_listShown = ListShown::Favourites;
    showSymbols(m_collections ? m_collections->favourites() : QStringList());
}

bool SymbolLibraryPanel::toggleFavourite(int index)
{
    if (!m_collections || index < 0 || index >= kCellCount)
        return false;
    const QString text = m_grid->content().cell(index).text;
    if (text.isEmpty())
        return false;
    QString error;
    const bool favourite = m_collections->toggleFavourite(text, &error);
    if (!error.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Pelinor"), error);
    return favourite;
}

void SymbolLibraryPanel::showCellMenu(int index, const QPoint& globalPos)
{
    if (!m_collections)
        return;
    const QString text = m_grid->content().cell(index).text;
    QMenu menu(this);
    QAction* action
        = menu.addAction(m_collections->isFavourite(text) ? tr("お気に入りから外す") : tr("お気に入りに追加"));
    action->setObjectName(QStringLiteral("FavouriteAction"));
    if (menu.exec(globalPos) == action)
        toggleFavourite(index);
}

} // namespace pelinor::ui
