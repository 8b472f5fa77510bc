#pragma once

#include <QDialog>
#include <QtGlobal>

#include <functional>

class QComboBox;
class QPushButton;

namespace pelinor::ui {

/// "単語移動": moves the selected entry above the entry of the number chosen in the drop-down, which lists
/// every number but the source's. "移動" is enabled while the text names an item of the list; it runs the
/// move function with the number, and the dialog closes when the move succeeds.
class TWordMoveFrm : public QDialog {
    Q_OBJECT

public:
    TWordMoveFrm(qsizetype source, qsizetype count, QWidget* parent = nullptr);

    QComboBox* targetBox() const { return m_target; }
    QPushButton* moveButton() const { return m_move; }
    /// Gets the text of the drop-down; gives true when the entry was moved.
    void setMoveFunction(std::function<bool(const QString&)> move) { m_moveFunction = std::move(move); }

private:
    QComboBox* m_target = nullptr;
    QPushButton* m_move = nullptr;
    std::function<bool(const QString&)> m_moveFunction;
};

} // namespace pelinor::ui
