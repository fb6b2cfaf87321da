// Starts a program under the current X display and reports the time until its
// window shows its first frame, then closes it as a window manager would and
// reports its peak memory:  startup_probe <binary>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char *kCaption = "Tarnvale - Nickname Tester";
// A point inside the preview box, which paints dark grey once drawn.
constexpr int kProbeX = 300;
constexpr int kProbeY = 110;
constexpr unsigned long kPreviewGrey = 0x404040;

double msSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

bool hasCaption(Display *dpy, Window w)
{
    char *name = nullptr;
    const bool match = XFetchName(dpy, w, &name) != 0 && name != nullptr && std::strcmp(name, kCaption) == 0;
    XFree(name);
    return match;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <binary>\n", argv[0]);
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const auto t0 = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char *>(nullptr));
        _exit(127);
    }

    Window window = 0;
    while (window == 0) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == MapNotify && hasCaption(dpy, e.xmap.window)) {
            window = e.xmap.window;
        }
    }
    const double mappedMs = msSince(t0);
    double shownMs = 0;
    for (;;) {
        XImage *pixel = XGetImage(dpy, window, kProbeX, kProbeY, 1, 1, AllPlanes, ZPixmap);
        const bool drawn = pixel != nullptr && (XGetPixel(pixel, 0, 0) & 0xFFFFFF) == kPreviewGrey;
        if (pixel != nullptr) {
            XDestroyImage(pixel);
        }
        if (drawn) {
            shownMs = msSince(t0);
            break;
        }
        usleep(200);
    }

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    XSendEvent(dpy, window, False, NoEventMask, &close);
    XFlush(dpy);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(dpy);
    std::printf("mapped_ms=%.1f first_frame_ms=%.1f peak_rss_mib=%.1f exit=%d\n", mappedMs, shownMs,
                static_cast<double>(usage.ru_maxrss) / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
