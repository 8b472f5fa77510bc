#pragma once

#include <QWidget>

class QComboBox;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

/// The font panel of the top bar: the font box of the foreign-language input area, and under it the
/// input-mode box and the font-size box.
class FontPanel : public QWidget {
    Q_OBJECT

public:
    explicit FontPanel(QWidget* parent = nullptr);

    QComboBox* fontBox() const { return m_fontBox; }
    QComboBox* inputModeBox() const { return m_inputModeBox; }
    QComboBox* sizeBox() const { return m_sizeBox; }

    /// Fills the font box with the fonts of FontMode and the script's character set, showing UsrMainFont
    /// ("Times New Roman" when it is not listed), and the size box with 9 to 60, showing UsrMainFontSize.
    void fillFromSettings(const core::Settings& settings);
    /// Fills the font box anew for a changed FontMode, showing UsrMainFont ("Times New Roman" when it is not
    /// listed), without announcing it: the input area keeps its font until one is chosen.
    void refillFontBox(const core::Settings& settings);
    /// Selects `name` when the font box lists it and announces the box's font even when it showed it
    /// already, so that everything using the font takes it anew; false when the box does not list it.
    bool showFont(const QString& name);
    /// The size the size box reads: its text as a whole number, `fallback` when it is none, and never below
    /// 8, in which case the box is made to read "8".
    int takeSize(int fallback);

Q_SIGNALS:
    /// The font box shows another font, chosen by the user or selected through showFont().
    void fontChosen(const QString& family);

private:
    QComboBox* m_fontBox = nullptr;
    QComboBox* m_inputModeBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
};

} // namespace pelinor::ui
