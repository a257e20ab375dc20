// Times top-level windows being mapped, for scripts/bench. Selecting the
// root window's structure events before anything starts catches the map
// itself, where polling with xdotool would add its own interval.
//
//   map-watch start TITLE SECONDS -- PROGRAM [ARG...]
//       starts PROGRAM and prints "MS PID": the milliseconds from just
//       before the start until a top-level window whose title begins with
//       TITLE is mapped. PROGRAM keeps running.
//   map-watch wait TITLE SECONDS
//       prints the wall-clock time (seconds since the epoch, fractional) at
//       which such a window is mapped; "ready" goes to stderr once watching.
// Both fail (exit 1) when no such window is mapped within SECONDS.
#include <poll.h>
#include <sys/types.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property) {
    Reply reply(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr),
        &std::free);
    if (!reply)
        return {};
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(data, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

class Watch {
public:
    Watch() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_)) {
            std::fprintf(stderr, "map-watch: no X display\n");
            std::exit(2);
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        netWmName_ = Atom(c_, "_NET_WM_NAME");
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        // A round trip: from here on no map is missed.
        std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    }
    ~Watch() { xcb_disconnect(c_); }

    // Waits until a window titled `prefix...` is mapped; false after `seconds`.
    bool WaitForMap(const std::string& prefix, double seconds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) {
                const bool match =
                    (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                    Titled(reinterpret_cast<xcb_map_notify_event_t*>(event)->window, prefix);
                std::free(event);
                if (match)
                    return true;
            }
            if (xcb_connection_has_error(c_))
                return false;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            pollfd fd{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left.count()));
        }
    }

private:
    bool Titled(xcb_window_t w, const std::string& prefix) {
        std::string title = Property(c_, w, netWmName_);
        if (title.empty())
            title = Property(c_, w, XCB_ATOM_WM_NAME);
        return title.compare(0, prefix.size(), prefix) == 0;
    }

    xcb_connection_t* c_;
    xcb_window_t root_ = 0;
    xcb_atom_t netWmName_ = XCB_ATOM_NONE;
};

int Usage() {
    std::fprintf(stderr, "usage: map-watch start TITLE SECONDS -- PROGRAM [ARG...]\n"
                         "       map-watch wait TITLE SECONDS\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4)
        return Usage();
    const std::string mode = argv[1], title = argv[2];
    const double seconds = std::atof(argv[3]);
    Watch watch;
    if (mode == "wait") {
        std::fprintf(stderr, "ready\n");
        if (!watch.WaitForMap(title, seconds))
            return 1;
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("%.3f\n", std::chrono::duration<double>(now).count());
        return 0;
    }
    if (mode != "start" || argc < 6 || std::strcmp(argv[4], "--") != 0)
        return Usage();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own output must not mix with the figures.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[5], argv + 5);
        std::perror("map-watch: exec");
        _exit(127);
    }
    if (pid < 0 || !watch.WaitForMap(title, seconds))
        return 1;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%.1f %d\n", took.count(), static_cast<int>(pid));
    return 0;
}
