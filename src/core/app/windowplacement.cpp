#include "core/app/windowplacement.h"

#include <algorithm>

namespace pelinor::core {

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

} // namespace pelinor::core
