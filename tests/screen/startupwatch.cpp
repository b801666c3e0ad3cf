// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Watches the screen as a launcher does for startup-notification messages
// ("new:", "change:", "remove: ID=...") and prints each whole message on a
// line of its own, for SECONDS seconds. Control characters are written as \xHH;
// every other byte as it came.
// Usage: startupwatch SECONDS
#include <poll.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}
}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startupwatch: no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    std::printf("watching\n");
    std::fflush(stdout);

    std::map<xcb_window_t, std::string> pieces;  // a message being put together, by sender
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
        ::poll(&fd, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                if (message->format == 8 && (message->type == begin || message->type == more)) {
                    std::string& text = pieces[message->window];
                    if (message->type == begin) text.clear();
                    const char* data = reinterpret_cast<const char*>(message->data.data8);
                    const size_t length = strnlen(data, sizeof message->data.data8);
                    text.append(data, length);
                    if (length < sizeof message->data.data8) {  // the closing NUL
                        // One message a line: a control character in it (an id
                        // may hold a tab or a line end) is written as \xHH.
                        for (const unsigned char c : text) {
                            if (c < 0x20 || c == 0x7f)
                                std::printf("\\x%02x", c);
                            else
                                std::putchar(c);
                        }
                        std::putchar('\n');
                        std::fflush(stdout);
                        pieces.erase(message->window);
                    }
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(connection)) return 1;
    }
    xcb_disconnect(connection);
    return 0;
}
