// mapwait: starts a program and reports how long it took to map its first
// top-level window, and its resident memory some seconds after the start.
//
//   mapwait SECONDS PROGRAM [ARGS...]
//
// Prints "<ms from exec to MapNotify> <VmRSS in kB at SECONDS>" on one line,
// then ends the program. The clock starts just before fork; MapNotify of a
// child of the root window is the moment the X server made it viewable, which
// with no window manager is the program's own map request.
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

long rssKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwait SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const double settle = std::atof(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "mapwait: cannot run %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }
    if (pid < 0) return 2;

    double mapped = -1;
    const int fd = ConnectionNumber(display);
    while (mapped < 0 && now() - start < 20) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect) {
                mapped = now();
                break;
            }
        }
        if (mapped >= 0) break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "mapwait: %s ended before it showed a window\n", argv[2]);
            return 1;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval wait{0, 1000};
        select(fd + 1, &fds, nullptr, nullptr, &wait);
    }
    const double remaining = settle - (now() - start);
    if (remaining > 0) usleep(useconds_t(remaining * 1e6));
    const long rss = rssKb(pid);
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) break;
        if (i == 199) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        usleep(10000);
    }
    XCloseDisplay(display);
    if (mapped < 0) {
        std::fprintf(stderr, "mapwait: %s mapped no window within 20 s\n", argv[2]);
        return 1;
    }
    std::printf("%.2f %ld\n", (mapped - start) * 1000.0, rss);
    return 0;
}
