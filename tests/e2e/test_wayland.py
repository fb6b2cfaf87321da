"""The real program on a Wayland compositor (Weston, headless): what the window
tells the desktop, read from the client's own protocol log."""
import os
import re
import shlex
import signal
import subprocess
import tempfile
import time
import unittest

COMMAND = os.environ["HUEPREV_COMMAND"]
APP_ID = os.environ["HUEPREV_APP_ID"]


class Weston:
    """A headless Weston in a runtime folder of our own, ended by its process group."""

    def __enter__(self):
        self.runtime = tempfile.TemporaryDirectory()
        os.chmod(self.runtime.name, 0o700)
        self.env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(XDG_RUNTIME_DIR=self.runtime.name, WAYLAND_DISPLAY="hueprev-test")
        self.log = open(os.path.join(self.runtime.name, "weston.log"), "w")
        self.server = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--idle-time=0",
             "--socket=hueprev-test", "--width=1024", "--height=768"],
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        socket = os.path.join(self.runtime.name, "hueprev-test")
        deadline = time.monotonic() + 20
        while not os.path.exists(socket):
            if self.server.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("weston did not start: " + open(self.log.name).read())
            time.sleep(0.05)
        return self

    def __exit__(self, *exc):
        os.killpg(self.server.pid, signal.SIGTERM)
        try:
            self.server.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(self.server.pid, signal.SIGKILL)
            self.server.wait()
        self.log.close()
        self.runtime.cleanup()


class Wayland(unittest.TestCase):
    def test_window_tells_the_desktop_its_title_id_and_fixed_size(self):
        with Weston() as weston:
            env = dict(weston.env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1")
            with tempfile.TemporaryFile("w+") as log:
                app = subprocess.Popen(shlex.split(COMMAND), env=env, stdout=subprocess.DEVNULL, stderr=log,
                                       start_new_session=True)
                try:
                    # Requests the client sends, such as: -> xdg_toplevel@14.set_app_id("...")
                    requests = {}
                    deadline = time.monotonic() + 20
                    wanted = {"set_title", "set_app_id", "set_max_size"}
                    while time.monotonic() < deadline and not wanted <= requests.keys():
                        time.sleep(0.1)
                        log.seek(0)
                        for name, args in re.findall(r"-> xdg_toplevel@\d+\.(\w+)\((.*)\)", log.read()):
                            requests[name] = args
                    self.assertIsNone(app.poll(), "the program ended on the compositor")
                finally:
                    os.killpg(app.pid, signal.SIGTERM)
                    app.wait(10)
        self.assertEqual(requests.get("set_title"), '"Tarnvale - Nickname Tester"')
        self.assertEqual(requests.get("set_app_id"), '"%s"' % APP_ID)
        # Fixed: the form's width, and its height with the menu bar's one line above it.
        self.assertEqual(requests.get("set_min_size"), requests.get("set_max_size"))
        width, height = (int(n) for n in requests.get("set_max_size", "0, 0").split(","))
        self.assertEqual(width, 424)
        self.assertTrue(142 + 12 <= height <= 142 + 30, height)


if __name__ == "__main__":
    unittest.main()
