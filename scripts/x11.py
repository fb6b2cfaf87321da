"""Drives the real hueprev binary in a virtual X server: Xvfb, xdotool, xclip, and
xwd with netpbm's xwdtopnm for what the window shows."""
import ctypes
import os
import shlex
import signal
import subprocess
import tempfile
import time

CAPTION = "Tarnvale - Nickname Tester"
WITH_DISPLAY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "with-display.sh")

# The ten colours of the codes, by index.
TABLE = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (0, 255, 255), (255, 0, 255), (255, 255, 255), (0, 127, 127), (127, 127, 127)]
PREVIEW_BACKGROUND = (64, 64, 64)
# The form, as the window's facts size it.
FORM_SIZE = (424, 142)
# The preview's text area inside the window (x, y, width, height): the box at
# 16, 88, 393 x 41 less its frame, whose highlight can be white.
PREVIEW_RECT = (19, 91, 387, 35)


class VirtualDisplay:
    """An X server of our own, started by with-display.sh, which picks a free
    display number; ended by the process group made for it."""

    def __init__(self, extra_env=None):
        self.env = dict(os.environ)
        self.env.update(extra_env or {})
        self.env.pop("WAYLAND_DISPLAY", None)
        self.runtime = tempfile.TemporaryDirectory()
        os.chmod(self.runtime.name, 0o700)
        self.env["XDG_RUNTIME_DIR"] = self.runtime.name
        self.env.pop("QT_QPA_PLATFORM", None)

    def __enter__(self):
        # The script's command tells the display's name, then waits for its input to close.
        self.server = subprocess.Popen(
            [WITH_DISPLAY, "sh", "-c", 'echo "$DISPLAY"; exec cat >/dev/null'],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, start_new_session=True)
        name = self.server.stdout.readline().strip()
        if not name:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = name
        return self

    def __exit__(self, *exc):
        self.server.stdin.close()
        try:
            self.server.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(self.server.pid, signal.SIGKILL)
            self.server.wait()
        self.server.stdout.close()
        self.runtime.cleanup()

    def run(self, *args, check=True, timeout=30, text=True, **kw):
        return subprocess.run(list(args), env=self.env, check=check, timeout=timeout,
                              capture_output=True, text=text, **kw)

    def xdotool(self, *args):
        return self.run("xdotool", *args).stdout.strip()


