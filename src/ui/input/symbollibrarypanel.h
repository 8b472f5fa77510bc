#pragma once

#include "core/input/symbollibrarypageid.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace pelinor::core {
class Folders;
class Settings;
class SymbolCollections;
class SymbolSearchIndex;
struct SymbolLibraryCell;
struct SymbolLibraryPage;
} // namespace pelinor::core

namespace pelinor::ui {

class SymbolLibraryGrid;

/// The symbol library of the lower tab area ("記号奥の手"): the code button and code field, ten page
/// buttons, the page list, the size correction and the grid of 100 cells, on a scrollable area.
///
/// A page comes from a page button (pressed again, it is released and the grid emptied) or from the page
/// list (which releases every page button); pages with a symbol database show its names, read from the
/// current table folder each time the page is chosen. A click on a cell, or the code button with a
/// character on it, emits symbolChosen(): the owner inserts the text into the foreign-language input area
/// and gives that area the focus. The page, its names, the highlight and the size correction live only
/// in the panel and are never stored.
class SymbolLibraryPanel : public QWidget {
    Q_OBJECT

public:
    /// Builds the panel with no page shown, no page button down and the page list at its resting entry.
    /// The code button's font is the foreign-language input area's font as the settings name it now.
    /// When `parent` is given and has no layout, the panel fills it through a new layout. `settings` and
    /// `folders` must outlive the panel; they are read only.
    SymbolLibraryPanel(const core::Settings& settings, const core::Folders& folders, QWidget* parent = nullptr);

    /// The start-up choice: no page button down, the page list at "記号ライブラリ", an empty grid.
    void selectDefaultCategory();

    /// Lays the cells out for the current width and recomputes the label and symbol sizes (for the
    /// current cell size and font); runs by itself on every resize. The main window calls it when the
    /// input mode changes the script.
    void relayout();

    /// Redraws the cells in the font of the foreign-language input area as the settings name it now,
    /// keeping the sizes of the last layout. For the main window's font box change.
    void fontChanged();

    /// The page shown, if any ("記号ライブラリ" counts as a page, an empty one).
    std::optional<core::SymbolLibraryPageId> shownPage() const;

    /// The size correction, −5 to +5; 0 at start.
    int sizeCorrection() const { return m_correction; }

    SymbolLibraryGrid* grid() const { return m_grid; }
    /// The search field with its result count and arrows, for the owner to place (the main window puts
    /// it in the corner of its tab row).
    QWidget* searchBar() const { return m_searchBar; }

    /// Gives the panel the name search and the recent and favourite symbols; without them the search
    /// field finds nothing and those two pages stay empty. Both must outlive the panel.
    void setSymbolSearch(core::SymbolSearchIndex* index, core::SymbolCollections* collections);

    /// Lists what `query` finds, as typing it in the search field does.
    void search(const QString& query);
    /// The codes the last search found, best first.
    const std::vector<char32_t>& searchResults() const { return m_found; }
    /// Shows the recent symbols, or the favourites, as the page list does.
    void showRecentSymbols();
    void showFavourites();
    /// Adds the text of cell `index` to the favourites, or removes it; returns whether it is one now.
    bool toggleFavourite(int index);

Q_SIGNALS:
    /// A cell or the code button chose `text` (one character, or "Ch"/"ch") for insertion.
    void symbolChosen(const QString& text);
    /// A search listed its results in the grid: the owner shows the panel if it is hidden.
    void searchShown();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(QWidget* area);
    void pageButtonClicked(int button, bool down);
    void pageListActivated(int item);
    void showPage(const core::SymbolLibraryPage& page);
    void releasePageButtons(int except = -1);
    void codeTextChanged(const QString& text);
    void codeButtonClicked();
    void changeCorrection(int step);
    void buildSearchControls(QWidget* area);
    void showFoundPage(qsizetype first);
    void showSymbols(const QStringList& texts);
    core::SymbolLibraryCell describedCell(const QString& text) const;
    void showCellMenu(int index, const QPoint& globalPos);

    /// What the grid shows when it shows no page.
    enum class ListShown { None, Found, Recent, Favourites };

    const core::Settings& m_settings;
    const core::Folders& m_folders;

    QScrollArea* m_scroll = nullptr;
    QWidget* m_area = nullptr;
    QToolButton* m_codeButton = nullptr;
    QLineEdit* m_codeField = nullptr;
    std::array<QToolButton*, 10> m_pageButtons{};
    QComboBox* m_pageList = nullptr;
    QToolButton* m_correctionUp = nullptr;
    QToolButton* m_correctionDown = nullptr;
    QLabel* m_correctionLabel = nullptr;
    SymbolLibraryGrid* m_grid = nullptr;

    QWidget* m_searchBar = nullptr;
    QLineEdit* m_searchField = nullptr;
    QToolButton* m_previousFound = nullptr;
    QToolButton* m_nextFound = nullptr;
    QLabel* m_foundLabel = nullptr;
    core::SymbolSearchIndex* m_index = nullptr;
    core::SymbolCollections* m_collections = nullptr;
    std::vector<char32_t> m_found;
    qsizetype m_firstFound = 0;
    ListShown m_listShown = ListShown::None;

    QString m_codeText; ///< the character on the code button
    int m_correction = 0;
};

} // namespace pelinor::ui
