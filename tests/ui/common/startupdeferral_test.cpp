// What start-up leaves for later: work after a window's first frame, and pictures read when first drawn.

#include "ui/common/afterfirstpaint.h"
#include "ui/common/deferredfileiconengine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace pelinor;

namespace {

/// Counts its paints.
class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

/// Writes a square PNG of `size` pixels in `colour`.
bool writePicture(const QString& path, int size, const QColor& colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image.save(path, "PNG");
}

} // namespace

class StartupDeferralTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void workRunsOnceAfterTheFirstPaintAndNotBefore()
    {
        PaintCounter window;
        int runs = 0;
        int paintsSeen = -1;
        ui::AfterFirstPaint::run(&window, [&] {
            ++runs;
            paintsSeen = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsSeen >= 1);
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void picturesAreReadWhenFirstDrawnInTheSizeThatFits()
    {
        QTemporaryDir dir;
        const QString small = dir.filePath(QStringLiteral("small.png"));
        const QString middle = dir.filePath(QStringLiteral("middle.png"));
        const QString large = dir.filePath(QStringLiteral("large.png"));
        // The files are written after the icon is made: an icon that read them at once would be empty.
        const QIcon icon = ui::DeferredFileIconEngine::icon(
            {{small, QSize(16, 16)}, {middle, QSize(32, 32)}, {large, QSize(128, 128)}});
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(128, 128)}));
        QCOMPARE(icon.actualSize(QSize(26, 26)), QSize(26, 26));
        QCOMPARE(icon.actualSize(QSize(200, 200)), QSize(128, 128));
        QVERIFY(writePicture(small, 16, Qt::red));
        QVERIFY(writePicture(middle, 32, Qt::green));
        QVERIFY(writePicture(large, 128, Qt::blue));

        const struct {
            int asked;
            QSize size;
            QColor colour;
        } cases[] = {
            {16, QSize(16, 16), Qt::red}, // exact
            {26, QSize(26, 26), Qt::green}, // the smallest that covers it, scaled down
            {12, QSize(12, 12), Qt::red}, {256, QSize(128, 128), Qt::blue}, // the largest, never scaled up
        };
        for (const auto& c : cases) {
            const QImage image = icon.pixmap(QSize(c.asked, c.asked)).toImage();
            QCOMPARE(image.size(), c.size);
            QCOMPARE(image.pixelColor(c.size.width() / 2, c.size.height() / 2), c.colour);
        }
        // The disabled look is Qt's own, made from the same picture.
        const QImage disabled = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
        QCOMPARE(disabled.size(), QSize(32, 32));
        QVERIFY(disabled.pixelColor(16, 16) != QColor(Qt::green));
        QVERIFY(!icon.isNull());
        QVERIFY(ui::DeferredFileIconEngine::icon({}).isNull());
    }
};

QTEST_MAIN(StartupDeferralTest)
#include "startupdeferral_test.moc"