class App:
    """The program under test, with its window found by its caption."""

    def __init__(self, display, command):
        """command: how to start the program, such as its path, or "wine64 hueprev.exe"."""
        self.display = display
        # In a process group of its own, so that its helpers (a browser's, Wine's) end with it.
        self.process = subprocess.Popen(shlex.split(command), env=display.env, start_new_session=True,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        # A program under Wine or a browser, on a loaded machine, can take a while to map. A
        # window that goes away while xdotool looks through them (a browser's first, say)
        # makes it fail: it looks again.
        deadline = time.monotonic() + 120
        while True:
            # A browser may add its own name to the page's title (HUEPREV_TITLE_SUFFIX).
            title = "^%s%s$" % (CAPTION, display.env.get("HUEPREV_TITLE_SUFFIX", ""))
            found = display.run("xdotool", "search", "--sync", "--onlyvisible", "--name", title,
                                check=False, timeout=max(1, deadline - time.monotonic()))
            if found.returncode == 0 and found.stdout.split():
                break
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.__exit__(None, None, None)  # ends what it started
                raise RuntimeError("the program's window never showed: %s" % found.stderr.strip())
            time.sleep(0.2)
        self.window = found.stdout.split()[0]
        # Its title is set once the window is built (a page's once its module has made the
        # form); the keys that follow reach it once it has the focus.
        display.xdotool("windowfocus", "--sync", self.window)
        # Where the form stands in the window: below the desktop's menu bar, or for a
        # browser in kiosk mode (HUEPREV_FORM_IN_PAGE) where the page centres it.
        self.framed = bool(display.env.get("HUEPREV_FORM_IN_PAGE"))
        if self.framed:
            self.origin = self._find_form()
        else:
            # A desktop window's form stands at its bottom, below the menu bar.
            self.origin = (0, self.geometry()[1] - FORM_SIZE[1])

    def _find_form(self, timeout=30):
        """The form's corner, from the top left of the preview's background, which stands
        at 16 + 1, 88 + 1 in the page's form (its border is one pixel)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            image = self.screenshot()
            # The first run of such pixels in reading order, long enough that no grey of the
            # page's text is taken for it; a match that starts within a pixel is passed over.
            run = bytes(PREVIEW_BACKGROUND) * 40
            at = image.data.find(run)
            while at > 0 and at % 3:
                at = image.data.find(run, at + 1)
            if at >= 0:
                y, x = divmod(at // 3, image.width)
                return x - 17, y - 89
            time.sleep(0.2)
        raise RuntimeError("the form never showed in the page")

    def geometry(self):
        out = self.display.run("xwininfo", "-id", self.window).stdout
        fields = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        return int(fields["Width"]), int(fields["Height"])

    def type(self, text):
        self.display.xdotool("type", "--delay", "15", "--window", self.window, text)

    def key(self, *keys):
        self.display.xdotool("key", "--delay", "30", *keys)

    def click(self, x, y):
        """A left click at a point of the form."""
        self.display.xdotool("mousemove", "--window", self.window, str(x + self.origin[0]), str(y + self.origin[1]))
        self.display.xdotool("click", "1")

    def clipboard(self):
        return self.display.run("xclip", "-o", "-selection", "clipboard").stdout

    def set_clipboard(self, text, timeout=30):
        # xclip stays in the background to serve the selection until it is taken over; it
        # takes the selection only once that background process runs, which on a loaded
        # machine can be after a key sent next: wait until the clipboard reads back.
        subprocess.run(["xclip", "-i", "-selection", "clipboard"], input=text.encode(),
                       env=self.display.env, check=True, timeout=timeout)
        deadline = time.monotonic() + timeout
        while True:
            held = self.display.run("xclip", "-o", "-selection", "clipboard", check=False, text=False)
            if held.returncode == 0 and held.stdout == text.encode():
                return
            if time.monotonic() > deadline:
                raise AssertionError("xclip never took the clipboard")
            time.sleep(0.02)

    def input_text(self, timeout=60):
        """The input's text as the user would copy it: Enter selects all, Ctrl+C copies.
        A marker put on the clipboard first tells when the copy has arrived, however
        long the program takes to get through the keys queued before it."""
        marker = "\u2063marker\u2063"
        self.set_clipboard(marker)
        self.key("Return", "ctrl+c")
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            text = self.clipboard()
            if text != marker:
                return text
            time.sleep(0.1)
        raise AssertionError("the copied text never reached the clipboard")

    def screenshot(self):
        xwd = self.display.run("xwd", "-silent", "-id", self.window, text=False).stdout
        ppm = subprocess.run(["xwdtopnm", "-quiet"], input=xwd, stdout=subprocess.PIPE, check=True,
                             timeout=30).stdout
        return Image(ppm, getattr(self, "origin", (0, 0)))

    def preview_colors(self, expected=None, timeout=15):
        """The table colours the preview shows, left to right. Given what is
        expected, waits for the program to catch up with the keys sent to it."""
        deadline = time.monotonic() + timeout
        while True:
            colors = self.screenshot().colors_left_to_right(PREVIEW_RECT)
            if expected is None or colors == expected or time.monotonic() > deadline:
                return colors
            time.sleep(0.1)

    def close(self, timeout=10):
        """Asks the window to close as a window manager would, and returns the exit status."""
        send_delete_window(self.display.env["DISPLAY"], int(self.window, 0))
        try:
            self.process.wait(timeout)
        finally:
            if self.process.poll() is None:
                self.process.kill()
        return self.process.returncode

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if "WINEPREFIX" in self.display.env:
            # Under Wine, the program's server and helpers belong to the prefix, and
            # are ended by it first, so that the next program finds no stale server.
            subprocess.run(["wineserver", "-k"], env=self.display.env, check=False, timeout=30)
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        self.process.stdout.close()
        self.process.stderr.close()


class Image:
    """A window's pixels, from the binary PPM that netpbm's xwdtopnm writes."""

    def __init__(self, ppm, origin=(0, 0)):
        """origin: where the point (0, 0) of at() stands in the picture."""
        # "P6", width, height and the largest value, each followed by one white space.
        fields = ppm.split(maxsplit=4)
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("expected an 8-bit binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.ppm = ppm
        self.data = ppm[len(ppm) - 3 * self.width * self.height:]
        self.origin = origin

    def first_columns(self):
        """Each colour the picture holds, with the leftmost column it stands in."""
        first = {}
        for x in range(self.width):
            for y in range(self.height):
                first.setdefault(self.at(x, y), x)
        return first

    def at(self, x, y):
        i = 3 * ((y + self.origin[1]) * self.width + x + self.origin[0])
        return tuple(self.data[i:i + 3])

    def colors_left_to_right(self, rect):
        """Table colours met scanning the columns left to right: the commonest exact
        table colour of each column, repeats collapsed. A lone pixel is an edge's
        blend with the background that happens to match, not text of that colour."""
        x0, y0, w, h = rect
        sequence = []
        for x in range(x0, x0 + w):
            counts = {}
            for y in range(y0, y0 + h):
                p = self.at(x, y)
                if p in TABLE:
                    counts[p] = counts.get(p, 0) + 1
            if counts and max(counts.values()) > 1:
                index = TABLE.index(max(counts, key=counts.get))
                if not sequence or sequence[-1] != index:
                    sequence.append(index)
        return sequence

    def save_png(self, path):
        with open(path, "wb") as f:
            subprocess.run(["pnmtopng"], input=self.ppm, stdout=f, check=True, timeout=30)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 24)]


def send_delete_window(display_name, window):
    """WM_DELETE_WINDOW, what a window manager sends when the user closes a window."""
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x.XOpenDisplay(display_name.encode())
    if not dpy:
        raise RuntimeError("cannot open " + display_name)
    event = _ClientMessage()
    event.type = 33  # ClientMessage
    event.window = window
    event.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
    event.format = 32
    event.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
    x.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
    x.XFlush(dpy)
    x.XCloseDisplay(dpy)
