#include "platform/x11/x11windowsystem.h"

#include "platform/pastechord.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace pelinor::platform {

namespace {

// Replies and errors of xcb are malloc'ed.
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbPtr = std::unique_ptr<T, FreeDeleter>;

constexpr quint32 keysymControlL = 0xffe3;
constexpr quint32 keysymControlR = 0xffe4;
constexpr quint32 keysymShiftL = 0xffe1;
constexpr quint32 keysymShiftR = 0xffe2;
constexpr quint32 keysymLowerV = 0x0076;
constexpr quint32 keysymUpperV = 0x0056;
constexpr quint32 keysymInsert = 0xff63;

// EWMH source indication "pager": the request comes on the user's behalf, so focus-stealing prevention of
// the window manager does not apply.
constexpr quint32 sourceIndicationPager = 2;

// Limit of a title or class read, in 32-bit units.
constexpr quint32 maxTextUnits = 4096;

xcb_window_t toXcb(WindowHandle window)
{
    return window > std::numeric_limits<xcb_window_t>::max() ? XCB_NONE : static_cast<xcb_window_t>(window);
}

QByteArray withoutTrailingNuls(QByteArray bytes)
{
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

} // namespace

QList<quint32> X11WindowSystem::Property::items() const
{
    QList<quint32> result;
    if (format != 32)
        return result;
    const qsizetype count = data.size() / qsizetype(sizeof(quint32));
    result.resize(count);
    std::memcpy(result.data(), data.constData(), static_cast<size_t>(count) * sizeof(quint32));
    return result;
}

X11WindowSystem::X11WindowSystem(xcb_connection_t* connection, int screenNumber, QObject* parent)
    : WindowSystem(parent)
    , m_connection(connection)
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return;

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; screens.rem > 0; ++i, xcb_screen_next(&screens)) {
        if (i == screenNumber || m_root == 0)
            m_root = screens.data->root;
        if (i == screenNumber)
            break;
    }

    static constexpr std::array<const char*, AtomCount> names{
        "_NET_ACTIVE_WINDOW",
        "_NET_SUPPORTED",
        "_NET_SUPPORTING_WM_CHECK",
        "_NET_WM_NAME",
        "UTF8_STRING",
        "_NET_WM_WINDOW_TYPE",
        "_NET_WM_WINDOW_TYPE_DESKTOP",
        "_NET_WM_WINDOW_TYPE_DOCK",
    };
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(m_connection, 0, static_cast<quint16>(std::strlen(names[i])), names[i]);
    for (size_t i = 0; i < names.size(); ++i) {
        xcb_generic_error_t* error = nullptr;
        XcbPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookies[i], &error));
        std::free(error);
        m_atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(m_connection, &xcb_test_id);
    m_hasXTest = xtest && xtest->present;

    followQtApplicationState();
}

std::unique_ptr<X11WindowSystem> X11WindowSystem::fromQtApplication()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1StringView("xcb"))
        return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return nullptr;
    // Qt connects to the default screen of $DISPLAY.
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    const QByteArray name = qgetenv("DISPLAY");
    if (!xcb_parse_display(name.isEmpty() ? nullptr : name.constData(), &host, &display, &screen))
        screen = 0;
    std::free(host);
    return std::make_unique<X11WindowSystem>(x11->connection(), screen);
}

bool X11WindowSystem::available() const
{
    return m_connection && !xcb_connection_has_error(m_connection) && m_root != 0;
}

QString X11WindowSystem::unavailableReason() const
{
    return available() ? QString() : tr("The connection to the X11 display is broken.");
}

std::optional<X11WindowSystem::Property> X11WindowSystem::readProperty(
    quint32 window, quint32 property, quint32 type, quint32 maxItems) const
{
    if (!available() || window == XCB_NONE || property == XCB_ATOM_NONE)
        return std::nullopt;
    // Errors of requests with a reply come back here rather than to Qt's event queue, so a window that
    // vanished in the meantime is simply "no property".
    xcb_generic_error_t* error = nullptr;
    XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, maxItems), &error));
    std::free(error);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return std::nullopt;
    if (type != XCB_GET_PROPERTY_TYPE_ANY && reply->type != type)
        return std::nullopt;
    Property result;
    result.type = reply->type;
    result.format = reply->format;
    const int length = xcb_get_property_value_length(reply.get());
    if (length > 0)
        result.data = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
    return result;
}

