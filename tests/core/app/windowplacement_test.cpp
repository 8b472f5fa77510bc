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
