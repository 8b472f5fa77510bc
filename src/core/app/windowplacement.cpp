#include "core/app/windowplacement.h"

#include <algorithm>
#include <cstdint>

namespace pelinor::core {

namespace {

std::int64_t area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height();
}

// Squared distance between two rectangles that do not overlap (0 when they touch or overlap).
std::int64_t gap(const QRect& a, const QRect& b)
{
    const std::int64_t dx = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const std::int64_t dy = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return dx * dx + dy * dy;
}

bool showsEnough(const QRect& framed, const QRect& screen)
{
    const QRect visible = framed.intersected(screen);
    return !visible.isEmpty() && visible.width() >= std::min(framed.width(), kMinimumVisiblePart.width())
        && visible.height() >= std::min(framed.height(), kMinimumVisiblePart.height());
}

// Moves [start, start + length) the shortest way into [low, high), which is at least `length` long.
int clampedStart(int start, int length, int low, int high)
{
    return std::clamp(start, low, std::max(low, high - length));
}

} // namespace

QRect mainWindowPlacement(int left, int top, int right, int bottom, const QSize& screen)
{
    QRect placed;
    if (left < 0) {
        const int width = 840;
        const int height = 710;
        placed = QRect(
            (screen.width() - width) / 2, screen.height() <= 768 ? 12 : (screen.height() - height) / 2, width, height);
    } else {
        placed = QRect(left, top, right - left, bottom - top);
    }
    placed.setWidth(std::max(placed.width(), kMainWindowMinimumSize.width()));
    placed.setHeight(std::max(placed.height(), kMainWindowMinimumSize.height()));
    return placed;
}

QRect placeOnScreens(const QRect& window, const QList<QRect>& screens, const QMargins& frame)
{
    const QRect framed = window.marginsAdded(frame);
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
            return showsEnough(framed, screen);
        }))
        return window;

    const auto nearest = std::min_element(screens.begin(), screens.end(), [&](const QRect& a, const QRect& b) {
        const std::int64_t overlapA = area(framed.intersected(a));
        const std::int64_t overlapB = area(framed.intersected(b));
        if (overlapA != overlapB)
            return overlapA > overlapB;
        return gap(framed, a) < gap(framed, b);
    });
    const QRect screen = *nearest;
    const QRect room = screen.marginsRemoved(frame);
    const int width = std::max(1, std::min(window.width(), room.width()));
    const int height = std::max(1, std::min(window.height(), room.height()));
    const int left = clampedStart(window.left(), width, room.left(), room.left() + room.width());
    const int top = clampedStart(window.top(), height, room.top(), room.top() + room.height());
    return {left, top, width, height};
}

} // namespace pelinor::core
