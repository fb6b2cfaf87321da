"""What a screen reader hears of the Linux window, through AT-SPI as Orca
hears it: the controls' names, the preview described as colour runs once the
input settles, and the focus shown on the preview. Run under dbus-run-session,
with Debian's Python and pyatspi."""
import copy
import os
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from x11 import App, VirtualDisplay  # noqa: E402

COMMAND = os.environ["HUEPREV_COMMAND"]
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.display = VirtualDisplay({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}).__enter__()
        cls.addClassCleanup(cls.display.__exit__, None, None, None)
        # The accessibility bus of this test's session, ended by its process group.
        bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], env=cls.display.env, start_new_session=True)
        cls.addClassCleanup(lambda: (os.killpg(bus.pid, signal.SIGTERM), bus.wait()))
        os.environ["DISPLAY"] = cls.display.env["DISPLAY"]
        import pyatspi  # after the bus is up: it connects on import
        cls.pyatspi = pyatspi

    def start(self, language="C.UTF-8"):
        """hueprev in a desktop of that language."""
        desktop = copy.copy(self.display)
        desktop.env = dict(self.display.env, LANGUAGE=language.split(".")[0], LANG=language, LC_ALL=language)
        self.app = App(desktop, COMMAND).__enter__()
        self.addCleanup(self.app.__exit__, None, None, None)

    def said(self, name, timeout=10):
        """The accessible of that name in hueprev, as a screen reader finds it."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for app in self.pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "hueprev":
                    found = self.pyatspi.findDescendant(app, lambda a: a is not None and a.name == name)
                    if found is not None:
                        return found
            time.sleep(0.2)
        self.fail("no accessible named %r" % name)

    def test_names_the_preview_in_colour_runs_and_shows_its_focus(self):
        self.start()
        self.assertEqual(self.said("Nickname").getRoleName(), "text")
        self.assertEqual(self.said("^1 red").description,
                         "Inserts the colour code ^1 (red) into the nickname at the cursor")
        preview = self.said("Preview")
        self.app.type("^1Red^7White")
        deadline = time.monotonic() + 10
        while preview.description != "Red, red. White, white." and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertEqual(preview.description, "Red, red. White, white.")

        # The focus frame: the preview's border changes when Tab brings the focus to it.
        border = (17, 108)
        before = self.app.screenshot().at(*border)
        self.app.key("Tab")
        deadline = time.monotonic() + 10
        while not preview.getState().contains(self.pyatspi.STATE_FOCUSED) and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertTrue(preview.getState().contains(self.pyatspi.STATE_FOCUSED))
        self.assertNotEqual(self.app.screenshot().at(*border), before)

    def test_the_bar_says_how_long_the_name_is_which_tools_would_act_and_what_was_done(self):
        self.start()
        self.app.type("^7ab")
        # The count, a label of the window that a screen reader reaches as it reviews it.
        self.assertEqual(self.said("Characters: 4, shown: 2").getRoleName(), "label")
        # The Name menu by keyboard: Remove unneeded codes acts on the leading ^7 ...
        self.app.key("alt+n")
        tidy = self.said("Remove unneeded codes")
        self.assertTrue(tidy.getState().contains(self.pyatspi.STATE_SENSITIVE))
        self.app.key("o")
        self.said("Characters: 2, shown: 2")
        # ... and is greyed once there is nothing left to drop.
        self.app.key("alt+n")
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            tidy = self.said("Remove unneeded codes")
            if not tidy.getState().contains(self.pyatspi.STATE_SENSITIVE):
                break
            time.sleep(0.1)
        self.assertFalse(tidy.getState().contains(self.pyatspi.STATE_SENSITIVE))
        # A copy says so in the count's place.
        self.app.key("n")
        self.said("Copied")

    def test_speaks_the_desktops_language(self):
        self.start("de_DE.UTF-8")
        self.assertEqual(self.said("^1 rot").description,
                         "Fügt den Farbcode ^1 (rot) an der Schreibmarke in den Spielernamen ein")
        self.said("Spielername")


if __name__ == "__main__":
    unittest.main()
