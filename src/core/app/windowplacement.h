#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace pelinor::core {

/// Where the main window opens, from the stored edges (right = left + width, bottom = top + height); a
/// left edge below 0 means no stored geometry, and the window is then centred at 840 × 710 (at top 12 on
/// screens up to 768 pixels high). The minimum window size of 680 × 500 always applies.
QRect mainWindowPlacement(int left, int top, int right, int bottom, const QSize& screen);

/// The minimum size of the main window.
inline constexpr QSize kMainWindowMinimumSize{680, 500};

/// How much of a window must show on one screen for its stored place to stand: enough to see it and to
/// take hold of it (a window smaller than this must show whole).
inline constexpr QSize kMinimumVisiblePart{200, 100};

/// Keeps a window on the screens whose available areas are `screens`. `window` is the rectangle the window
/// would take and `frame` the window manager's frame around it, so that a moved window keeps its title bar
/// on the screen too. When at least `kMinimumVisiblePart` of the framed window lies on one screen, `window`
/// is returned as it is. Otherwise (the screen it was on has been removed, or the screens were rearranged)
/// the window goes to the nearest screen: the one it overlaps most, or, overlapping none, the one closest
/// to it; there it is capped at the screen's size and moved the shortest way until it lies wholly on it.
/// With no screens, `window` stays as it is.
QRect placeOnScreens(const QRect& window, const QList<QRect>& screens, const QMargins& frame = {});

} // namespace pelinor::core
