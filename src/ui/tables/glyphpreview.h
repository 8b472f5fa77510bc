#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace pelinor::ui {

/// A box that shows one character centred on aqua in a frame, or grey when it shows nothing. The size of
/// the character is either fixed or fitted to the box (the "M" of the font reaching 80 % of it).
class GlyphPreview : public QWidget {
    Q_OBJECT

public:
    /// `pointSize` 0 fits the character to the box.
    GlyphPreview(QColor frame, int frameWidth, int pointSize, QWidget* parent = nullptr);

    void showGlyph(const QString& glyph, const QString& fontFamily);
    void clear();
    const QString& glyph() const { return m_glyph; }
    bool isCleared() const { return m_cleared; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_frame;
    int m_frameWidth;
    int m_pointSize;
    QString m_glyph;
    QString m_family;
    bool m_cleared = true;
};

} // namespace pelinor::ui
