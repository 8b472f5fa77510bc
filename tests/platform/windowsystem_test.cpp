#include "platform/desktopshellopener.h"
#include "platform/null/nullwindowsystem.h"
#include "platform/pastechord.h"
#include "platform/windowsystem.h"
#include "support/tempworld.h"

#include <QtTest>

using namespace pelinor;
using platform::PasteChord;

/// The parts of the window system that need no desktop: the paste chord by window class, the backend that
/// stands in where there is no X11 display, and opening files.
class WindowSystemTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pasteChordByWindowClass_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<PasteChord>("chord");
        const auto row
            = [](const char* name, QStringList names, PasteChord chord) { QTest::newRow(name) << names << chord; };
        // xterm and the rxvt family bind no key to the clipboard; Shift+Insert pastes PRIMARY.
        row("xterm instance and class", {QStringLiteral("xterm"), QStringLiteral("XTerm")}, PasteChord::ShiftInsert);
        row("uxterm", {QStringLiteral("uxterm"), QStringLiteral("UXTerm")}, PasteChord::ShiftInsert);
        row("xterm class alone", {QStringLiteral("XTerm")}, PasteChord::ShiftInsert);
        row("rxvt-unicode", {QStringLiteral("urxvt"), QStringLiteral("URxvt")}, PasteChord::ShiftInsert);
        row("rxvt-unicode by its package name", {QStringLiteral("rxvt-unicode"), QStringLiteral("URxvt")},
            PasteChord::ShiftInsert);
        row("rxvt", {QStringLiteral("rxvt"), QStringLiteral("XTerm")}, PasteChord::ShiftInsert);
        row("lxterminal (VTE)", {QStringLiteral("lxterminal"), QStringLiteral("Lxterminal")}, PasteChord::CtrlShiftV);
        row("sakura (VTE)", {QStringLiteral("sakura"), QStringLiteral("Sakura")}, PasteChord::CtrlShiftV);
        row("gnome-terminal", {QStringLiteral("gnome-terminal-server"), QStringLiteral("Gnome-terminal")},
            PasteChord::CtrlShiftV);
        row("konsole", {QStringLiteral("konsole"), QStringLiteral("konsole")}, PasteChord::CtrlShiftV);
        row("kitty", {QStringLiteral("kitty")}, PasteChord::CtrlShiftV);
        row("Alacritty", {QStringLiteral("Alacritty")}, PasteChord::CtrlShiftV);
        row("xfce4-terminal", {QStringLiteral("Xfce4-terminal")}, PasteChord::CtrlShiftV);
        row("tilix", {QStringLiteral("tilix"), QStringLiteral("Tilix")}, PasteChord::CtrlShiftV);
        row("terminator", {QStringLiteral("Terminator")}, PasteChord::CtrlShiftV);
        row("foot", {QStringLiteral("foot")}, PasteChord::CtrlShiftV);
        row("wezterm application id", {QStringLiteral("org.wezfurlong.wezterm")}, PasteChord::CtrlShiftV);
        row("class alone decides", {QStringLiteral("main"), QStringLiteral("kitty")}, PasteChord::CtrlShiftV);
        row("word processor", {QStringLiteral("libreoffice"), QStringLiteral("libreoffice-writer")}, PasteChord::CtrlV);
        row("browser", {QStringLiteral("Navigator"), QStringLiteral("firefox-esr")}, PasteChord::CtrlV);
        row("a name that merely contains one", {QStringLiteral("xterminal-notes"), QStringLiteral("Footnotes")},
            PasteChord::CtrlV);
        row("unknown window", {}, PasteChord::CtrlV);
        row("empty names", {QString(), QString()}, PasteChord::CtrlV);
    }

    void pasteChordByWindowClass()
    {
        QFETCH(QStringList, names);
        QFETCH(PasteChord, chord);
        QCOMPARE(platform::pasteChordName(platform::pasteChordFor(names)), platform::pasteChordName(chord));
        QCOMPARE(platform::pastesPrimarySelection(platform::pasteChordFor(names)), chord == PasteChord::ShiftInsert);
    }

    void nullBackendIsUnavailableAndHarmless()
    {
        platform::NullWindowSystem system;
        QVERIFY(!system.available());
        QVERIFY(!system.unavailableReason().isEmpty());
        QCOMPARE(system.foregroundWindow(), platform::WindowHandle(0));
        QVERIFY(system.windowTitle(42).isEmpty());
        QVERIFY(system.windowClass(42).isEmpty());
        QVERIFY(!system.windowExists(42));
        QVERIFY(system.isExcludedTarget(42));
        QVERIFY(!system.activateWindow(42));
        QVERIFY(!system.sendPaste(42));
    }

    void factoryWithoutAnXDisplayGivesAnUnavailableBackendThatSaysWhy()
    {
        // These tests run on Qt's offscreen platform.
        const std::unique_ptr<platform::WindowSystem> system = platform::createWindowSystem();
        QVERIFY(system);
        QVERIFY(!system->available());
        QVERIFY(!system->unavailableReason().isEmpty());
        QCOMPARE(system->foregroundWindow(), platform::WindowHandle(0));
        QVERIFY(!system->sendPaste(0));
    }

    void openingAMissingFileFailsWithoutStartingAnything()
    {
        test::TempWorld world;
        platform::DesktopShellOpener opener;
        QVERIFY(!opener.openFile(world.path(QStringLiteral("Help/Pelinor.html"))));
        QVERIFY(!opener.openFile(QString()));
    }
};

QTEST_MAIN(WindowSystemTest)
#include "windowsystem_test.moc"
