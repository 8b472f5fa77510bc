// The HTML candidate list page on any title and triggers: nothing typed may open a tag, end an attribute
// or a style rule, and the saved page never loses a character to "?".

#include "core/common/textcodec.h"
#include "core/tables/candidatelistpage.h"
#include "fuzzsupport.h"

using namespace pelinor;

namespace {

// Text for a text or attribute position: no markup characters, and every "&" starts a reference.
void checkEscaped(const QString& text)
{
    for (QChar c : {u'<', u'>', u'"'})
        fuzz::check(!text.contains(c), "a markup character was left unescaped");
    for (qsizetype at = text.indexOf(u'&'); at >= 0; at = text.indexOf(u'&', at + 1)) {
        const QStringView rest = QStringView(text).mid(at);
        const bool reference = rest.startsWith(u"&amp;") || rest.startsWith(u"&lt;") || rest.startsWith(u"&gt;")
            || rest.startsWith(u"&quot;") || rest.startsWith(u"&#x");
        if (!reference)
            fuzz::fail("a bare ampersand", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = fuzz::unitsOf(data, size);
    const qsizetype third = input.size() / 3;
    core::CandidateListPage::Options options;
    options.title = input.left(third);
    options.titleFont = input.mid(third, third);
    options.background = input.mid(2 * third);
    options.candidateFont = options.background;
    options.candidateSize = options.titleFont;
    options.candidateFileName = options.title;

    core::CandidateLine line;
    line.trigger = input.left(1);
    line.candidates[0] = input.mid(1, 4);
    line.candidates[8] = QStringLiteral("0254");
    const QStringList page = core::CandidateListPage::lines(options, {line});
    fuzz::check(page.size() == (line.trigger.isEmpty() ? 63 : 64) + 0, "the page does not have its lines");

    checkEscaped(core::CandidateListPage::escaped(input));
    // The style element holds no "<" that could end it, whatever the fonts and values are.
    for (qsizetype i = 8; i < 52; ++i) {
        if (page[i].contains(u'<'))
            fuzz::fail("a style line holds \"<\"", page[i]);
    }

    const QByteArray bytes = core::CandidateListPage::encode(input);
    const QString kept = core::withoutLoneSurrogates(input);
    fuzz::check(bytes.count('?') == kept.count(u'?'), "a character was written as \"?\"");
    return 0;
}
