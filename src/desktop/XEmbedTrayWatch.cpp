#include "desktop/XEmbedTrayWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tidewick {

struct XEmbedTrayWatch::Connection {
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t selection = 0; // _NET_SYSTEM_TRAY_S0
    xcb_atom_t manager = 0;   // MANAGER
};

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// Adds `mask` to the events this connection takes from `window`, keeping the
// ones it took already (Qt's, on the root window).
void addEvents(xcb_connection_t *connection, xcb_window_t window, uint32_t mask)
{
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    if (!attributes)
        return;
    const uint32_t events = attributes->your_event_mask | mask;
    std::free(attributes);
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &events);
}

} // namespace

XEmbedTrayWatch::XEmbedTrayWatch(QObject *parent) : QObject(parent)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    m_x = new Connection;
    m_x->connection = x11->connection();
    m_x->root = xcb_setup_roots_iterator(xcb_get_setup(m_x->connection)).data->root;
    m_x->selection = atom(m_x->connection, "_NET_SYSTEM_TRAY_S0");
    m_x->manager = atom(m_x->connection, "MANAGER");
    addEvents(m_x->connection, m_x->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    followOwner();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

XEmbedTrayWatch::~XEmbedTrayWatch()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    delete m_x;
}

// The tray's own window, watched for its end.
void XEmbedTrayWatch::followOwner()
{
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
        m_x->connection, xcb_get_selection_owner(m_x->connection, m_x->selection), nullptr);
    m_owner = reply ? reply->owner : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    if (m_owner != XCB_WINDOW_NONE)
        addEvents(m_x->connection, m_owner, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    xcb_flush(m_x->connection);
}

// Once Qt has taken the same event in: until then it would still tell of the
// tray as it was.
void XEmbedTrayWatch::tellLater()
{
    QMetaObject::invokeMethod(this, &XEmbedTrayWatch::changed, Qt::QueuedConnection);
}

bool XEmbedTrayWatch::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_x || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & ~0x80) {
    case XCB_CLIENT_MESSAGE: {
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        if (client->type == m_x->manager && client->data.data32[1] == m_x->selection) {
            followOwner();
            tellLater();
        }
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (m_owner != XCB_WINDOW_NONE && static_cast<const xcb_destroy_notify_event_t *>(message)->window == m_owner) {
            m_owner = XCB_WINDOW_NONE;
            tellLater();
        }
        break;
    }
    return false; // Qt's own handling goes on
}

} // namespace tidewick
