"""Headless Firefox ESR through its own remote protocol, Marionette, for the page's
figures: Debian has no geckodriver for Selenium. Only what the figures use."""
import json
import os
import signal
import socket
import subprocess
import tempfile
import time


CONTROL = "\ue009"


class Firefox:
    def __init__(self):
        self.profile = tempfile.TemporaryDirectory()
        with open(os.path.join(self.profile.name, "user.js"), "w") as prefs:
            # Port 0: a free one, which Firefox writes to MarionetteActivePort; timers to the microsecond.
            prefs.write('user_pref("marionette.port", 0);\n'
                        'user_pref("privacy.reduceTimerPrecision", false);\n'
                        'user_pref("browser.shell.checkDefaultBrowser", false);\n')
        self.process = subprocess.Popen(
            # System access: the clipboard is reached from the browser's own side.
            ["firefox-esr", "--headless", "--marionette", "--remote-allow-system-access", "--no-remote",
             "--profile", self.profile.name, "about:blank"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        self.socket = socket.create_connection(("127.0.0.1", self._port()), timeout=60)
        self.stream = self.socket.makefile("rb")
        self.last_id = 0
        self._receive()  # the server's greeting
        self._command("WebDriver:NewSession")

    def _port(self, timeout=60):
        path = os.path.join(self.profile.name, "MarionetteActivePort")
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if os.path.exists(path):
                with open(path) as f:
                    port = f.read().strip()
                if port:
                    return int(port)
            time.sleep(0.1)
        self.quit()
        raise RuntimeError("Firefox never opened its Marionette port")

    def _receive(self):
        # Each message is its length in decimal, a colon and that much JSON.
        length = b""
        while (byte := self.stream.read(1)) != b":":
            if not byte:
                raise RuntimeError("Firefox closed the connection")
            length += byte
        return json.loads(self.stream.read(int(length)))

    def _command(self, name, parameters=None):
        self.last_id += 1
        data = json.dumps([0, self.last_id, name, parameters or {}]).encode()
        self.socket.sendall(b"%d:%s" % (len(data), data))
        _, _, error, result = self._receive()
        if error:
            raise RuntimeError("%s: %s" % (name, error.get("message", error)))
        return result

    def get(self, url):
        self._command("WebDriver:Navigate", {"url": url})

    def execute_script(self, script, *args):
        return self._command("WebDriver:ExecuteScript", {"script": script, "args": list(args)})["value"]

    def press(self, *keys):
        """Keys pressed together and released, as the platform hands them to the page;
        CONTROL is WebDriver's Control key."""
        actions = ([{"type": "keyDown", "value": key} for key in keys]
                   + [{"type": "keyUp", "value": key} for key in reversed(keys)])
        self._command("WebDriver:PerformActions", {"actions": [{"type": "key", "id": "keyboard",
                                                                 "actions": actions}]})

    def copy(self, text):
        """Puts text on the browser's clipboard (its own, when headless)."""
        self._command("Marionette:SetContext", {"value": "chrome"})
        try:
            self.execute_script('Cc["@mozilla.org/widget/clipboardhelper;1"]'
                                '.getService(Ci.nsIClipboardHelper).copyString(arguments[0]);', text)
        finally:
            self._command("Marionette:SetContext", {"value": "content"})

    def quit(self):
        if getattr(self, "socket", None):
            self.socket.close()
            self.stream.close()
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()
        self.profile.cleanup()
