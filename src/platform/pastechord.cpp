#include "platform/pastechord.h"

#include <QLatin1StringView>

#include <algorithm>
#include <iterator>

namespace pelinor::platform {

namespace {

struct TerminalRule {
    QLatin1StringView name;
    PasteChord chord;
};

// The terminal emulators by lower-case WM_CLASS instance or class name, or application id, with their paste
// chord. Most bind Ctrl+Shift+V to the clipboard; xterm and the rxvt family bind nothing to it in their default
// set-up (Ctrl+Shift+V reaches the shell as ^V), but paste the PRIMARY selection on Shift+Insert.
constexpr TerminalRule terminalRules[] = {
    {QLatin1StringView("xterm"), PasteChord::ShiftInsert},
    {QLatin1StringView("uxterm"), PasteChord::ShiftInsert},
    {QLatin1StringView("gnome-terminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("gnome-terminal-server"), PasteChord::CtrlShiftV},
    {QLatin1StringView("org.gnome.terminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("org.gnome.console"), PasteChord::CtrlShiftV},
    {QLatin1StringView("kgx"), PasteChord::CtrlShiftV},
    {QLatin1StringView("org.gnome.ptyxis"), PasteChord::CtrlShiftV},
    {QLatin1StringView("ptyxis"), PasteChord::CtrlShiftV},
    {QLatin1StringView("konsole"), PasteChord::CtrlShiftV},
    {QLatin1StringView("org.kde.konsole"), PasteChord::CtrlShiftV},
    {QLatin1StringView("yakuake"), PasteChord::CtrlShiftV},
    {QLatin1StringView("kitty"), PasteChord::CtrlShiftV},
    {QLatin1StringView("alacritty"), PasteChord::CtrlShiftV},
    {QLatin1StringView("urxvt"), PasteChord::ShiftInsert},
    {QLatin1StringView("rxvt"), PasteChord::ShiftInsert},
    {QLatin1StringView("urxvt-unicode"), PasteChord::ShiftInsert},
    {QLatin1StringView("rxvt-unicode"), PasteChord::ShiftInsert},
    {QLatin1StringView("xfce4-terminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("tilix"), PasteChord::CtrlShiftV},
    {QLatin1StringView("com.gexperts.tilix"), PasteChord::CtrlShiftV},
    {QLatin1StringView("terminator"), PasteChord::CtrlShiftV},
    {QLatin1StringView("foot"), PasteChord::CtrlShiftV},
    {QLatin1StringView("footclient"), PasteChord::CtrlShiftV},
    {QLatin1StringView("wezterm"), PasteChord::CtrlShiftV},
    {QLatin1StringView("org.wezfurlong.wezterm"), PasteChord::CtrlShiftV},
    {QLatin1StringView("lxterminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("mate-terminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("qterminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("terminology"), PasteChord::CtrlShiftV},
    {QLatin1StringView("sakura"), PasteChord::CtrlShiftV},
    {QLatin1StringView("st"), PasteChord::CtrlShiftV},
    {QLatin1StringView("st-256color"), PasteChord::CtrlShiftV},
    {QLatin1StringView("guake"), PasteChord::CtrlShiftV},
    {QLatin1StringView("tilda"), PasteChord::CtrlShiftV},
    {QLatin1StringView("terminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("cool-retro-term"), PasteChord::CtrlShiftV},
    {QLatin1StringView("deepin-terminal"), PasteChord::CtrlShiftV},
    {QLatin1StringView("roxterm"), PasteChord::CtrlShiftV},
    {QLatin1StringView("eterm"), PasteChord::ShiftInsert},
    {QLatin1StringView("ghostty"), PasteChord::CtrlShiftV},
    {QLatin1StringView("com.mitchellh.ghostty"), PasteChord::CtrlShiftV},
    {QLatin1StringView("contour"), PasteChord::CtrlShiftV},
    {QLatin1StringView("blackbox"), PasteChord::CtrlShiftV},
    {QLatin1StringView("com.raggesilver.blackbox"), PasteChord::CtrlShiftV},
};

const TerminalRule* terminalRuleOf(const QString& name)
{
    const QString lower = name.trimmed().toLower();
    if (lower.isEmpty())
        return nullptr;
    const auto* rule = std::find_if(std::begin(terminalRules), std::end(terminalRules),
        [&lower](const TerminalRule& known) { return lower == known.name; });
    return rule == std::end(terminalRules) ? nullptr : rule;
}

} // namespace

bool isTerminalWindowClass(const QString& name)
{
    return terminalRuleOf(name) != nullptr;
}

PasteChord pasteChordFor(const QStringList& names)
{
    for (const QString& name : names) {
        if (const TerminalRule* rule = terminalRuleOf(name))
            return rule->chord;
    }
    return PasteChord::CtrlV;
}

bool pastesPrimarySelection(PasteChord chord)
{
    return chord == PasteChord::ShiftInsert;
}

QString pasteChordName(PasteChord chord)
{
    switch (chord) {
    case PasteChord::CtrlV:
        break;
    case PasteChord::CtrlShiftV:
        return QStringLiteral("Ctrl+Shift+V");
    case PasteChord::ShiftInsert:
        return QStringLiteral("Shift+Insert");
    }
    return QStringLiteral("Ctrl+V");
}

} // namespace pelinor::platform
