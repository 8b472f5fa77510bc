#include "core/input/candidatewindowplacement.h"

namespace pelinor::core {

QPoint candidateWindowPosition(QPoint caret, QSize windowSize, const QRect& screen)
{
    int left = caret.x();
    const int top = caret.y() - windowSize.height() - kCandidateWindowGap;
    const int screenRight = screen.x() + screen.width();
    if (left + windowSize.width() > screenRight)
        left = screenRight - windowSize.width() - kCandidateWindowGap;
    return {left, top};
}

} // namespace pelinor::core
