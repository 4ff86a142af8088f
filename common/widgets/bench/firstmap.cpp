// Starts a program and waits, without polling, for the X server to report the
// first top-level window of that process mapped. Prints the milliseconds from
// just before the start to that event and the process's peak memory (VmHWM,
// kB) at that moment, then kills the program.
// Usage: firstmap [-t seconds] program [arguments...]
// Exits 0 on success, 1 when the program ended or the time ran out before a
// window was mapped, 2 when the display cannot be opened, 3 on bad usage.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowms()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The process that owns a window, by the _NET_WM_PID it set; 0 when unknown.
long windowpid(Display *display, Window window, Atom pidatom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidatom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success
        && data) {
        if (type == XA_CARDINAL && format == 32 && count == 1)
            pid = *reinterpret_cast<long *>(data);
        XFree(data);
    }
    return pid;
}

// VmHWM of a process in kB; -1 when it cannot be read.
long peakkb(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", int(pid));
    FILE *status = std::fopen(path, "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

// A window error while its pid is read (it may be gone already) is no failure.
int ignoreerror(Display *, XErrorEvent *)
{
    return 0;
}

void stop(pid_t child)
{
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    double limitms = 30000;
    if (argc > 2 && std::strcmp(argv[1], "-t") == 0) {
        limitms = std::atof(argv[2]) * 1e3;
        first = 3;
    }
    if (first >= argc || limitms <= 0) {
        std::fprintf(stderr, "usage: firstmap [-t seconds] program [arguments...]\n");
        return 3;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "firstmap: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreerror);
    const Atom pidatom = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    // The server has taken the selection before the program can map anything.
    XSync(display, False);

    const double start = nowms();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("firstmap: fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "firstmap: cannot run %s: %s\n", argv[first], std::strerror(errno));
        _exit(127);
    }

    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            const double mapped = nowms();
            if (windowpid(display, event.xmap.window, pidatom) != long(child))
                continue;
            const long kb = peakkb(child);
            stop(child);
            std::printf("%.1f %ld\n", mapped - start, kb);
            return 0;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "firstmap: %s ended before it mapped a window (status %d)\n", argv[first],
                         WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
            return 1;
        }
        const double left = start + limitms - nowms();
        if (left <= 0) {
            std::fprintf(stderr, "firstmap: no window of %s mapped within %.0f s\n", argv[first], limitms / 1e3);
            stop(child);
            return 1;
        }
        // Wakes at the next event, or now and then to notice the program ending.
        poll(&connection, 1, left < 100 ? int(left) + 1 : 100);
    }
}
