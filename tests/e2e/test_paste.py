"""A huge paste through the real clipboard into the real program, read back whole."""
import os
import random
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from x11 import App, VirtualDisplay  # noqa: E402

# How to start the program under test: its path, or "wine64 hueprev.exe".
COMMAND = os.environ["HUEPREV_COMMAND"]


class Paste(unittest.TestCase):
    @unittest.skipUnless(os.environ["HUEPREV_FRONTEND"] == "web", "only the page has an address to share")
    def test_a_link_opens_with_its_name_as_a_paste(self):
        # "^1Nick<b>", a line break, "name": markup stays text, the lines are joined.
        with VirtualDisplay({"HUEPREV_LINK": "%5E1Nick%3Cb%3E%0D%0Aname"}) as display, \
                App(display, COMMAND) as app:
            self.assertEqual(app.preview_colors([1]), [1])
            self.assertEqual(app.input_text(), "^1Nick<b> name")
            self.assertEqual(app.close(), 0)

    def test_hundred_thousand_characters_come_back_whole(self):
        rng = random.Random(7)
        pieces = ["^%d" % rng.randrange(10) + "".join(rng.choice("abcXYZ ^<>&é中") for _ in range(4))
                  for _ in range(100_000 // 6)]
        text = "".join(pieces)[:100_000]
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.set_clipboard(text)
            app.key("ctrl+v")
            # The paste has arrived once the preview shows it; reading the name before
            # would put the driver's own marker on the clipboard while a browser still pastes.
            deadline = time.monotonic() + 60
            while not app.preview_colors() and time.monotonic() < deadline:
                time.sleep(0.2)
            got = app.input_text()
            self.assertEqual(len(got), len(text))
            self.assertEqual(got, text)
            # The window still answers: typing at the end lands after the paste.
            app.key("End")
            app.type("^1Q")
            self.assertEqual(app.input_text(), text + "^1Q")
            self.assertEqual(app.close(), 0)

    def test_multi_line_paste_becomes_one_line(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.set_clipboard("^1first\n^2second\r\nthird")
            app.key("ctrl+v")
            self.assertEqual(app.preview_colors([1, 2]), [1, 2])  # the paste has arrived
            self.assertEqual(app.input_text(), "^1first ^2second third")
            self.assertEqual(app.close(), 0)

    def test_empty_paste_leaves_the_undo_history_alone(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("abc")
            self.assertEqual(app.preview_colors([7]), [7])  # the typing has arrived
            app.set_clipboard("")
            # An empty paste changes nothing to wait for; a browser still fetching the
            # clipboard from X may drop a key sent meanwhile, so the undo comes a moment later.
            app.key("ctrl+v")
            time.sleep(0.5)
            app.key("ctrl+z")
            # The undo took out the typing, not a paste of nothing.
            app.type("x")
            self.assertEqual(app.input_text(), "x")
            self.assertEqual(app.close(), 0)


if __name__ == "__main__":
    unittest.main()
