#pragma once

#include <QRect>
#include <QSize>

namespace pelinor::core {

/// Where the main window opens, from the stored edges (right = left + width, bottom = top + height); a
/// left edge below 0 means no stored geometry, and the window is then centred at 840 × 710 (at top 12 on
/// screens up to 768 pixels high). The minimum window size of 680 × 500 always applies.
QRect mainWindowPlacement(int left, int top, int right, int bottom, const QSize& screen);

/// The minimum size of the main window.
inline constexpr QSize kMainWindowMinimumSize{680, 500};

} // namespace pelinor::core
