"""Takes the README's screenshots of the real window under a virtual display:
    python3 scripts/screenshot.py COMMAND OUTPUT [KEY...]
COMMAND as the end-to-end tests take it (a path, or "wine64 hueprev.exe").
With keys (such as alt+n l), they are pressed first, to open a menu, and the
shot takes the screen around the window, the menu included."""
import subprocess
import sys
import tempfile
import time

from x11 import App, VirtualDisplay

command, output, keys = sys.argv[1], sys.argv[2], sys.argv[3:]


def geometry(display, window):
    return dict(line.split("=") for line in display.run(
        "xdotool", "getwindowgeometry", "--shell", window).stdout.split())


def pixels(display, window=None):
    xwd = display.run("xwd", "-silent", *(["-id", window] if window else ["-root"]), text=False).stdout
    return subprocess.run(["xwdtopnm", "-quiet"], input=xwd, stdout=subprocess.PIPE, check=True).stdout


with VirtualDisplay() as display, App(display, command) as app:
    app.type("^1Tarn^3vale ^5Sky^6Rider^9_^2x")
    if not keys:
        app.screenshot().save_png(output)
    else:
        for key in keys:
            app.key(key)
            time.sleep(1)
        # The screen, then each window on it (the menus too) from its own contents:
        # a shot of Xvfb's screen alone can miss what a window keeps in its backing store.
        screen = pixels(display)
        shown = display.run("xdotool", "search", "--onlyvisible", "--name", "", check=False).stdout.split()
        with tempfile.NamedTemporaryFile(suffix=".ppm") as part:
            for window in shown:
                at = geometry(display, window)
                if int(at["WIDTH"]) >= 1000:  # the screen's own
                    continue
                part.seek(0)
                part.truncate()
                part.write(pixels(display, window))
                part.flush()
                screen = subprocess.run(["pnmpaste", part.name, at["X"], at["Y"], "-"], input=screen,
                                        stdout=subprocess.PIPE, check=True).stdout
        place = geometry(display, app.window)
        left, top = max(0, int(place["X"]) - 8), max(0, int(place["Y"]) - 8)
        width, height = int(place["WIDTH"]) + 16, int(place["HEIGHT"]) + 120
        cut = subprocess.run(["pnmcut", str(left), str(top), str(width), str(height)], input=screen, stdout=subprocess.PIPE,
                             check=True).stdout
        with open(output, "wb") as f:
            f.write(subprocess.run(["pnmtopng"], input=cut, stdout=subprocess.PIPE, check=True).stdout)
    app.close()
print("wrote", output)
