// Times how long a program takes until its window is mapped on the X server.
//
//   startup_map_timer <title part> <program> [arguments...]
//
// Watches the root window of $DISPLAY for new top-level windows, starts the
// program, and prints the milliseconds from the start until a top-level window
// whose title contains <title part> is mapped. The program is then ended
// (SIGTERM, then SIGKILL) and the exit status is 0. Nothing is asked of the
// program itself: the measurement is taken entirely from outside. Gives up
// after 60 seconds (exit status 2) or when the program ends first (3).
#include <xcb/xcb.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

xcb_atom_t Intern(xcb_connection_t *C, const char *Name)
{
    xcb_intern_atom_reply_t *R =
        xcb_intern_atom_reply(C, xcb_intern_atom(C, 0, static_cast<uint16_t>(std::strlen(Name)), Name), nullptr);
    const xcb_atom_t A = R ? R->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(R);
    return A;
}

std::string Property_Text(xcb_connection_t *C, xcb_window_t W, xcb_atom_t Property)
{
    xcb_get_property_reply_t *R =
        xcb_get_property_reply(C, xcb_get_property(C, 0, W, Property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::string S;
    if (R) {
        S.assign(static_cast<const char *>(xcb_get_property_value(R)),
                 static_cast<size_t>(xcb_get_property_value_length(R)));
        std::free(R);
    }
    return S;
}

void End_Child(pid_t Pid)
{
    kill(Pid, SIGTERM);
    for (int I = 0; I < 200; ++I) {
        if (waitpid(Pid, nullptr, WNOHANG) == Pid)
            return;
        usleep(10000);
    }
    kill(Pid, SIGKILL);
    waitpid(Pid, nullptr, 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <title part> <program> [arguments...]\n", argv[0]);
        return 1;
    }
    const std::string Title_Part = argv[1];
    xcb_connection_t *C = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(C)) {
        std::fprintf(stderr, "cannot reach the X server named by DISPLAY\n");
        return 1;
    }
    const xcb_window_t Root = xcb_setup_roots_iterator(xcb_get_setup(C)).data->root;
    const uint32_t Mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(C, Root, XCB_CW_EVENT_MASK, &Mask);
    const xcb_atom_t Net_Wm_Name = Intern(C, "_NET_WM_NAME");
    xcb_get_input_focus_reply_t *Sync = xcb_get_input_focus_reply(C, xcb_get_input_focus(C), nullptr);
    std::free(Sync);

    const auto Start = std::chrono::steady_clock::now();
    pid_t Pid = 0;
    if (posix_spawn(&Pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[2]);
        return 1;
    }
    const auto Deadline = Start + std::chrono::seconds(60);
    pollfd P{xcb_get_file_descriptor(C), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *E = xcb_poll_for_event(C)) {
            const bool Mapped = (E->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t W = Mapped ? reinterpret_cast<xcb_map_notify_event_t *>(E)->window : 0;
            std::free(E);
            if (!Mapped)
                continue;
            const auto Seen = std::chrono::steady_clock::now();
            const std::string Name = Property_Text(C, W, Net_Wm_Name) + "\n" + Property_Text(C, W, XCB_ATOM_WM_NAME);
            if (Name.find(Title_Part) == std::string::npos)
                continue;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(Seen - Start).count());
            End_Child(Pid);
            xcb_disconnect(C);
            return 0;
        }
        if (xcb_connection_has_error(C)) {
            std::fprintf(stderr, "lost the X server\n");
            End_Child(Pid);
            return 1;
        }
        if (waitpid(Pid, nullptr, WNOHANG) == Pid) {
            std::fprintf(stderr, "%s ended before its window was mapped\n", argv[2]);
            return 3;
        }
        const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now());
        if (Left.count() <= 0) {
            std::fprintf(stderr, "no window titled \"%s\" within 60 s\n", Title_Part.c_str());
            End_Child(Pid);
            return 2;
        }
        poll(&P, 1, static_cast<int>(std::min<long>(Left.count(), 100)));
    }
}
