#include "platform/pastechord.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>

namespace pelinor::platform {

namespace {

// Lower-case WM_CLASS instance and class names, and application ids, of the common terminal emulators.
constexpr std::array terminalClasses{
    QLatin1StringView("xterm"),
    QLatin1StringView("uxterm"),
    QLatin1StringView("gnome-terminal"),
    QLatin1StringView("gnome-terminal-server"),
    QLatin1StringView("org.gnome.terminal"),
    QLatin1StringView("org.gnome.console"),
    QLatin1StringView("kgx"),
    QLatin1StringView("org.gnome.ptyxis"),
    QLatin1StringView("ptyxis"),
    QLatin1StringView("konsole"),
    QLatin1StringView("org.kde.konsole"),
    QLatin1StringView("yakuake"),
    QLatin1StringView("kitty"),
    QLatin1StringView("alacritty"),
    QLatin1StringView("urxvt"),
    QLatin1StringView("rxvt"),
    QLatin1StringView("urxvt-unicode"),
    QLatin1StringView("xfce4-terminal"),
    QLatin1StringView("tilix"),
    QLatin1StringView("com.gexperts.tilix"),
    QLatin1StringView("terminator"),
    QLatin1StringView("foot"),
    QLatin1StringView("footclient"),
    QLatin1StringView("wezterm"),
    QLatin1StringView("org.wezfurlong.wezterm"),
    QLatin1StringView("lxterminal"),
    QLatin1StringView("mate-terminal"),
    QLatin1StringView("qterminal"),
    QLatin1StringView("terminology"),
    QLatin1StringView("sakura"),
    QLatin1StringView("st"),
    QLatin1StringView("st-256color"),
    QLatin1StringView("guake"),
    QLatin1StringView("tilda"),
    QLatin1StringView("terminal"),
    QLatin1StringView("cool-retro-term"),
    QLatin1StringView("deepin-terminal"),
    QLatin1StringView("roxterm"),
    QLatin1StringView("eterm"),
    QLatin1StringView("ghostty"),
    QLatin1StringView("com.mitchellh.ghostty"),
    QLatin1StringView("contour"),
    QLatin1StringView("blackbox"),
    QLatin1StringView("com.raggesilver.blackbox"),
};

} // namespace

bool isTerminalWindowClass(const QString& name)
{
    const QString lower = name.trimmed().toLower();
    if (lower.isEmpty())
        return false;
    return std::any_of(
        terminalClasses.begin(), terminalClasses.end(), [&lower](QLatin1StringView known) { return lower == known; });
}

PasteChord pasteChordFor(const QStringList& names)
{
    return std::any_of(names.begin(), names.end(), isTerminalWindowClass) ? PasteChord::CtrlShiftV : PasteChord::CtrlV;
}

QString pasteChordName(PasteChord chord)
{
    return chord == PasteChord::CtrlShiftV ? QStringLiteral("Ctrl+Shift+V") : QStringLiteral("Ctrl+V");
}

} // namespace pelinor::platform
