#include "core/wordbook/shapemasks.h"
#include "core/wordbook/textscan.h"

#include <QRandomGenerator>
#include <QString>

#include <gtest/gtest.h>

using namespace pelinor::core;

namespace {

qsizetype plainFind(const QString& text, qsizetype from, const QString& part)
{
    const qsizetype at = text.indexOf(part, from);
    return at < 0 ? text.size() : at;
}

} // namespace

// The part put at every place of a text full of near misses (the right first and last character, a wrong
// one between), for parts of one character up to longer than a vector, searched from every place.
TEST(TextScan, FindTextFindsTheFirstPlaceWithEveryVectorWidth)
{
    const QStringList parts = {u"я"_qs, u"#$"_qs, u"言葉9"_qs, u"слово"_qs, u"\"abcdefghijklmnopqrstuvwxyz\""_qs};
    for (const QString& part : parts) {
        QString decoy = part;
        if (decoy.size() > 2)
            decoy[1] = u'·';
        for (qsizetype place = 0; place < 70; ++place) {
            QString text;
            while (text.size() < place)
                text += decoy.size() > 2 ? decoy : u"x"_qs;
            text.truncate(place);
            text += part + u"tail"_qs + decoy + part;
            for (const VectorWidth width : supportedVectorWidths()) {
                for (qsizetype from = 0; from <= text.size(); from += 7) {
                    ASSERT_EQ(findText(text, from, part, width), plainFind(text, from, part))
                        << "width " << static_cast<int>(width) << " part " << part.toStdString() << " place " << place
                        << " from " << from;
                }
            }
        }
    }
}

TEST(TextScan, FindTextWithoutPlaceGivesTheTextSize)
{
    const QString text = u"abcabc"_qs;
    for (const VectorWidth width : supportedVectorWidths()) {
        EXPECT_EQ(findText(text, 0, u"abcabcd"_qs, width), text.size()); // longer than the text
        EXPECT_EQ(findText(text, 4, u"abc"_qs, width), text.size()); // only before `from`
        EXPECT_EQ(findText(text, 0, QString(), width), text.size());
        EXPECT_EQ(findText(QString(), 0, u"a"_qs, width), 0);
    }
}

// The masks of random texts of the characters they mark, at every length around a block's, agree with a
// character-by-character reading.
TEST(TextScan, ShapeMasksMarkQuotesCommasAndLowCharacters)
{
    const QString alphabet = QStringLiteral("\",\r\n\t\x0e a") + QChar(0) + QChar(0x2c22) + QChar(0xff0d);
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QString text(random.bounded(150), u'a');
        for (QChar& c : text)
            c = alphabet[random.bounded(alphabet.size())];
        for (qsizetype block = 0; block < text.size() + 64; block += 64) {
            ShapeMasks expected;
            for (qsizetype k = 0; k < 64 && block + k < text.size(); ++k) {
                const char16_t c = text[block + k].unicode();
                const quint64 bit = quint64(1) << k;
                expected.quote |= c == u'"' ? bit : 0;
                expected.comma |= c == u',' ? bit : 0;
                expected.low |= c <= 0x0d ? bit : 0;
            }
            for (const VectorWidth width : supportedVectorWidths()) {
                const ShapeMasks masks = shapeMasks(QStringView(text).utf16(), text.size(), block, width);
                ASSERT_EQ(masks.quote, expected.quote) << static_cast<int>(width);
                ASSERT_EQ(masks.comma, expected.comma) << static_cast<int>(width);
                ASSERT_EQ(masks.low, expected.low) << static_cast<int>(width);
            }
        }
    }
}
