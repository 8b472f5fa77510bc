#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QSize>
#include <QString>

namespace pelinor::ui {

/// An icon made of picture files of known sizes, where each file is read the first time the icon is drawn
/// at the size it serves. A QIcon given files reads every one of them at once; the command buttons and
/// the program icon would read more than twenty pictures before the main window could show, to draw two
/// or three sizes of each. The size chosen for a request, the scaling and the disabled look are Qt's own.
class DeferredFileIconEngine : public QIconEngine {
public:
    struct Picture {
        QString fileName;
        QSize size;
    };

    /// An icon of `pictures`; none of them is read yet.
    static QIcon icon(const QList<Picture>& pictures);

    explicit DeferredFileIconEngine(const QList<Picture>& pictures);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;

private:
    struct Entry {
        Picture picture;
        QIcon loaded; ///< null until the picture is first needed
    };

    /// The index of the smallest picture at least as large as `size`, else of the largest, as Qt chooses;
    /// -1 when there is none.
    qsizetype bestEntry(const QSize& size) const;

    QList<Entry> m_entries;
};

} // namespace pelinor::ui
