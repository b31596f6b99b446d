// Starts a program on the X server and reports, on one line, the
// milliseconds from launch until its first window was painted and the
// program's peak resident memory in KiB, taken a moment after that paint.
// The paint is seen through the DAMAGE extension, so the program under
// test needs no change of its own.
//
// Usage: startup_probe PROGRAM [ARGUMENTS...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

pid_t launch(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

// Watches every new top-level window for drawing; returns when the first
// one is drawn to, or false when the program exits first.
bool waitForFirstPaint(xcb_connection_t *connection, pid_t pid, uint8_t damageEvent)
{
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            const xcb_damage_damage_t damage = xcb_generate_id(connection);
            xcb_damage_create(connection, damage, created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection);
        } else if (type == damageEvent + XCB_DAMAGE_NOTIFY) {
            std::free(event);
            return true;
        }
        std::free(event);
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return false;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs("usage: startup_probe PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("startup_probe: no X display\n", stderr);
        return 2;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fputs("startup_probe: the X server has no DAMAGE extension\n", stderr);
        return 2;
    }
    xcb_discard_reply(connection, xcb_damage_query_version(connection, 1, 1).sequence);
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(argv + 1);
    if (!waitForFirstPaint(connection, pid, damage->first_event)) {
        std::fputs("startup_probe: the program ended before it painted\n", stderr);
        return 1;
    }
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    // Let the first frame settle before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long peak = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %ld\n", milliseconds, peak);
    return 0;
}
