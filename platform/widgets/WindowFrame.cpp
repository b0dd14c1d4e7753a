#include "platform/widgets/WindowFrame.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <xcb/xcb.h>

namespace widgets {

namespace {

// A window manager that offers the estimate answers at once; one that has stopped answering
// holds the showing no longer than this.
constexpr qint64 AnswerBoundMs = 500;

struct FreeReply
{
    void operator()(void* reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, false, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> Property(xcb_connection_t* x, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t longs)
{
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(x, xcb_get_property(x, false, window, name, type, 0, longs), nullptr));
}

// Whether the window manager running on `root` lists `atom` among what it does.
bool Offers(xcb_connection_t* x, xcb_window_t root, xcb_atom_t atom)
{
    const auto reply = Property(x, root, Atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

std::optional<QMargins> Extents(xcb_connection_t* x, xcb_window_t window, xcb_atom_t extents)
{
    const auto reply = Property(x, window, extents, XCB_ATOM_CARDINAL, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    // Left, right, top, bottom.
    return QMargins(int(value[0]), int(value[2]), int(value[1]), int(value[3]));
}

// Answering, openbox also sends the window a notice of a place it is not at (the frame of its
// estimate at the screen's corner); Qt would take it for the window's place once the window
// is shown. Such notices, until the window is mapped, are dropped.
class UnmappedNotices : public QObject, public QAbstractNativeEventFilter
{
public:
    using QObject::QObject;

    static UnmappedNotices& Instance()
    {
        static QPointer<UnmappedNotices> installed;
        if (!installed) {
            installed = new UnmappedNotices(qApp);
            qApp->installNativeEventFilter(installed);
        }
        return *installed;
    }

    std::set<xcb_window_t> asked;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t" || asked.empty())
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7f) {
        case XCB_MAP_NOTIFY:
            asked.erase(reinterpret_cast<const xcb_map_notify_event_t*>(event)->window);
            return false;
        case XCB_CONFIGURE_NOTIFY:
            // Sent by another client, not the X server.
            return (event->response_type & 0x80) &&
                   asked.count(reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window);
        default:
            return false;
        }
    }
};

// The window manager's own estimate for this window, from its type and hints, asked as the
// desktop standard lets a window not yet shown ask it.
std::optional<QMargins> AskWindowManager(xcb_connection_t* x, xcb_window_t window)
{
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
    if (!geometry)
        return std::nullopt;
    const xcb_window_t root = geometry->root;
    const xcb_atom_t request = Atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(x, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE || !Offers(x, root, request))
        return std::nullopt;
    UnmappedNotices::Instance().asked.insert(window);
    // What an earlier frame left there is not the answer.
    xcb_delete_property(x, window, extents);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(x, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(x);
    QElapsedTimer waited;
    waited.start();
    do {
        if (const std::optional<QMargins> frame = Extents(x, window, extents))
            return frame;
        QThread::msleep(1);
    } while (waited.elapsed() < AnswerBoundMs);
    return std::nullopt;
}

xcb_connection_t* X11Connection()
{
    // Qt's headless platform offers an X11 interface too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == QLatin1String("xcb"))
        return x11->connection();
    return nullptr;
}

} // namespace

std::optional<QMargins> ExpectedFrame(QWidget* window)
{
    const WId id = window->winId();
    if (xcb_connection_t* x = X11Connection())
        return AskWindowManager(x, xcb_window_t(id));
    if (const QWindow* handle = window->windowHandle())
        if (const QMargins frame = handle->frameMargins(); !frame.isNull())
            return frame;
    return std::nullopt;
}

} // namespace widgets
