"""Colour buttons and Enter in the real program, driven as a player drives it."""
import os
import sys
import subprocess
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from x11 import App, Image, VirtualDisplay  # noqa: E402

# How to start the program under test: its path, or "wine64 hueprev.exe".
COMMAND = os.environ["HUEPREV_COMMAND"]
FRONTEND = os.environ["HUEPREV_FRONTEND"]


def button_centre(index):
    left = 376 if index == 0 else 16 + 40 * (index - 1)
    return left + 16, 56 + 12


class Commands(unittest.TestCase):
    def test_click_replaces_the_selection_made_with_shift_and_arrows(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("abcdef")
            app.key("Left", "shift+Left", "shift+Left")
            app.click(*button_centre(1))
            app.type("X")
            self.assertEqual(app.input_text(), "abc^1Xf")
            self.assertEqual(app.preview_colors([7, 1]), [7, 1])
            self.assertEqual(app.close(), 0)

    def test_keyboard_only_tab_space_enter(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("Go!")
            app.key("Home", "shift+Right")
            # Tab over the preview and button 0 to button 1, Enter presses it:
            # the code replaces the selection made before.
            app.key("Tab", "Tab", "Tab", "Return")
            app.type("x")
            self.assertEqual(app.input_text(), "^1xo!")
            self.assertEqual(app.preview_colors([1]), [1])
            # Space presses button 2 likewise, at the caret (reading the text selected it all).
            app.key("End", "Tab", "Tab", "Tab", "Tab", "space")
            app.type("y")
            self.assertEqual(app.input_text(), "^1xo!^2y")
            # Enter in the input selects the whole name, which typing replaces.
            app.key("Return")
            app.type("z")
            self.assertEqual(app.input_text(), "z")
            self.assertEqual(app.close(), 0)

    def test_tab_back_into_the_input_keeps_the_name(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("abc")
            # Out to the preview and back into the input, which selects all of it as
            # the focus arrives from the keyboard; then on to button 1, and Space.
            app.key("Tab", "shift+Tab")
            app.key("Tab", "Tab", "Tab", "space")
            self.assertEqual(app.input_text(), "abc^1")
            self.assertEqual(app.close(), 0)

    def test_undo_takes_out_exactly_the_code(self):
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("ab")
            app.key("Left")
            app.click(*button_centre(4))
            self.assertEqual(app.input_text(), "a^4b")
            app.key("End", "ctrl+z")
            self.assertEqual(app.input_text(), "ab")
            self.assertEqual(app.preview_colors([7]), [7])
            self.assertEqual(app.close(), 0)


    def open_menu(self, app, key):
        """Opens the input's context menu, waiting for it to be shown."""
        def shown():
            return app.display.run("xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name", "",
                                   check=False).stdout.split()
        before = len(shown())
        app.key(key)
        deadline = time.monotonic() + 30
        while len(shown()) <= before:
            if time.monotonic() > deadline:
                raise AssertionError("no menu came")
            time.sleep(0.1)

    def test_name_tools_in_the_context_menu_as_one_undo_step(self):
        if FRONTEND == "web":
            self.skipTest("the page has no menu of its own: its tools are buttons, tested in test_web_page.py")
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("Nickname")
            # The tools come after the platform's own items, "Colour the letters" last,
            # its fades in a submenu: Fire is the second.
            self.open_menu(app, "shift+F10")
            app.key("Up", "Right", "Down", "Return")
            self.assertEqual(app.input_text(), "^1Nic^3kna^7me")
            self.assertEqual(app.preview_colors([1, 3, 7]), [1, 3, 7])
            app.key("End", "ctrl+z")
            self.assertEqual(app.input_text(), "Nickname")
            # Remove unneeded codes with the Menu key and its access key, which no edit item shares.
            app.key("End")
            app.type("^7^1")
            self.open_menu(app, "Menu")
            app.key("o")
            self.assertEqual(app.input_text(), "Nickname")
            self.assertEqual(app.close(), 0)

    def test_name_tools_keep_letters_whole_and_the_caret_where_an_editor_leaves_it(self):
        if FRONTEND == "web":
            self.skipTest("the page's buttons are tested in test_web_page.py")
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.set_clipboard("Zo\u00eb\U0001F600x")
            app.key("ctrl+v")
            # Rainbow on the whole name, by its access key in the submenu; the caret ends the name.
            self.open_menu(app, "shift+F10")
            app.key("Up", "Right", "r")
            app.type("!")
            self.assertEqual(app.input_text(), "^1Z^3o^2\u00eb^5\U0001F600^4x!")
            # On a selection, which stays selected for the next tool: Rainbow, then Steel
            # (a greyed tool, one that would change nothing, is passed over by the arrow keys).
            app.key("ctrl+a")
            self.open_menu(app, "shift+F10")
            app.key("Up", "Right", "r")
            self.open_menu(app, "shift+F10")
            app.key("Up", "Right", "t")
            self.assertEqual(app.input_text(), "^9Zo\u00eb^7\U0001F600x!")
            app.key("ctrl+z")
            self.assertEqual(app.input_text(), "^1Z^3o^2\u00eb^5\U0001F600^4x^6!")
            self.assertEqual(app.close(), 0)

    def test_any_colours_through_its_dialog_as_one_undo_step(self):
        if FRONTEND == "web":
            self.skipTest("the page's dialog is tested in test_web_page.py")
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("Tarnvale")
            app.key("ctrl+a")
            # Name > Colour the letters > Any colours…, each by its access key.
            self.open_menu(app, "alt+n")
            self.open_menu(app, "l")
            app.key("n")
            deadline = time.monotonic() + 30
            while not app.display.run("xdotool", "search", "--onlyvisible", "--name", "^Colour the letters$",
                                      check=False).stdout.split():
                if time.monotonic() > deadline:
                    raise AssertionError("no dialog came")
                time.sleep(0.1)
            # Each colour's field by its label's access key, which selects what it holds.
            app.key("alt+1")
            app.type("#ff8800")
            app.key("alt+2")
            app.type("#8800ff")
            app.key("Return")
            self.assertEqual(app.input_text(), "^1Tarn^6val^4e")
            app.key("ctrl+z")
            self.assertEqual(app.input_text(), "Tarnvale")
            self.assertEqual(app.close(), 0)

    def test_copy_as_for_each_place_players_show_names(self):
        if FRONTEND == "web":
            self.skipTest("the page's copies are tested in test_web_page.py")
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("^5Sky^6Rider")

            def copy_as(key, target, expected=None):
                """Name > Copy as > the format, by access keys; what the X clipboard then holds for target."""
                app.set_clipboard("\u2063marker")
                self.open_menu(app, "alt+n")
                self.open_menu(app, "y")
                app.key(key)
                deadline = time.monotonic() + 30
                while True:
                    targets = app.display.run("xclip", "-o", "-selection", "clipboard", "-t", "TARGETS",
                                              check=False).stdout.split()
                    held = app.display.run("xclip", "-o", "-selection", "clipboard", "-t", target,
                                           check=False, text=False).stdout if target in targets else b""
                    if (held and expected is None) or held.decode("utf-8", "replace") == expected:
                        return held
                    if time.monotonic() > deadline:
                        raise AssertionError("not on the clipboard as %s: %r" % (target, held[:200]))
                    time.sleep(0.1)

            copy_as("d", "UTF8_STRING", "```ansi\n\x1b[36mSky\x1b[35mRider\n```")
            copy_as("b", "UTF8_STRING", "[color=#00ffff]Sky[/color][color=#ff00ff]Rider[/color]")
            html = copy_as("h", "text/html").decode("utf-8", "replace")
            self.assertIn('<span style="color:#00ffff">Sky</span><span style="color:#ff00ff">Rider</span>', html)
            # The picture: the runs' colours, cyan then pink, left to right on the game's background.
            self.open_menu(app, "alt+n")
            self.open_menu(app, "y")
            app.key("p")
            deadline = time.monotonic() + 30
            while True:
                targets = app.display.run("xclip", "-o", "-selection", "clipboard", "-t", "TARGETS",
                                          check=False).stdout.split()
                kind = next((t for t in ("image/png", "image/bmp") if t in targets), None)
                if kind or time.monotonic() > deadline:
                    break
                time.sleep(0.1)
            self.assertIsNotNone(kind, targets)
            data = app.display.run("xclip", "-o", "-selection", "clipboard", "-t", kind, text=False).stdout
            ppm = subprocess.run(["pngtopnm" if kind == "image/png" else "bmptopnm"], input=data,
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True).stdout
            image = Image(ppm)
            first = image.first_columns()
            self.assertIn((64, 64, 64), first)
            self.assertLess(first[(0, 255, 255)], first[(255, 0, 255)])
            self.assertEqual(app.close(), 0)

    def test_the_bar_by_keyboard(self):
        if FRONTEND == "web":
            self.skipTest("the page has no menu bar: its tools are in its strip")
        with VirtualDisplay() as display, App(display, COMMAND) as app:
            app.type("^7ab^1")
            # F10 takes the bar: on Linux it opens the first menu, and Right the Name menu;
            # Windows only lights the bar, and the menu's access key opens it. Then the item's key.
            if FRONTEND == "qt":
                self.open_menu(app, "F10")
                app.key("Right", "o")
            else:
                app.key("F10")
                self.open_menu(app, "n")
                app.key("o")
            self.assertEqual(app.input_text(), "ab")
            # Alt and the menu's own key; Copy the name leaves the focus in the input.
            app.key("End")
            self.open_menu(app, "alt+n")
            app.key("n")
            deadline = time.monotonic() + 10
            while app.clipboard() != "ab" and time.monotonic() < deadline:
                time.sleep(0.1)
            self.assertEqual(app.clipboard(), "ab")
            app.type("c")
            self.assertEqual(app.input_text(), "abc")
            self.assertEqual(app.close(), 0)


if __name__ == "__main__":
    unittest.main()
