#pragma once

#include "core/transfer/richtextfont.h"
#include "core/transfer/transfermode.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// What one transfer puts on the clipboard.
struct TransferPayload {
    int mode = 0;
    TransferArea area = TransferArea::Foreign;
    /// False when the mode copies the text itself (rich text or plain text) and the text is empty: copying
    /// an empty selection leaves the clipboard as it was. The reference modes always set the clipboard,
    /// with an empty text for an empty source.
    bool setsClipboard = false;
    /// The plain Unicode text: the references of the reference modes, otherwise the text itself with its
    /// line breaks as LF, the clipboard's own convention.
    QString plainText;
    /// The rich text of the rich-text modes, makeClipboardRtf() in code page 932: the font, size and text of
    /// Work.rtf, without a closing paragraph mark and tagged with the font's language; empty for the other
    /// modes. Put on the clipboard as "text/rtf" and "application/rtf".
    QByteArray rtf;
    /// An HTML page with the same font and size and the same text, beside the rich text; empty for the
    /// other modes.
    QString html;
    /// The rich text takes the work-file route: Work.rtf is written as well, and a failure stops the transfer.
    bool writesWorkRtf = false;

    [[nodiscard]] bool isRich() const { return !rtf.isEmpty(); }
};

/// The clipboard content of a transfer of `text` in `mode`, without touching any file; none for a mode that
/// transfers nothing. `text` is the selection or whole text of the mode's area; its line breaks may come as
/// CR LF, lone LF, lone CR or U+2029 (the paragraph separator of a widget selection), and each counts as
/// the CR LF pair the encoders write ("&#x000D;&#x000A;", "\u13?\u10?"). `font` is the rich-text font of the
/// mode's area (richTextFontOf()); only the rich-text modes use it.
std::optional<TransferPayload> transferPayload(int mode, QStringView text, const RichTextFont& font);

/// A transfer ready to be put on the clipboard, or the reason it was stopped.
struct PreparedTransfer {
    std::optional<TransferPayload> payload; ///< none for a mode that transfers nothing, or after an error
    QString error; ///< set when the transfer was stopped; the clipboard must be kept

    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

/// transferPayload(), and for the work-file modes (2 and 11) the writing of Work.rtf into `systemFolder`,
/// with the payload's font, size and text. If the file cannot be written or read back the result has no
/// payload and a message for the user: the transfer stops, the clipboard keeps its content and nothing is
/// pasted.
PreparedTransfer prepareTransfer(int mode, QStringView text, const RichTextFont& font, const QString& systemFolder);

} // namespace pelinor::core
