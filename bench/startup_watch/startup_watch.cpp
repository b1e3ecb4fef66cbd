// Starts a program and says, in milliseconds from its start, when its first window was mapped
// and when that window was first painted: "mapped 27.41 painted 34.02". It watches the X server
// itself (window creation, mapping and damage), so the times are those of the server, not of a
// polling loop. The program is ended once it has painted.
// Usage: startup_watch PROGRAM [ARGUMENTS...]   (on a display with the DAMAGE extension)
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Windows that end before the damage watch is set on them, or that cannot be watched (input
// only), are not errors here.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_watch PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fputs("startup_watch: no X display with the DAMAGE extension\n", stderr);
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = Milliseconds();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    Window mapped = 0;
    double mappedAt = 0;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
            // Watched from its creation, so that no painting goes unseen.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (event.type == MapNotify && !event.xmap.override_redirect && !mapped) {
            mapped = event.xmap.window;
            mappedAt = Milliseconds() - start;
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (mapped && damage.drawable == mapped) {
                std::printf("mapped %.2f painted %.2f\n", mappedAt, Milliseconds() - start);
                break;
            }
            XDamageSubtract(display, damage.damage, None, None);
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
