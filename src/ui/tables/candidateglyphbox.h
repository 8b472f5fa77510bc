#pragma once

#include <QString>
#include <QWidget>

namespace pelinor::ui {

/// The 42 by 42 box above a candidate field: the glyph of the field's symbol centred in black on white in
/// the symbol database's display font, at the size that fits 80 % of the box, thinly framed; grey when the
/// field names no symbol with a glyph.
class CandidateGlyphBox : public QWidget {
    Q_OBJECT

public:
    explicit CandidateGlyphBox(QWidget* parent = nullptr);

    /// Shows `glyph` in `fontName`; an empty glyph greys the box.
    void showGlyph(const QString& glyph, const QString& fontName);
    const QString& glyph() const { return m_glyph; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_glyph;
    QFont m_font;
    QString m_fontName;
};

} // namespace pelinor::ui
