"""The real program under Xvfb: the window, its size, and a live coloured preview."""
import os
import shlex
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from x11 import App, VirtualDisplay, PREVIEW_BACKGROUND  # noqa: E402

# How to start the program under test: its path, or "wine64 hueprev.exe".
COMMAND = os.environ["HUEPREV_COMMAND"]


class Window(unittest.TestCase):
    def test_opens_at_its_size_and_previews_what_is_typed(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            width, height = app.geometry()
            if os.environ["HUEPREV_FRONTEND"] != "web":
                # The form exactly, below a menu bar of one line.
                self.assertEqual(width, 424)
                self.assertTrue(142 + 12 <= height <= 142 + 30, height)
            elif not app.framed:  # the page's own window, as small as the form; in kiosk mode it fills the screen
                self.assertEqual((width, height), (424, 142))
            # The first frame may still be on its way when the window is mapped.
            deadline = time.monotonic() + 10
            while app.screenshot().at(300, 110) != PREVIEW_BACKGROUND and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertEqual(app.screenshot().at(300, 110), PREVIEW_BACKGROUND)
            app.type("^1Red^2Green^4Blue")
            # red, green, blue, left to right; the codes themselves show nothing.
            self.assertEqual(app.preview_colors([1, 2, 4]), [1, 2, 4])
            app.key("BackSpace", "BackSpace", "BackSpace", "BackSpace", "BackSpace", "BackSpace")
            self.assertEqual(app.preview_colors([1, 2]), [1, 2])
            self.assertEqual(app.close(), 0)

    def test_preview_is_empty_until_the_first_change(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            self.assertEqual(app.preview_colors([]), [])
            app.type("^0dark^7light")
            self.assertEqual(app.preview_colors([0, 7]), [0, 7])
            self.assertEqual(app.close(), 0)

    @unittest.skipUnless(os.environ.get("HUEPREV_FRONTEND", "qt") == "qt", "the Qt front-end's start-up messages")
    def test_failed_start_says_what_failed(self):
        bare = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        with VirtualDisplay() as display:
            cases = [  # environment, what the one line or Qt's own words must say
                ("no display", bare, ["cannot open a display", "xvfb-run"]),
                ("dead display", dict(bare, DISPLAY=":65000"), ["cannot open a display (DISPLAY=:65000)"]),
                ("no compositor", dict(bare, WAYLAND_DISPLAY="hueprev-none", XDG_RUNTIME_DIR=display.env["XDG_RUNTIME_DIR"]),
                 ["cannot open a display (WAYLAND_DISPLAY=hueprev-none, DISPLAY=unset)"]),
                ("missing plugin", dict(display.env, QT_QPA_PLATFORM="bogus"),
                 ['Could not find the Qt platform plugin "bogus"', "Available platform plugins are:"]),
            ]
            for name, env, expected in cases:
                with self.subTest(name):
                    result = subprocess.run(shlex.split(COMMAND), env=env, capture_output=True, text=True, timeout=30)
                    self.assertEqual(result.returncode, 1, result.stderr)
                    for words in expected:
                        self.assertIn(words, result.stderr)
                    one_line = "cannot open a display" in result.stderr
                    self.assertEqual(one_line, name != "missing plugin", result.stderr)
                    if one_line:
                        self.assertEqual(len(result.stderr.strip().splitlines()), 1, result.stderr)

if __name__ == "__main__":
    unittest.main()
