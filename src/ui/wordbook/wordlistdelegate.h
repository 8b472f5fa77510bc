#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace pelinor::ui {

/// Draws the cells of the word list as the program's own: the foreign-word column in the foreign font,
/// the phonetic column in the phonetic font on the phonetic background, everything else in the Japanese
/// font; each entry in its text colour; texts that do not fit end in "...".
class WordListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    /// Fonts and the background of the phonetic column.
    struct Style {
        QFont foreignFont;
        QFont phoneticFont;
        QFont japaneseFont;
        QColor phoneticBackground;
    };

    explicit WordListDelegate(QObject* parent = nullptr);

    void setStyle(const Style& style);
    const Style& style() const { return m_style; }

    /// While the word book panel moves, the note column is not drawn.
    void setSkipNote(bool skip) { m_skipNote = skip; }
    bool skipNote() const { return m_skipNote; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// The text as it is drawn in `available` pixels: whole when it fits, else cut at the end and
    /// followed by "...", as many characters kept as fit; just "..." when none does.
    static QString fitText(const QFontMetrics& metrics, const QString& text, int available);

    /// Space left of the text: 4 pixels in the first column, 6 in the others.
    static int indentOf(int column) { return column == 0 ? 4 : 6; }

private:
    Style m_style;
    QFontMetrics m_foreignMetrics;
    QFontMetrics m_phoneticMetrics;
    QFontMetrics m_japaneseMetrics;
    bool m_skipNote = false;
};

} // namespace pelinor::ui
