#pragma once

#include "core/input/candidatebuffer.h"
#include "core/input/tablesets.h"

#include <QDialog>
#include <QPoint>
#include <QTimer>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

class CandidateCell;

/// The candidate window of one side: a small borderless window above the caret of the insertion target
/// that shows the ten slots of the side's candidate buffer as a strip of cells, with the name and code of
/// the selected candidate below. The user picks a slot with a digit, the arrow keys and Enter, or a click;
/// the window hands the slot's text to its insert function at most once and closes. It holds the program
/// until it closes and is made anew for every offer.
///
/// The foreign side's window draws its cells in the font of the foreign-language input area, corrected by
/// BandDev, which its up-down control changes in the settings, and reselects the script's keyboard layout
/// when it closes in a layout mode; the phonetic side's draws in the font of the phonetic input area, on
/// the CandBg colour, with no size correction.
///
/// Keys: Backspace or Esc close; Enter inserts the selected slot; Space or Right select the next slot and
/// Left the previous one, wrapping; a digit selects its slot (0 is slot 10), inserts it unless it is
/// blank, and closes. A click on a cell selects it and inserts it 100 ms later. Pressing on the window's
/// own surface drags it.
///
/// Keys typed right after the trigger key reach the window that had the focus until the window manager
/// has activated this one. So that they are not lost, the window is not modal for the window system
/// (which would drop them) but keeps the program to itself while it is open: it takes every key typed in
/// the program's other windows, in the order typed, and keeps the mouse from them. Keys that still reach
/// it after it has closed go on to the field that has the focus.
class CandidateWindow : public QDialog {
    Q_OBJECT

public:
    using InsertFunction = std::function<void(const QString& text)>;
    using LayoutHook = std::function<void()>;

    static constexpr int kWidth = 420;
    static constexpr int kHeight = 92;
    static constexpr int kCellWidth = 38;
    static constexpr int kCellHeight = 40;
    /// How long a clicked cell stays selected before it is inserted.
    static constexpr int kCellClickDelayMs = 100;

    ~CandidateWindow() override;

    core::TableSide side() const { return m_side; }
    /// The selected slot, 1 to 10 (1 when the window opens).
    int selectedSlot() const { return m_selected; }
    /// The point size of the cells' text: the fitted size, plus BandDev in the foreign window.
    int cellPointSize() const;

    /// Called when the window is shown (activates the start-up keyboard layout).
    void setRestoreStartupLayout(LayoutHook hook) { m_restoreStartupLayout = std::move(hook); }
    /// Called when the foreign window closes in a layout mode (activates the script's layout again).
    void setSelectScriptLayout(LayoutHook hook) { m_selectScriptLayout = std::move(hook); }

    /// Shows the window and returns once it has closed, with its result (QDialog::Accepted when a candidate
    /// was inserted). Use it in place of exec().
    int runUntilClosed();
    /// True from runUntilClosed() until the window closes.
    bool isRunning() const { return m_running && !m_finished; }

    /// Moves the window above the caret of `target`; near the mouse pointer when there is no target.
    void placeAboveCaret(QWidget* target);

    /// The caret's top-left corner of a text field in the field's own coordinates.
    static QPoint caretPosition(QWidget* field);

    void done(int result) override;

    CandidateWindow(core::TableSide side, const core::CandidateBuffer& buffer, const core::TableSet& set,
        core::Settings& settings, InsertFunction insert, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildCells();
    void buildControlColumn();
    void buildNameLines();
    void refresh();
    void selectSlot(int slot);
    bool handleKey(QKeyEvent* event);
    bool filterOtherWindows(QWidget* receiver, QEvent* event);
    void passOnLateKey(QEvent* event);
    void cellClicked(int slot);
    void clickTimerFired();
    void insertAndClose(const QString& text);
    void correctionChanged(int correction);

    core::TableSide m_side;
    const core::CandidateBuffer& m_buffer;
    const core::TableSet& m_set;
    core::Settings& m_settings;
    InsertFunction m_insert;
    LayoutHook m_restoreStartupLayout;
    LayoutHook m_selectScriptLayout;

    QColor m_background;
    QString m_cellFontName;
    int m_fittedSize = 8;
    int m_selected = 1;
    bool m_finished = false;
    bool m_running = false;
    bool m_shownOnce = false;

    QWidget* m_strip = nullptr;
    std::array<CandidateCell*, core::CandidateBuffer::SlotCount> m_cells{};
    QWidget* m_controlColumn = nullptr;
    QToolButton* m_closeButton = nullptr;
    QLabel* m_correctionLabel = nullptr;
    QSpinBox* m_correctionBox = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_noteLabel = nullptr;
    QLineEdit* m_focusBox = nullptr;
    QTimer m_clickTimer;

    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace pelinor::ui
