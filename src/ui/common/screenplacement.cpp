#include "ui/common/screenplacement.h"

#include "core/app/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace pelinor::ui {

namespace {

// The window manager's frame around `window`. Until the window has been framed (a window about to be shown
// for the first time) it is not known, and the style's title bar and frame stand in for it.
QMargins frameOf(const QWidget* window)
{
    if (const QWindow* handle = window->windowHandle()) {
        const QMargins known = handle->frameMargins();
        if (!known.isNull())
            return known;
    }
    const QStyle* style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int titleBar = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {border, titleBar + border, border, border};
}

} // namespace

QList<QRect> availableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

QRect placedOnScreens(const QWidget* window, const QRect& rect)
{
    return core::placeOnScreens(rect, availableScreenAreas(), frameOf(window));
}

} // namespace pelinor::ui
