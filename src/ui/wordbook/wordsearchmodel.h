#pragma once

#include "core/wordbook/wordsearch.h"

#include <QAbstractTableModel>
#include <QString>

namespace pelinor::ui {

/// The result list of the search window: one row per entry found, exact matches on top (see
/// core::WordSearchResults), or the single row "- なし -" after a search that found nothing. Five columns
/// are shown (foreign word, phonetic symbols, word book, number, Japanese meaning); four more hold the
/// kana reading, note, sound file and colour and are never shown. Cells carry the cell kinds of the word
/// list, so that the word list's delegate draws them.
class WordSearchModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        ForeignColumn = 0,
        PhoneticColumn,
        TitleColumn,
        NumberColumn,
        JapaneseColumn,
        KanaColumn,
        NoteColumn,
        SoundColumn,
        ColourColumn,
        ColumnCount
    };
    static constexpr int kShownColumns = KanaColumn;

    explicit WordSearchModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Caption of the foreign-word column: the script's language name.
    void setLanguageName(const QString& name);

    /// Empties the list, "- なし -" included.
    void clear();
    /// Adds the hits of one word book in their order.
    void addHits(const QList<core::WordSearchHit>& hits);
    /// Shows "- なし -" when nothing was found.
    void showNothingFound();

    /// True when at least one entry is listed (the found flag).
    bool hasHits() const { return !m_results.isEmpty(); }
    /// The hit of a row; null for "- なし -" and rows outside the list.
    const core::WordSearchHit* hit(int row) const;

private:
    core::WordSearchResults m_results;
    bool m_nothingFound = false;
    QString m_languageName;
};

} // namespace pelinor::ui
