// Font names resolved to families this system has, before Qt is asked for them.

#include "ui/app/fontsubstitutes.h"
#include "ui/common/fontfamilies.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

using namespace pelinor;

class FontFamiliesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        ui::registerFontSubstitutes();
        QFont::insertSubstitutions(u"Pelinor Missing Serif"_qs,
            {u"Pelinor Nowhere"_qs, u"Liberation Serif"_qs, u"Pelinor Nowhere Either"_qs, u"DejaVu Sans"_qs});
        QFont::insertSubstitution(u"Pelinor Missing Alone"_qs, u"Pelinor Nowhere"_qs);
    }

    void namesResolveToInstalledFamilies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("families");
        QTest::newRow("installed") << u"DejaVu Sans"_qs << QStringList{u"DejaVu Sans"_qs};
        QTest::newRow("installed, other case") << u"dejavu SANS"_qs << QStringList{u"dejavu SANS"_qs};
        QTest::newRow("missing: its installed substitutes, in order")
            << u"Pelinor Missing Serif"_qs << QStringList{u"Liberation Serif"_qs, u"DejaVu Sans"_qs};
        QTest::newRow("missing, no substitute installed")
            << u"Pelinor Missing Alone"_qs << QStringList{u"Pelinor Missing Alone"_qs};
        QTest::newRow("missing, no substitutes") << u"Pelinor Unknown"_qs << QStringList{u"Pelinor Unknown"_qs};
        QTest::newRow("Windows Japanese gothic")
            << u"ＭＳ Ｐゴシック"_qs << QStringList{u"Noto Sans CJK JP"_qs, u"DejaVu Sans"_qs};
        QTest::newRow("Windows serif") << u"Times New Roman"_qs
                                       << QStringList{u"Liberation Serif"_qs, u"DejaVu Serif"_qs};
    }

    void namesResolveToInstalledFamilies()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, families);
        // Family names are compared as the font system compares them, without regard to case.
        QStringList folded;
        for (const QString& family : ui::installedFamilies(name))
            folded.append(family.toCaseFolded());
        for (QString& family : families)
            family = family.toCaseFolded();
        QCOMPARE(folded, families);
    }

    void resolvedFontsDrawAsQtsOwnSubstitutionDoes_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"ＭＳ Ｐゴシック", "Times New Roman", "Segoe UI", "Tahoma", "Arial", "DejaVu Sans"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }

    void resolvedFontsDrawAsQtsOwnSubstitutionDoes()
    {
        // Resolving only saves Qt its search for the missing name: the face, the size and the text's width
        // are what they were.
        QFETCH(QString, name);
        const QString sample = u"Aa привет ɑʃ 単語リスト ｶﾅ"_qs;
        QFont byQt(name);
        QFont resolved = ui::fontOfFamily(name);
        QCOMPARE(resolved.pointSizeF(), byQt.pointSizeF());
        for (const int pixels : {12, 16, 21}) {
            byQt.setPixelSize(pixels);
            resolved.setPixelSize(pixels);
            QCOMPARE(QFontInfo(resolved).family(), QFontInfo(byQt).family());
            QCOMPARE(QFontMetrics(resolved).horizontalAdvance(sample), QFontMetrics(byQt).horizontalAdvance(sample));
            QCOMPARE(QFontMetrics(resolved).height(), QFontMetrics(byQt).height());
        }
        QFont changed = byQt;
        ui::setFontFamily(changed, name);
        QCOMPARE(QFontInfo(changed).family(), QFontInfo(byQt).family());
        QCOMPARE(changed.pixelSize(), byQt.pixelSize());
    }
};

QTEST_MAIN(FontFamiliesTest)
#include "fontfamilies_test.moc"
