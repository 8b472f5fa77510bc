#include "core/transfer/transferpayload.h"

#include "core/common/textcodec.h"
#include "core/transfer/transferencodings.h"
#include "core/transfer/workrtf.h"

namespace pelinor::core {

namespace {

constexpr char16_t kParagraphSeparator = 0x2029;

// The text with every line break (CR LF, lone CR, lone LF, U+2029) written as `lineBreak`.
QString withLineBreaks(QStringView text, QStringView lineBreak)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n' || c == kParagraphSeparator) {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            out += lineBreak;
        } else {
            out += QChar(c);
        }
    }
    return out;
}

} // namespace

std::optional<TransferPayload> transferPayload(int mode, QStringView text, const RichTextFont& font)
{
    const auto info = transferModeInfo(mode);
    if (!info)
        return std::nullopt;

    const QString units = withLineBreaks(text, u"\r\n");
    TransferPayload payload;
    payload.mode = mode;
    payload.area = info->area;
    switch (info->content) {
    case TransferContent::HexCharRefs:
        payload.setsClipboard = true;
        payload.plainText = hexCharRefs(units);
        break;
    case TransferContent::DecCharRefs:
        payload.setsClipboard = true;
        payload.plainText = decCharRefs(units);
        break;
    case TransferContent::RichText:
        payload.rtf = encodeCp932(makeClipboardRtf(font.charset, font.pointSize, font.name, font.language, units));
        payload.html = makeHtmlDocument(font.pointSize, font.name, units);
        payload.writesWorkRtf = info->route == RichTextRoute::WorkFile;
        [[fallthrough]];
    case TransferContent::PlainText:
        payload.setsClipboard = !units.isEmpty();
        payload.plainText = withLineBreaks(text, u"\n");
        break;
    }
    return payload;
}

PreparedTransfer prepareTransfer(int mode, QStringView text, const RichTextFont& font, const QString& systemFolder)
{
    PreparedTransfer prepared;
    prepared.payload = transferPayload(mode, text, font);
    if (!prepared.payload || !prepared.payload->writesWorkRtf)
        return prepared;

    // The file keeps its own form; the clipboard carries the same font, size and text in the clipboard's form.
    const WorkRtfResult written
        = writeWorkRtf(systemFolder, font.charset, font.pointSize, font.name, withLineBreaks(text, u"\r\n"));
    if (!written.ok()) {
        prepared.payload.reset();
        prepared.error = written.error;
    }
    return prepared;
}

} // namespace pelinor::core
