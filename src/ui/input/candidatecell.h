#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

namespace pelinor::ui {

/// One cell of a candidate window's strip: a framed box that shows a slot's character centred in the
/// widget's font on its fill colour, and reports a click.
class CandidateCell : public QWidget {
    Q_OBJECT

public:
    CandidateCell(int slot, QWidget* parent);

    int slot() const { return m_slot; }
    QString text() const { return m_text; }
    QColor fill() const { return m_fill; }

    /// Shows `text` on `fill`.
    void setCell(const QString& text, const QColor& fill);

    /// Called with the cell's slot when the left button is pressed and released on the cell.
    void setClickHandler(std::function<void(int slot)> handler) { m_clicked = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_slot;
    QString m_text;
    QColor m_fill = Qt::white;
    bool m_pressed = false;
    std::function<void(int)> m_clicked;
};

} // namespace pelinor::ui
