// The font configuration read ahead on a thread of its own.

#include "platform/fontsystemloading.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QtTest>

using namespace pelinor;

class FontSystemLoadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textIsMeasuredWhileAndAfterTheConfigurationIsRead()
    {
        // Qt may ask the font system while the reading runs (a warning box at start-up): both get one
        // configuration.
        platform::FontSystemLoading loading;
        const QFontMetrics during(QFont(u"DejaVu Sans"_qs, 12));
        QVERIFY(during.horizontalAdvance(u"привет 単語"_qs) > 0);
        loading.wait();
        loading.wait();
        QVERIFY(!QFontDatabase::families().isEmpty());
    }

    void endingWithoutWaitingWaits()
    {
        for (int i = 0; i < 3; ++i)
            platform::FontSystemLoading loading;
        const QFontMetrics after(QFont(u"Liberation Serif"_qs, 12));
        QVERIFY(after.height() > 0);
    }
};

QTEST_MAIN(FontSystemLoadingTest)
#include "fontsystemloading_test.moc"
