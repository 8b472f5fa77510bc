#include "core/wordbook/entrylinecounter.h"
#include "core/wordbook/wordbookfile.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <gtest/gtest.h>

using namespace pelinor::core;

namespace {

// Where each line of `text` starts, cut as the word book reader cuts lines; the text's size ends the list.
QList<qsizetype> lineStarts(const QString& text)
{
    QList<qsizetype> starts{0};
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        starts.append(i + 1);
    }
    if (starts.last() != n)
        starts.append(n);
    return starts;
}

// The count the slow way: every line split into fields by the reader.
qsizetype entriesBetween(const QString& text, qsizetype from, qsizetype to)
{
    qsizetype count = 0;
    forEachWordBookLine(QStringView(text).sliced(from, to - from), [&count](QStringView line) {
        if (splitEntryLine(line))
            ++count;
        return true;
    });
    return count;
}

// Every range between two line starts of `text` counts as the reader counts, with every vector width the
// processor has.
void expectSameCounts(const QString& text)
{
    const QList<qsizetype> starts = lineStarts(text);
    for (const VectorWidth width : supportedVectorWidths()) {
        const EntryLineCounter counter(text, width);
        for (qsizetype a = 0; a < starts.size(); ++a) {
            for (qsizetype b = a; b < starts.size(); ++b) {
                ASSERT_EQ(counter.countEntries(starts[a], starts[b]), entriesBetween(text, starts[a], starts[b]))
                    << "width " << static_cast<int>(width) << ", lines " << a << " to " << b << " of "
                    << text.toStdString();
            }
        }
    }
}

const QString kWritten = u"\"дом\",\"dom\",\"ドム\",\"家\",\"\",\"a.wav\",\"\""_qs;

} // namespace

// Lines made to look like the written shape by their quote count, and lines of that shape with something
// that forbids it, each put at every place within a 64-character block.
TEST(EntryLineCounter, CountsEveryShapeAsTheReaderDoes)
{
    const QStringList shapes = {
        kWritten,
        u"\"\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, // seven empty fields
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\""_qs, // six fields
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\""_qs, // eight
        u"\",\"\",\"\",\"\",\"\",\"\",\"\"x\""_qs, // a separator at the very start
        u"\"x\"\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, // fourteen quotes, separators shifted
        u"\"a\",\",\",\"\",\"\",\"\",\"\",\"\""_qs, // overlapping separators
        u"\"a\",\",\"b\",\"c\",\"d\",\"e\",\"f\"x\""_qs, // six separators, two overlapping, a stray quote
        u"\"a\",\",\"b\",\"c\",\"d\",\"e\",\"f\""_qs, // thirteen quotes, six separators
        uR"("",",",",","","aa,")"_qs, // six separators, too few quotes for seven fields
        uR"("a","a","",",,,",""","",")"_qs, // the last quote closes a separator
        uR"(","","",",a,","a","aa","a")"_qs, // the first quote opens a separator
        u"\"a,b\",\"c,\",\",d\",\"\",\"\",\"\",\"\""_qs, // commas inside fields
        u"a,b,c,d,e,f,g"_qs, // unquoted
        u"\"a \"\"q\"\"\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, // doubled quotes
        u"\"a\", \"\",\"\",\"\",\"\",\"\",\"\""_qs, // a blank after a comma
        u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\" "_qs, // a blank at the end
        u"\"a\tb\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, // a tab in a field
        QStringLiteral("\"a") + QChar(0) + QStringLiteral("b\",\"\",\"\",\"\",\"\",\"\",\"\""), // U+0000
        u"\"%1\",\"\",\"\",\"\",\"\",\"\",\"\""_qs.arg(QString(150, u'я')), // fields longer than a block
        QString(),
        u"just text"_qs,
    };
    const QStringList breaks = {u"\r\n"_qs, u"\n"_qs, u"\r"_qs};
    for (qsizetype shift = 0; shift < 64; ++shift) {
        QString text = u"\"pad%1\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"_qs.arg(QString(shift, u'.'));
        for (qsizetype i = 0; i < shapes.size(); ++i)
            text += shapes[i] + breaks[(i + shift) % breaks.size()];
        text += kWritten; // the last line without a line break
        expectSameCounts(text);
        if (HasFatalFailure())
            return;
    }
}

// Random lines of the characters a line's shape turns on, among written lines: whatever falls where, the
// count agrees with the reader's.
TEST(EntryLineCounter, AgreesWithTheReaderOnRandomLines)
{
    const QString alphabet = QStringLiteral("\"\",,a\r\n\t") + QChar(0);
    QRandomGenerator random(20261211);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int lines = random.bounded(1, 12);
        for (int line = 0; line < lines; ++line) {
            if (random.bounded(3) == 0) {
                text += kWritten;
            } else {
                // Mostly the written frame with some characters changed, sometimes noise.
                QString noisy = random.bounded(2) == 0 ? kWritten : QString(random.bounded(40), u'a');
                for (int k = random.bounded(4); k > 0 && !noisy.isEmpty(); --k)
                    noisy[random.bounded(noisy.size())] = alphabet[random.bounded(alphabet.size())];
                text += noisy;
            }
            text += random.bounded(2) == 0 ? u"\r\n"_qs : u"\n"_qs;
        }
        expectSameCounts(text);
        if (HasFatalFailure())
            return;
    }
}
