// The rich text of a transfer, read back by real RTF readers of the desktop: pandoc must find the text, and
// unrtf, which keeps the character formatting, the font name and size. Both come from Debian (scripts/dev.sh
// installs them); a missing reader fails the test rather than skipping it.

#include "core/transfer/transferpayload.h"
#include "support/tempworld.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>
#include <ostream>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

/// What one reader made of a file, or why it could not run.
struct ReaderOutput {
    QString text;
    QString error;
};

ReaderOutput runReader(const QString& program, QStringList arguments, const QString& file)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return {{}, program + u" is not installed (Debian package "_qs + program + u", see scripts/dev.sh)"_qs};
    arguments.append(file);
    QProcess reader;
    reader.start(path, arguments);
    if (!reader.waitForFinished(30000))
        return {{}, program + u" did not finish: "_qs + reader.errorString()};
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return {{}, program + u" failed: "_qs + QString::fromLocal8Bit(reader.readAllStandardError())};
    return {QString::fromUtf8(reader.readAllStandardOutput()), {}};
}

struct ReaderCase {
    const char* name;
    int mode;
    QString text; // as the input area holds it, line breaks CR LF
    RichTextFont font;
    QString plainText; // what pandoc gives back, line breaks LF
    QString sizeMarkup; // how unrtf's HTML shows the size
};

void PrintTo(const ReaderCase& c, std::ostream* os)
{
    *os << c.name;
}

} // namespace

class RtfReader : public testing::TestWithParam<ReaderCase> {
protected:
    /// The rich text that the transfer puts on the clipboard, in a file of its own.
    QString rtfFile()
    {
        const ReaderCase& c = GetParam();
        QDir().mkpath(m_world.path(u"sys"_qs)); // Work.rtf of the work-file modes
        const PreparedTransfer prepared = prepareTransfer(c.mode, c.text, c.font, m_world.path(u"sys"_qs));
        EXPECT_TRUE(prepared.ok()) << prepared.error.toStdString();
        if (!prepared.payload || !prepared.payload->isRich()) {
            ADD_FAILURE() << "mode " << c.mode << " gives no rich text";
            return {};
        }
        m_world.writeBytes(u"clipboard.rtf"_qs, prepared.payload->rtf);
        return m_world.path(u"clipboard.rtf"_qs);
    }

    TempWorld m_world;
};

TEST_P(RtfReader, PandocReadsTheTextBack)
{
    const QString file = rtfFile();
    ASSERT_FALSE(file.isEmpty());
    const ReaderOutput out
        = runReader(u"pandoc"_qs, {u"-f"_qs, u"rtf"_qs, u"-t"_qs, u"plain"_qs, u"--wrap=none"_qs}, file);
    ASSERT_TRUE(out.error.isEmpty()) << out.error.toStdString();
    EXPECT_EQ(out.text.trimmed().toStdString(), GetParam().plainText.toStdString());
}

TEST_P(RtfReader, UnrtfKeepsTheFontNameAndSize)
{
    const QString file = rtfFile();
    ASSERT_FALSE(file.isEmpty());
    const ReaderOutput out = runReader(u"unrtf"_qs, {u"--html"_qs}, file);
    ASSERT_TRUE(out.error.isEmpty()) << out.error.toStdString();
    const QString face = u"<font face=\""_qs + GetParam().font.name + u"\">"_qs;
    EXPECT_TRUE(out.text.contains(face)) << "no " << face.toStdString() << " in\n" << out.text.toStdString();
    EXPECT_TRUE(out.text.contains(GetParam().sizeMarkup)) << "no " << GetParam().sizeMarkup.toStdString() << " in\n"
                                                          << out.text.toStdString();
}

namespace {

// unrtf writes the sizes 8, 10, 12, 14, 18 and 24 points as the HTML sizes 1 to 6 (24 points, and only 24,
// is size 6) and every other size in points.
const ReaderCase kReaderCases[] = {
    {"mode1_direct", 1, QString::fromUtf16(u"да, привет"), {u"Times New Roman"_qs, 24, 204},
        QString::fromUtf16(u"да, привет"), u"<font size=\"6\">"_qs},
    {"mode2_workfile_two_lines", 2, QString::fromUtf16(u"да\r\nпривет"), {u"Liberation Serif"_qs, 17, 204},
        QString::fromUtf16(u"да\nпривет"), u"<span style=\"font-size:17pt\">"_qs},
    {"mode11_phonetic", 11, QString::fromUtf16(u"ʃə ˈdɑ"), {u"Segoe UI"_qs, 16, 0}, QString::fromUtf16(u"ʃə ˈdɑ"),
        u"<span style=\"font-size:16pt\">"_qs},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(TransferModes, RtfReader, testing::ValuesIn(kReaderCases),
    [](const testing::TestParamInfo<ReaderCase>& param) { return std::string(param.param.name); });
