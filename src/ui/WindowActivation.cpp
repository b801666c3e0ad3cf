// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace {

#if QT_CONFIG(xcb)
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

bool HasWindowManager(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
    const bool present = reply && xcb_get_property_value_length(reply) == 4;
    std::free(reply);
    return present;
}

// Qt asks with the time of the last event it saw, which is older than the
// player's new start, so the request is refused. Here the window is activated
// as the player's own request: through the window manager as a pager does it,
// or, with no window manager, by giving it the input focus directly.
void ActivateOnX11(QWidget& window, uint32_t time) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (HasWindowManager(connection, root)) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 2;  // a request on the player's behalf
        event.data.data32[1] = time;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    } else {
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(connection);
}

// Sends a startup-notification message to every launcher watching the screen,
// as the protocol has it: from a window of its own, made for this one message
// (listeners join the pieces by window), in pieces of 20 bytes, the first
// marked as a beginning, the closing NUL included.
void SendStartupMessage(xcb_connection_t* connection, const std::string& message) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_window_t from = xcb_generate_id(connection);
    xcb_create_window(connection, 0, from, root, -100, -100, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = from;
    event.type = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    const size_t length = message.size() + 1;
    for (size_t sent = 0; sent < length; sent += sizeof event.data.data8) {
        std::memset(event.data.data8, 0, sizeof event.data.data8);
        std::memcpy(event.data.data8, message.c_str() + sent,
                    std::min(length - sent, sizeof event.data.data8));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
        event.type = more;
    }
    xcb_destroy_window(connection, from);
    xcb_flush(connection);
}
#endif

}  // namespace

std::string StartupRemoveMessage(const std::string& startupId) {
    const bool plain = std::none_of(startupId.begin(), startupId.end(), [](unsigned char c) {
        return c <= ' ' || c == '"' || c == '\\' || c == 0x7f;
    });
    if (plain) return "remove: ID=" + startupId;
    std::string quoted = "remove: ID=\"";
    for (const char c : startupId) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

uint32_t StartupIdTime(const std::string& startupId) {
    const size_t at = startupId.rfind("_TIME");
    if (at == std::string::npos) return 0;
    uint32_t time = 0;
    const char* begin = startupId.data() + at + 5;
    const char* end = startupId.data() + startupId.size();
    const auto [stop, error] = std::from_chars(begin, end, time);
    return error == std::errc() && stop == end ? time : 0;
}

void ActivateAtPlayersRequest(QWidget& window, const LaunchTokens& tokens) {
    const QString platform = QGuiApplication::platformName();
    // Qt's Wayland side presents the launcher's token with the next activation;
    // where the launcher gave only a startup id, that serves as the token.
    const std::string& token =
        tokens.activationToken.empty() ? tokens.startupId : tokens.activationToken;
    if (platform == QLatin1String("wayland") && !token.empty())
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    window.activateWindow();
#if QT_CONFIG(xcb)
    if (platform == QLatin1String("xcb")) {
        ActivateOnX11(window, StartupIdTime(tokens.startupId));
        // The later start left without a window of its own, so the launcher
        // that started it still shows the busy cursor: it is told here that
        // the start is complete.
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 && x11->connection() && !tokens.startupId.empty())
            SendStartupMessage(x11->connection(), StartupRemoveMessage(tokens.startupId));
    }
#endif
}
