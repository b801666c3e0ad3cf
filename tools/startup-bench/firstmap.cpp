// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and watches the X server for its windows being mapped,
// which is when a player first sees them. The moment a window is mapped it
// reads the program's processor time (every thread, those already ended too,
// to the nanosecond, through the process's CPU clock) and the wall time since
// the start; at the window with the given title it also counts the shared
// libraries in the program's memory map and reads its resident memory. Then it
// ends the program.
//
//   firstmap [-t TITLE] -- PROGRAM [ARGS...]
//
// Prints one line: "first_cpu_ms first_wall_ms titled_cpu_ms titled_wall_ms
// libraries rss_kib", the first pair for the first window of any title (a
// splash), the second for the window titled TITLE (the first window without
// -t). Waiting for the X server's event costs the watcher nothing while the
// program starts; the bench builds it itself, with one plain g++ line.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

namespace {

double Ms(const timespec& t) { return t.tv_sec * 1e3 + t.tv_nsec / 1e6; }

double WallMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return Ms(now);
}

double CpuMs(pid_t pid) {
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0) return -1;
    return Ms(used);
}

// Shared libraries mapped into the program, each counted once.
int Libraries(pid_t pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> seen;
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash == std::string::npos) continue;
        const std::string path = line.substr(slash);
        const auto so = path.rfind(".so");
        if (so != std::string::npos && (so + 3 == path.size() || path[so + 3] == '.'))
            seen.insert(path);
    }
    return static_cast<int>(seen.size());
}

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

std::string Title(xcb_connection_t* x, xcb_window_t window) {
    const char name[] = "_NET_WM_NAME", utf8[] = "UTF8_STRING";
    auto atom = [x](const char* text) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(text)), text), nullptr);
        const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
        std::free(reply);
        return value;
    };
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, atom(name), atom(utf8), 0, 256), nullptr);
    std::string title;
    if (reply)
        title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                     xcb_get_property_value_length(reply));
    std::free(reply);
    return title;
}

}  // namespace

int main(int argc, char** argv) {
    std::string wanted;
    bool titled = false;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "-t") == 0) {
        wanted = argv[2];
        titled = true;
        first = 3;
    }
    if (first < argc && std::strcmp(argv[first], "--") == 0) ++first;
    if (first >= argc) {
        std::fprintf(stderr, "usage: firstmap [-t TITLE] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "firstmap: no X server\n");
        return 1;
    }
    // Every window the program maps on the screen is a child of the root (there is
    // no window manager to put a frame around it).
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask));

    const double start = WallMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    double firstCpu = -1, firstWall = -1, cpu = -1, wall = -1;
    int libraries = -1;
    long rss = -1;
    pollfd watch{xcb_get_file_descriptor(x), POLLIN, 0};
    while (wall < 0 && WallMs() - start < 30000) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) break;
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            poll(&watch, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            // Read at once, before anything that costs a round trip to the server.
            const double nowCpu = CpuMs(pid), nowWall = WallMs() - start;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                if (firstWall < 0) firstCpu = nowCpu, firstWall = nowWall;
                if (!titled || Title(x, map->window) == wanted) {
                    cpu = nowCpu, wall = nowWall;
                    libraries = Libraries(pid);
                    rss = ResidentKib(pid);
                }
            }
        }
        std::free(event);
    }
    kill(pid, SIGTERM);
    for (int i = 0; i < 40 && waitpid(pid, nullptr, WNOHANG) != pid; ++i) usleep(50000);
    if (kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    xcb_disconnect(x);
    if (wall < 0) {
        std::fprintf(stderr, "firstmap: no window titled '%s' came up\n", wanted.c_str());
        return 1;
    }
    std::printf("%.1f %.1f %.1f %.1f %d %ld\n", firstCpu, firstWall, cpu, wall, libraries, rss);
    return 0;
}