bool X11WindowSystem::hasEwmhActiveWindow() const
{
    // A window manager that died leaves its properties on the root window; the check window proves it lives.
    const auto check = readProperty(m_root, m_atoms[NetSupportingWmCheck], XCB_ATOM_WINDOW, 1);
    if (!check || check->items().isEmpty())
        return false;
    const quint32 wmWindow = check->items().first();
    const auto self = readProperty(wmWindow, m_atoms[NetSupportingWmCheck], XCB_ATOM_WINDOW, 1);
    if (!self || self->items().value(0) != wmWindow)
        return false;
    const auto supported = readProperty(m_root, m_atoms[NetSupported], XCB_ATOM_ATOM, 4096);
    return supported && supported->items().contains(m_atoms[NetActiveWindow]);
}

quint32 X11WindowSystem::ewmhActiveWindow() const
{
    const auto active = readProperty(m_root, m_atoms[NetActiveWindow], XCB_ATOM_WINDOW, 1);
    const quint32 window = active ? active->items().value(0) : XCB_NONE;
    return window == m_root ? XCB_NONE : window;
}

quint32 X11WindowSystem::focusedTopLevel() const
{
    xcb_generic_error_t* error = nullptr;
    XcbPtr<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), &error));
    std::free(error);
    if (!focus)
        return XCB_NONE;
    xcb_window_t window = focus->focus;
    // None and PointerRoot are 0 and 1.
    for (int depth = 0; depth < 64 && window > 1 && window != m_root; ++depth) {
        XcbPtr<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, window), &error));
        std::free(error);
        error = nullptr;
        if (!tree)
            return XCB_NONE;
        if (tree->parent == m_root)
            return window;
        window = tree->parent;
    }
    return XCB_NONE;
}

WindowHandle X11WindowSystem::foregroundWindow() const
{
    if (!available())
        return 0;
    return hasEwmhActiveWindow() ? ewmhActiveWindow() : focusedTopLevel();
}

QString X11WindowSystem::windowTitle(WindowHandle handle) const
{
    const xcb_window_t window = toXcb(handle);
    if (window == XCB_NONE)
        return {};
    if (const auto name = readProperty(window, m_atoms[NetWmName], m_atoms[Utf8String], maxTextUnits);
        name && name->format == 8 && !name->data.isEmpty())
        return QString::fromUtf8(withoutTrailingNuls(name->data));
    const auto name = readProperty(window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, maxTextUnits);
    if (!name || name->format != 8)
        return {};
    if (name->type == m_atoms[Utf8String])
        return QString::fromUtf8(withoutTrailingNuls(name->data));
    // STRING is Latin-1; of COMPOUND_TEXT only its Latin-1 part reads right this way.
    return QString::fromLatin1(withoutTrailingNuls(name->data));
}

QStringList X11WindowSystem::wmClassNames(quint32 window) const
{
    QStringList names;
    const auto wmClass = readProperty(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, maxTextUnits);
    if (!wmClass || wmClass->format != 8)
        return names;
    // Instance name and class name, each ended by a NUL.
    for (const QByteArray& part : wmClass->data.split('\0')) {
        if (!part.isEmpty())
            names.append(QString::fromLatin1(part));
    }
    return names;
}

QString X11WindowSystem::windowClass(WindowHandle handle) const
{
    const QStringList names = wmClassNames(toXcb(handle));
    return names.isEmpty() ? QString() : names.last();
}

bool X11WindowSystem::windowExists(WindowHandle handle) const
{
    const xcb_window_t window = toXcb(handle);
    if (!available() || window == XCB_NONE)
        return false;
    xcb_generic_error_t* error = nullptr;
    XcbPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), &error));
    std::free(error);
    return attributes != nullptr;
}

bool X11WindowSystem::isExcludedTarget(WindowHandle handle) const
{
    const xcb_window_t window = toXcb(handle);
    if (window == XCB_NONE || window == m_root || !windowExists(window))
        return true;
    const auto types = readProperty(window, m_atoms[NetWmWindowType], XCB_ATOM_ATOM, 64);
    if (!types)
        return false;
    const QList<quint32> atoms = types->items();
    return atoms.contains(m_atoms[NetWmWindowTypeDesktop]) || atoms.contains(m_atoms[NetWmWindowTypeDock]);
}

template <typename Condition> bool X11WindowSystem::waitFor(quint32 window, Condition condition) const
{
    const QDeadlineTimer deadline(m_activationTimeout);
    for (;;) {
        if (condition())
            return true;
        if (deadline.hasExpired() || !windowExists(window))
            return false;
        QThread::msleep(10);
    }
}

