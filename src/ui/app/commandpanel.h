#pragma once

#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QLineEdit;
class QToolButton;

namespace pelinor::ui {

class TransferIndicator;

/// The left part of the main window's top bar: the function-key bar (seven command buttons and the
/// transfer button), the transfer-target indicator with the automatic-paste box under it, and the
/// transfer-mode display.
class CommandPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kButtonCount = 7;

    CommandPanel(const std::array<QAction*, kButtonCount>& commands, QAction* transfer, QWidget* parent = nullptr);

    QToolButton* button(int position) const { return m_buttons.at(static_cast<size_t>(position)); }
    QToolButton* transferButton() const { return m_transferButton; }
    TransferIndicator* indicator() const { return m_indicator; }
    QCheckBox* autoPasteBox() const { return m_autoPaste; }
    QLineEdit* modeDisplay() const { return m_modeDisplay; }

private:
    QToolButton* makeButton(QAction* action, int left);

    std::array<QToolButton*, kButtonCount> m_buttons{};
    QToolButton* m_transferButton = nullptr;
    TransferIndicator* m_indicator = nullptr;
    QCheckBox* m_autoPaste = nullptr;
    QLineEdit* m_modeDisplay = nullptr;
};

} // namespace pelinor::ui
