"""Colour buttons and Enter in the real program, driven as a player drives it."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from x11 import App, VirtualDisplay  # noqa: E402

# How to start the program under test: its path, or "wine64 hueprev.exe".
COMMAND = os.environ["HUEPREV_COMMAND"]


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


if __name__ == "__main__":
    unittest.main()
