#include "core/app/windowplacement.h"

#include <gtest/gtest.h>

using pelinor::core::mainWindowPlacement;

TEST(MainWindowPlacement, StoredOrCentredWithinMinimum)
{
    struct Case {
        const char* name;
        int left, top, right, bottom;
        QSize screen;
        QRect expected;
    };
    const Case cases[] = {
        {"no stored geometry, tall screen", -100, -100, -200, -200, {1920, 1080}, {540, 185, 840, 710}},
        {"no stored geometry, 768 high", -100, -100, -200, -200, {1366, 768}, {263, 12, 840, 710}},
        {"odd sizes round towards zero", -100, -100, -200, -200, {1281, 1023}, {220, 156, 840, 710}},
        {"screen narrower than the window", -100, -100, -200, -200, {800, 600}, {-20, 12, 840, 710}},
        {"left of the screen edge counts as none", -8, 40, 900, 800, {1920, 1080}, {540, 185, 840, 710}},
        {"stored", 10, 20, 1010, 820, {1920, 1080}, {10, 20, 1000, 800}},
        {"stored at the very corner", 0, 0, 700, 520, {1920, 1080}, {0, 0, 700, 520}},
        {"stored top may be negative", 10, -5, 1010, 795, {1920, 1080}, {10, -5, 1000, 800}},
        {"too small is raised to the minimum", 10, 20, 110, 120, {1920, 1080}, {10, 20, 680, 500}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mainWindowPlacement(c.left, c.top, c.right, c.bottom, c.screen), c.expected) << c.name;
}

TEST(PlaceOnScreens, KeepsAVisibleWindowAndBringsBackALostOne)
{
    using pelinor::core::placeOnScreens;
    // A 1920 × 1080 monitor with a 30-pixel panel at the bottom; a second one of 1280 × 1024 had stood to its
    // right.
    const QRect primary(0, 0, 1920, 1050);
    const QRect second(1920, 0, 1280, 1024);
    const QRect small(0, 0, 1366, 738);
    const QRect panelOnTop(0, 30, 1920, 1050);
    const QMargins titleBar(1, 25, 1, 1);
    struct Case {
        const char* name;
        QRect window;
        QList<QRect> screens;
        QMargins frame;
        QRect expected;
    };
    const Case cases[] = {
        {"on the screen", {100, 80, 900, 720}, {primary}, {}, {100, 80, 900, 720}},
        {"partly off the right edge", {1500, 80, 900, 720}, {primary}, {}, {1500, 80, 900, 720}},
        {"partly above the top edge", {100, -500, 900, 720}, {primary}, {}, {100, -500, 900, 720}},
        {"larger than the screen but on it", {-10, -10, 2500, 1400}, {primary}, {}, {-10, -10, 2500, 1400}},
        {"82 × 25 pixels showing", {1838, 1025, 840, 710}, {primary}, {}, {1080, 340, 840, 710}},
        {"on a removed monitor to the right", {2200, 100, 840, 710}, {primary}, {}, {1080, 100, 840, 710}},
        {"on a removed monitor to the left", {-1500, 200, 840, 710}, {primary}, {}, {0, 200, 840, 710}},
        {"on a removed monitor below", {300, 1300, 840, 710}, {primary}, {}, {300, 340, 840, 710}},
        {"on a removed monitor above, under a top panel", {300, -900, 840, 710}, {panelOnTop}, {}, {300, 30, 840, 710}},
        {"larger than the screen it comes back to", {2000, 50, 1600, 900}, {small}, {}, {0, 0, 1366, 738}},
        {"on the second of two screens", {2000, 100, 840, 710}, {primary, second}, {}, {2000, 100, 840, 710}},
        {"across both screens", {1500, 100, 840, 710}, {primary, second}, {}, {1500, 100, 840, 710}},
        {"beyond the second screen", {3400, 100, 840, 710}, {primary, second}, {}, {2360, 100, 840, 710}},
        {"below the shorter second screen goes to it", {2000, 1100, 840, 710}, {primary, second}, {},
            {2000, 314, 840, 710}},
        {"a corner on the second screen", {3150, 1000, 840, 710}, {primary, second}, {}, {2360, 314, 840, 710}},
        {"the frame stays on the screen too", {2200, 100, 840, 710}, {primary}, titleBar, {1079, 100, 840, 710}},
        {"the title bar comes down from above", {300, -2000, 840, 710}, {primary}, titleBar, {300, 25, 840, 710}},
        {"a framed window capped at the screen", {5000, 50, 2000, 1200}, {primary}, titleBar, {1, 25, 1918, 1024}},
        {"no screens known", {5000, 5000, 840, 710}, {}, {}, {5000, 5000, 840, 710}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeOnScreens(c.window, c.screens, c.frame), c.expected) << c.name;
}
