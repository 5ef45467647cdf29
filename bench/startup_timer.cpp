// Starts a program under /usr/bin/time -v and tells how long it took to start.
//
//   startup_timer mapped  RSS_FILE PROGRAM [ARGS...]
//     Under X: from launch until the program's first top-level window is
//     mapped; prints "mapped N ms, WIDTHxHEIGHT", then asks the window to close, as a window
//     manager's close button does, and waits for the program to end.
//   startup_timer painted RSS_FILE PROGRAM [ARGS...]
//     Passes the launch time in BENCH_LAUNCH_NS and waits for the program,
//     which reports its own first paint (bench/FirstPaint.h) and quits.
//
// RSS_FILE receives time's report, with the peak resident set size.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

double nowNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

pid_t launch(const char *rssFile, char **program, double launchedNs)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const std::string launched = std::to_string(static_cast<long long>(launchedNs));
        setenv("BENCH_LAUNCH_NS", launched.c_str(), 1);
        std::vector<char *> arguments = { const_cast<char *>("/usr/bin/time"),
            const_cast<char *>("-v"), const_cast<char *>("-o"), const_cast<char *>(rssFile) };
        for (char **argument = program; *argument; ++argument)
            arguments.push_back(*argument);
        arguments.push_back(nullptr);
        execv(arguments[0], arguments.data());
        std::perror("execv /usr/bin/time");
        _exit(127);
    }
    return pid;
}

// Waits up to `seconds` for the child; true when it ended with status 0.
bool waitFor(pid_t pid, double seconds)
{
    const double deadline = nowNs() + seconds * 1e9;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (nowNs() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            std::fprintf(stderr, "the program did not end in time\n");
            return false;
        }
        usleep(2000);
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

int mapped(const char *rssFile, char **program)
{
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = atom(x, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(x, "WM_DELETE_WINDOW");
    xcb_flush(x);

    const double launchedNs = nowNs();
    const pid_t pid = launch(rssFile, program, launchedNs);
    xcb_window_t window = XCB_NONE;
    double mappedNs = 0;
    pollfd connection { xcb_get_file_descriptor(x), POLLIN, 0 };
    while (window == XCB_NONE) {
        if (nowNs() - launchedNs > 30e9 || waitpid(pid, nullptr, WNOHANG) != 0) {
            std::fprintf(stderr, "no window was mapped\n");
            kill(pid, SIGKILL);
            return 1;
        }
        poll(&connection, 1, 20);
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                // Menus and tooltips bypass the window manager; the main window does not.
                if (!map->override_redirect && window == XCB_NONE) {
                    window = map->window;
                    mappedNs = nowNs();
                }
            }
            std::free(event);
        }
    }
    xcb_get_geometry_reply_t *geometry
        = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    std::printf("mapped %.2f ms, %dx%d\n", (mappedNs - launchedNs) / 1e6,
        geometry ? geometry->width : 0, geometry ? geometry->height : 0);
    std::free(geometry);
    std::fflush(stdout);

    xcb_client_message_event_t close {};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = window;
    close.type = protocols;
    close.data.data32[0] = deleteWindow;
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&close));
    xcb_flush(x);
    const bool ended = waitFor(pid, 30);
    xcb_disconnect(x);
    return ended ? 0 : 1;
}

int painted(const char *rssFile, char **program)
{
    const pid_t pid = launch(rssFile, program, nowNs());
    return waitFor(pid, 60) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4 && std::strcmp(argv[1], "mapped") == 0)
        return mapped(argv[2], argv + 3);
    if (argc >= 4 && std::strcmp(argv[1], "painted") == 0)
        return painted(argv[2], argv + 3);
    std::fprintf(stderr, "usage: startup_timer mapped|painted RSS_FILE PROGRAM [ARGS...]\n");
    return 2;
}
