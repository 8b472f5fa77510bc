#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace pelinor::ui {

/// The areas of all screens that windows may take (without panels and docks).
QList<QRect> availableScreenAreas();

/// `rect`, the place a top-level `window` is about to take (without its frame, as setGeometry() takes it),
/// brought onto the screens when it lies off all of them, for instance on a monitor that has since been
/// removed. A window brought back keeps its title bar and borders on the screen too.
QRect placedOnScreens(const QWidget* window, const QRect& rect);

} // namespace pelinor::ui
