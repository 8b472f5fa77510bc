#include "core/input/keypanelfaces.h"

#include "core/input/scriptlayouts.h"
#include "core/input/tableset.h"

#include <iterator>

namespace pelinor::core {

namespace {

// One character per position; a space is a blank position.
constexpr char16_t kRomajiKeys[] = u"1234567890-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./";
constexpr char16_t kPhoneticKeys[] = u"1234567890-^\\QWERTYUIOP@[ASDFGHJKL;:]ZXCVBNM,./";
constexpr char16_t kRomajiLegends[] = u"!\"#$%&'() =~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_";
constexpr char16_t kPhoneticLegends[] = u"!\"#$%&'() =~|          `{         +*}       <>?_";

static_assert(std::size(kRomajiKeys) == KeyPanelFaces::keyCount + 1);
static_assert(std::size(kPhoneticKeys) == KeyPanelFaces::keyCount + 1);
static_assert(std::size(kRomajiLegends) == KeyPanelFaces::legendCount + 1);
static_assert(std::size(kPhoneticLegends) == KeyPanelFaces::legendCount + 1);

QString captionAt(const char16_t* row, int index)
{
    const QChar c(row[index]);
    return c == u' ' ? QString() : QString(c);
}

bool isTriggerCaption(const QString& caption, const TableSet& set)
{
    return !caption.isEmpty() && set.isTrigger(caption.at(0).unicode());
}

bool isLetter(const QString& caption, char16_t first)
{
    return caption.size() == 1 && caption.at(0).unicode() >= first && caption.at(0).unicode() < first + 26;
}

} // namespace

KeyPanelFaces romajiPanelFaces(const TableSet& foreign)
{
    KeyPanelFaces faces;
    for (int i = 0; i < KeyPanelFaces::keyCount; ++i) {
        KeyFace& key = faces.keys[static_cast<size_t>(i)];
        key.caption = captionAt(kRomajiKeys, i);
        key.enabled = key.bold = isTriggerCaption(key.caption, foreign);
        key.pointSize = key.bold ? 12 : 11;
        key.letter = isLetter(key.caption, u'a');
    }
    for (int i = 0; i < KeyPanelFaces::legendCount; ++i) {
        KeyFace& legend = faces.legends[static_cast<size_t>(i)];
        legend.caption = captionAt(kRomajiLegends, i);
        legend.enabled = legend.bold = isTriggerCaption(legend.caption, foreign);
        legend.pointSize = legend.bold ? 11 : 10;
        legend.letter = i < KeyPanelFaces::keyCount && faces.keys[static_cast<size_t>(i)].letter;
    }
    return faces;
}

KeyPanelFaces phoneticPanelFaces(const TableSet& phonetic, int panelPointSize)
{
    KeyPanelFaces faces;
    for (int i = 0; i < KeyPanelFaces::keyCount; ++i) {
        KeyFace& key = faces.keys[static_cast<size_t>(i)];
        key.caption = captionAt(kPhoneticKeys, i);
        key.enabled = isTriggerCaption(key.caption, phonetic);
        key.pointSize = panelPointSize + 1;
        key.letter = isLetter(key.caption, u'A');
    }
    for (int i = 0; i < KeyPanelFaces::legendCount; ++i) {
        KeyFace& legend = faces.legends[static_cast<size_t>(i)];
        legend.caption = captionAt(kPhoneticLegends, i);
        legend.enabled = isTriggerCaption(legend.caption, phonetic);
        legend.pointSize = panelPointSize;
        legend.letter = i < KeyPanelFaces::keyCount && faces.keys[static_cast<size_t>(i)].letter;
    }
    return faces;
}

KeyPanelFaces initialKeyboardFaces(int legendPointSize)
{
    KeyPanelFaces faces;
    for (KeyFace& key : faces.keys)
        key.pointSize = kKeyboardInitialKeySize;
    for (KeyFace& legend : faces.legends)
        legend.pointSize = legendPointSize;
    return faces;
}

KeyPanelFaces keyboardFaces(ScriptLayout layout, KeyLevel level, const TableSet& foreign, const KeyPanelFaces& previous)
{
    const bool greek = layout == ScriptLayout::Greek;
    KeyPanelFaces faces;
    for (int i = 0; i < KeyPanelFaces::keyCount; ++i) {
        const auto at = static_cast<size_t>(i);
        KeyFace& key = faces.keys[at];
        key.caption = ScriptLayouts::keyCaption(layout, level, i).toString();
        key.enabled = !key.caption.isEmpty();
        if (greek) {
            key.pointSize = previous.keys[at].pointSize;
            if (ScriptLayouts::deadKeyAt(layout, level, i))
                key.ink = KeyInk::Blue;
        } else {
            key.bold = isTriggerCaption(key.caption, foreign);
            key.ink = key.bold ? KeyInk::Red : KeyInk::Black;
            key.pointSize = key.bold ? 17 : 15;
        }
    }
    for (int i = 0; i < KeyPanelFaces::legendCount; ++i) {
        const auto at = static_cast<size_t>(i);
        KeyFace& legend = faces.legends[at];
        legend.caption = ScriptLayouts::legendCaption(level, i).toString();
        legend.pointSize = greek ? previous.legends[at].pointSize : 12;
    }
    return faces;
}

} // namespace pelinor::core
