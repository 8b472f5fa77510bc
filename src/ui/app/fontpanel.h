#pragma once

#include <QWidget>

class QComboBox;

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

private:
    QComboBox* m_fontBox = nullptr;
    QComboBox* m_inputModeBox = nullptr;
    QComboBox* m_sizeBox = nullptr;
};

} // namespace pelinor::ui
