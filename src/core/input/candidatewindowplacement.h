#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pelinor::core {

/// The gap between a candidate window and the caret above which it opens, and between the window and the
/// right edge of the screen when it is pulled back.
inline constexpr int kCandidateWindowGap = 8;

/// The top-left corner of a candidate window of `windowSize` that opens above a caret whose top-left corner
/// is `caret` in screen coordinates: its left edge at the caret, its bottom 8 pixels above the caret's top.
/// A window that would pass the right edge of `screen` is pulled back to end 8 pixels inside it; the top
/// is left as it is.
QPoint candidateWindowPosition(QPoint caret, QSize windowSize, const QRect& screen);

} // namespace pelinor::core
