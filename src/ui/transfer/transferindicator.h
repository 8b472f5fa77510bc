#pragma once

#include <QColor>
#include <QWidget>

namespace pelinor::ui {

/// The round transfer-target indicator: red while a target is known, the window colour after it was
/// forgotten, plain white as created.
class TransferIndicator : public QWidget {
    Q_OBJECT

public:
    explicit TransferIndicator(QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

    QSize sizeHint() const override { return {26, 26}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour = Qt::white;
};

} // namespace pelinor::ui
