#pragma once

class QSplitter;
class QWidget;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

/// The three splitters of the main window: the top bar (command panel, font panel, "下伸び"), the input
/// areas beside the key panel column, and that pair above the lower tab area. The user's split is stored
/// as the lower tab area's height and the font panel's width.
class MainSplitters {
public:
    /// The splitters are made in `parent`, the window's central widget, so that the panels keep the
    /// window's font while they are placed.
    MainSplitters(QWidget* commandPanel, QWidget* fontPanel, QWidget* stretchPanel, QWidget* inputPanel,
        QWidget* keyPanelColumn, QWidget* lowerTabs, QWidget* parent);

    QSplitter* topBar() const { return m_top; }
    QSplitter* main() const { return m_vertical; }

    /// Applies UnderHeight and FontPanelWidth once the window has its size; later calls do nothing.
    void applyStoredSizes(const core::Settings& settings);
    /// On: the input areas keep their height and the lower tab area takes what the window gains; off: the
    /// other way round. Stored as UnderStretchFlg.
    void applyUnderStretch(bool on, core::Settings& settings);
    /// Stores the split, once it has been applied: before that the stored values stand.
    void storeSizes(core::Settings& settings) const;

private:
    QWidget* m_commandPanel;
    QWidget* m_fontPanel;
    QWidget* m_lowerTabs;
    QSplitter* m_top = nullptr;
    QSplitter* m_middle = nullptr;
    QSplitter* m_vertical = nullptr;
    bool m_applied = false;
};

} // namespace pelinor::ui