bool X11WindowSystem::activateWindow(WindowHandle handle)
{
    const xcb_window_t window = toXcb(handle);
    if (!windowExists(window) || window == m_root)
        return false;

    if (hasEwmhActiveWindow()) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = m_atoms[NetActiveWindow];
        event.data.data32[0] = sourceIndicationPager;
        event.data.data32[1] = XCB_CURRENT_TIME;
        event.data.data32[2] = ewmhActiveWindow();
        const xcb_void_cookie_t sent = xcb_send_event_checked(m_connection, 0, m_root,
            XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
            reinterpret_cast<const char*>(&event));
        if (XcbPtr<xcb_generic_error_t> error{xcb_request_check(m_connection, sent)})
            return false;
        // The window manager decides; it may refuse, and then the active window stays as it was.
        return waitFor(window, [this, window] { return ewmhActiveWindow() == window; });
    }

    // No window manager that speaks EWMH: raise the window and give it the focus ourselves. Only a mapped
    // window can take the focus.
    xcb_generic_error_t* error = nullptr;
    XcbPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), &error));
    std::free(error);
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
        return false;
    const quint32 above = XCB_STACK_MODE_ABOVE;
    const xcb_void_cookie_t raised
        = xcb_configure_window_checked(m_connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    const xcb_void_cookie_t focused
        = xcb_set_input_focus_checked(m_connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    XcbPtr<xcb_generic_error_t> raiseError{xcb_request_check(m_connection, raised)};
    XcbPtr<xcb_generic_error_t> focusError{xcb_request_check(m_connection, focused)};
    if (focusError)
        return false;
    return waitFor(window, [this, window] { return focusedTopLevel() == window; });
}

quint8 X11WindowSystem::keycodeFor(std::initializer_list<quint32> keysyms) const
{
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const xcb_keycode_t first = setup->min_keycode;
    const auto count = static_cast<quint8>(setup->max_keycode - setup->min_keycode + 1);
    xcb_generic_error_t* error = nullptr;
    XcbPtr<xcb_get_keyboard_mapping_reply_t> mapping(
        xcb_get_keyboard_mapping_reply(m_connection, xcb_get_keyboard_mapping(m_connection, first, count), &error));
    std::free(error);
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int length = xcb_get_keyboard_mapping_keysyms_length(mapping.get());
    const int perKey = mapping->keysyms_per_keycode;
    // Column by column, so that a key of the first group (the plain layout) wins over a shifted or other-group
    // one.
    for (int column = 0; column < perKey; ++column) {
        for (int index = column; index < length; index += perKey) {
            if (std::find(keysyms.begin(), keysyms.end(), symbols[index]) != keysyms.end())
                return static_cast<quint8>(first + index / perKey);
        }
    }
    return 0;
}

bool X11WindowSystem::sendPaste(WindowHandle target)
{
    if (!available() || !m_hasXTest)
        return false;
    const PasteChord chord = pasteChordFor(wmClassNames(toXcb(target)));
    const quint8 control = keycodeFor({keysymControlL, keysymControlR});
    const quint8 shift = keycodeFor({keysymShiftL, keysymShiftR});
    const quint8 v = keycodeFor({keysymLowerV, keysymUpperV});
    const quint8 insert = keycodeFor({keysymInsert});

    // The keys held down around the chord's key, outermost first.
    QList<quint8> modifiers;
    quint8 key = 0;
    switch (chord) {
    case PasteChord::CtrlV:
        modifiers = {control};
        key = v;
        break;
    case PasteChord::CtrlShiftV:
        modifiers = {control, shift};
        key = v;
        break;
    case PasteChord::ShiftInsert:
        modifiers = {shift};
        key = insert;
        break;
    }
    if (key == 0 || modifiers.contains(0))
        return false;
    if (pastesPrimarySelection(chord))
        copyClipboardTextToPrimarySelection();

    struct Stroke {
        quint8 type;
        quint8 key;
    };
    QList<Stroke> strokes;
    for (quint8 modifier : std::as_const(modifiers))
        strokes.append({XCB_KEY_PRESS, modifier});
    strokes.append({{XCB_KEY_PRESS, key}, {XCB_KEY_RELEASE, key}});
    for (auto it = modifiers.crbegin(); it != modifiers.crend(); ++it)
        strokes.append({XCB_KEY_RELEASE, *it});

    QList<xcb_void_cookie_t> cookies;
    for (const Stroke& stroke : strokes)
        cookies.append(
            xcb_test_fake_input_checked(m_connection, stroke.type, stroke.key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0));
    bool ok = true;
    for (const xcb_void_cookie_t& cookie : cookies) {
        if (XcbPtr<xcb_generic_error_t> error{xcb_request_check(m_connection, cookie)})
            ok = false;
    }
    return ok;
}

} // namespace pelinor::platform
