#pragma once

#include <QDialog>
#include <QtGlobal>

#include <functional>

class QComboBox;
class QPushButton;

namespace pelinor::ui {

/// "ジャンプ": selects the entry of the number chosen or typed in the drop-down. "OK" is enabled while the
/// text names an item of the list; Enter in the drop-down acts as "OK" even while it is disabled. The
/// jump function gets the text and gives true when it jumped; the dialog then closes.
class TJumpFrm : public QDialog {
    Q_OBJECT

public:
    TJumpFrm(qsizetype count, QWidget* parent = nullptr);

    QComboBox* numberBox() const { return m_number; }
    QPushButton* okButton() const { return m_ok; }
    void setJumpFunction(std::function<bool(const QString&)> jump) { m_jumpFunction = std::move(jump); }

private:
    void jump();

    QComboBox* m_number = nullptr;
    QPushButton* m_ok = nullptr;
    std::function<bool(const QString&)> m_jumpFunction;
};

} // namespace pelinor::ui
