#pragma once

#include "core/input/symbollist.h"

#include <QObject>
#include <QString>

class QTimer;

namespace pelinor::core {

/// The user's recently used and favourite symbols, each list in a file of its own in the system folder
/// (never in the settings file). Favourites are written at every change; the recent symbols, which change
/// with every insertion, a moment after the last change and when the program ends.
class SymbolCollections : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype kRecentCapacity = 40;

    /// Lists kept in `systemFolder`; nothing is read until load().
    explicit SymbolCollections(const QString& systemFolder, QObject* parent = nullptr);
    ~SymbolCollections() override;

    static QString recentFileName() { return QStringLiteral("RecentSymbols.txt"); }
    static QString favouriteFileName() { return QStringLiteral("FavouriteSymbols.txt"); }
    QString recentFile() const;
    QString favouriteFile() const;

    /// Reads both files. A missing file is an empty list; lines that cannot be read are skipped. Returns
    /// false with `error` set when a file exists but cannot be read (too large, not readable); that list
    /// then starts empty and its file is never written over in this run, so nothing in it is lost.
    bool load(QString* error = nullptr);

    /// A symbol was inserted: it becomes the first recent symbol.
    void recordInsertion(const QString& text);
    /// Adds `text` to the favourites, or removes it when it is there; returns whether it is a favourite now.
    bool toggleFavourite(const QString& text, QString* error = nullptr);
    bool isFavourite(const QString& text) const { return m_favourites.contains(text); }

    const QStringList& recent() const { return m_recent.items(); }
    const QStringList& favourites() const { return m_favourites.items(); }

    /// Writes the recent symbols if they changed since the last write.
    bool saveRecent(QString* error = nullptr);
    bool saveFavourites(QString* error = nullptr);

Q_SIGNALS:
    void recentChanged();
    void favouritesChanged();
    /// A deferred write failed.
    void writeFailed(const QString& message);

private:
    QString m_folder;
    SymbolList m_recent{kRecentCapacity};
    SymbolList m_favourites;
    bool m_recentDirty = false;
    bool m_keepRecentFile = false; ///< the file could not be read: leave it as it is
    bool m_keepFavouriteFile = false;
    QTimer* m_saveTimer = nullptr;
};

} // namespace pelinor::core
