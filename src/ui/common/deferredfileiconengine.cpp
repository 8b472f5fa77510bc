#include "ui/common/deferredfileiconengine.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace pelinor::ui {

namespace {

int area(const QSize& size)
{
    return size.width() * size.height();
}

} // namespace

QIcon DeferredFileIconEngine::icon(const QList<Picture>& pictures)
{
    return QIcon(new DeferredFileIconEngine(pictures));
}

DeferredFileIconEngine::DeferredFileIconEngine(const QList<Picture>& pictures)
{
    for (const Picture& picture : pictures)
        addFile(picture.fileName, picture.size, QIcon::Normal, QIcon::Off);
}

void DeferredFileIconEngine::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    // Only sized pictures of the normal look are kept: the others would have to be read to be placed.
    if (!fileName.isEmpty() && size.isValid() && mode == QIcon::Normal && state == QIcon::Off)
        m_entries.append(Entry{Picture{fileName, size}, QIcon()});
}

qsizetype DeferredFileIconEngine::bestEntry(const QSize& size) const
{
    qsizetype best = -1;
    const int wanted = area(size);
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (best < 0) {
            best = i;
            continue;
        }
        const int a = area(m_entries.at(best).picture.size);
        const int b = area(m_entries.at(i).picture.size);
        if ((std::min(a, b) >= wanted ? std::min(a, b) : std::max(a, b)) != a)
            best = i;
    }
    return best;
}

void DeferredFileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QSize DeferredFileIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    Q_UNUSED(mode);
    Q_UNUSED(state);
    // The stated sizes alone decide, so that laying out a button reads no picture.
    const qsizetype best = bestEntry(size);
    if (best < 0)
        return QSize();
    QSize actual = m_entries.at(best).picture.size;
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap DeferredFileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    const qsizetype best = bestEntry(size);
    if (best < 0)
        return QPixmap();
    Entry& entry = m_entries[best];
    if (entry.loaded.isNull())
        entry.loaded.addFile(entry.picture.fileName, entry.picture.size);
    return entry.loaded.pixmap(size, mode, state);
}

QString DeferredFileIconEngine::key() const
{
    return QStringLiteral("DeferredFileIconEngine");
}

QIconEngine* DeferredFileIconEngine::clone() const
{
    return new DeferredFileIconEngine(*this);
}

QList<QSize> DeferredFileIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    QList<QSize> sizes;
    if (mode != QIcon::Normal || state != QIcon::Off)
        return sizes;
    for (const Entry& entry : m_entries)
        sizes.append(entry.picture.size);
    return sizes;
}

bool DeferredFileIconEngine::isNull()
{
    return m_entries.isEmpty();
}

} // namespace pelinor::ui
