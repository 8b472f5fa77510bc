#include "core/input/symbolcollections.h"

#include "core/common/atomicfile.h"
#include "core/common/regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

namespace pelinor::core {

namespace {

// A list file holds at most a few hundred short lines; anything far larger is not one of ours.
constexpr qint64 kMaxFileSize = 1 << 20;
constexpr int kRecentSaveDelayMs = 2000;

bool readList(const QString& path, qsizetype capacity, SymbolList& list, QString* error)
{
    const FileBytes read = readFileBytes(path, kMaxFileSize);
    if (!read.exists)
        return true;
    if (!read.readable) {
        if (error) {
            *error = read.error.isEmpty()
                ? QCoreApplication::translate("pelinor::core::SymbolCollections", "%1 を読めません。")
                      .arg(QFileInfo(path).fileName())
                : read.error;
        }
        return false;
    }
    list = SymbolList::fromFileBytes(read.bytes, capacity);
    return true;
}

} // namespace

SymbolCollections::SymbolCollections(const QString& systemFolder, QObject* parent)
    : QObject(parent)
    , m_folder(systemFolder)
    , m_saveTimer(new QTimer(this))
{
    m_saveTimer->setSingleShot(true);
    m_saveTimer->setInterval(kRecentSaveDelayMs);
    connect(m_saveTimer, &QTimer::timeout, this, [this] {
        QString error;
        if (!saveRecent(&error))
            Q_EMIT writeFailed(error);
    });
}

SymbolCollections::~SymbolCollections() = default;

QString SymbolCollections::recentFile() const
{
    return m_folder + u'/' + recentFileName();
}

QString SymbolCollections::favouriteFile() const
{
    return m_folder + u'/' + favouriteFileName();
}

bool SymbolCollections::load(QString* error)
{
    QString recentError;
    QString favouriteError;
    const bool recentOk = readList(recentFile(), kRecentCapacity, m_recent, &recentError);
    const bool favouriteOk = readList(favouriteFile(), 0, m_favourites, &favouriteError);
    m_keepRecentFile = !recentOk;
    m_keepFavouriteFile = !favouriteOk;
    m_recentDirty = false;
    if (error) {
        QStringList messages;
        for (const QString& message : {recentError, favouriteError}) {
            if (!message.isEmpty()) {
                messages.append(message + u'\n'
                    + QCoreApplication::translate(
                        "pelinor::core::SymbolCollections", "この一覧の変更は保存されません。"));
            }
        }
        *error = messages.join(u'\n');
    }
    return recentOk && favouriteOk;
}

void SymbolCollections::recordInsertion(const QString& text)
{
    if (!m_recent.putFirst(text))
        return;
    m_recentDirty = true;
    m_saveTimer->start();
    Q_EMIT recentChanged();
}

bool SymbolCollections::toggleFavourite(const QString& text, QString* error)
{
    if (!m_favourites.remove(text) && !m_favourites.append(text))
        return false;
    Q_EMIT favouritesChanged();
    saveFavourites(error);
    return m_favourites.contains(text);
}

bool SymbolCollections::saveRecent(QString* error)
{
    m_saveTimer->stop();
    if (!m_recentDirty || m_keepRecentFile)
        return true;
    if (!writeFileAtomically(recentFile(), m_recent.toFileBytes(), error))
        return false;
    m_recentDirty = false;
    return true;
}

bool SymbolCollections::saveFavourites(QString* error)
{
    if (m_keepFavouriteFile)
        return true;
    return writeFileAtomically(favouriteFile(), m_favourites.toFileBytes(), error);
}

} // namespace pelinor::core
