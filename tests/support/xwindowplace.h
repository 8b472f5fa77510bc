#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace pelinor::test {

/// Where a top-level window is as the X server has it now. Qt's own frame geometry of a widget is the frame
/// it measured at one moment while the window manager was framing the window, and may be stale; this is
/// asked afresh each time.
struct WindowOnXServer {
    /// The window's own area in root coordinates.
    QRect client;
    /// The window manager's frame around it (the window's outermost ancestor below the root), in root
    /// coordinates; equal to `client` while the window is not framed.
    QRect frame;
    /// Whether the window manager has framed the window (it is no longer a child of the root).
    bool framed = false;
};

/// The X server's answer for `window`; all empty when the program does not run on X or the window is not
/// created.
inline WindowOnXServer windowOnXServer(const QWidget& window)
{
    WindowOnXServer place;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window.testAttribute(Qt::WA_WState_Created))
        return place;
    xcb_connection_t* connection = x11->connection();
    const auto client = static_cast<xcb_window_t>(window.winId());
    const auto release = [](void* reply) { std::free(reply); };

    std::unique_ptr<xcb_get_geometry_reply_t, decltype(release)> own(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, client), nullptr), release);
    if (!own)
        return place;
    const xcb_window_t root = own->root;
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(release)> onRoot(
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, client, root, 0, 0), nullptr),
        release);
    if (!onRoot)
        return place;
    place.client = QRect(onRoot->dst_x, onRoot->dst_y, own->width, own->height);

    // Up the tree to the ancestor whose parent is the root: the window manager's frame.
    xcb_window_t outermost = client;
    for (;;) {
        std::unique_ptr<xcb_query_tree_reply_t, decltype(release)> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, outermost), nullptr), release);
        if (!tree || tree->parent == XCB_WINDOW_NONE)
            return {};
        if (tree->parent == root)
            break;
        outermost = tree->parent;
    }
    if (outermost == client) {
        place.frame = place.client;
        return place;
    }
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(release)> frame(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, outermost), nullptr), release);
    if (!frame)
        return {};
    // The frame's own border, if the window manager gives it one, lies outside its x, y, width and height.
    const int border = frame->border_width;
    place.frame = QRect(frame->x, frame->y, frame->width + 2 * border, frame->height + 2 * border);
    place.framed = true;
    return place;
}

} // namespace pelinor::test
