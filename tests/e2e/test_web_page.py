"""The page in headless Chromium, through WebDriver: hostile names reach the
preview as text and nothing of them runs; the page is one file that makes no
request. Run with Debian's Python, which has Debian's Selenium."""
import collections
import functools
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.request
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
from headless import chromium  # noqa: E402
from x11 import Image  # noqa: E402

PAGE = os.path.abspath(os.environ["HUEPREV_PAGE"])
WHITE, RED, GREEN, CYAN = "rgb(255, 255, 255)", "rgb(255, 0, 0)", "rgb(0, 255, 0)", "rgb(0, 255, 255)"

# A name as typed, and the runs of text and colour its preview must hold.
HOSTILE = [
    ("markup", "^1<img src=x onerror=alert(1)>", [("<img src=x onerror=alert(1)>", RED)]),
    ("closing_tags", "</div><script>alert(2)</script>^2x", [("</div><script>alert(2)</script>", WHITE), ("x", GREEN)]),
    ("entities", "&amp;&lt;^2&#x41;&nbsp;", [("&amp;&lt;", WHITE), ("&#x41;&nbsp;", GREEN)]),
    ("right_to_left_override", "\u202eevil^1x\u202c", [("\u202eevil", WHITE), ("x\u202c", RED)]),
    ("astral", "^5\U0001F600^^1\U0001D11E", [("\U0001F600^", CYAN), ("\U0001D11E", RED)]),
    ("nul", "a\0b^1\0", [("a\0b", WHITE), ("\0", RED)]),
    ("javascript_url", "javascript:alert(3)^2", [("javascript:alert(3)", WHITE)]),
]


def screenshot_colors(png, rect):
    """How many pixels of each colour a PNG screenshot has inside rect (left, top, right, bottom)."""
    image = Image(subprocess.run(["pngtopnm"], input=png, stdout=subprocess.PIPE, check=True).stdout)
    left, top, right, bottom = rect
    return collections.Counter(image.at(x, y) for y in range(top, bottom) for x in range(left, right))


def open_page(driver, url="file://" + PAGE, timeout=30):
    """Opens the page and waits for it to be ready for typing: the program starts after
    the document has loaded, once its WebAssembly is compiled."""
    driver.get(url)
    deadline = time.monotonic() + timeout
    while driver.execute_script("return document.activeElement.id") != "txtIn":
        if time.monotonic() > deadline:
            raise AssertionError("the page never became ready for typing")
        time.sleep(0.02)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = chromium()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def open(self):
        open_page(self.driver)
        self.driver.execute_script("window.ran = []; window.alert = function (x) { window.ran.push(x); };")

    def type(self, text):
        # What an input method commits: the browser's own insertion path.
        self.driver.execute_cdp_cmd("Input.insertText", {"text": text})

    def preview(self):
        return self.driver.execute_script("""
            const box = document.getElementById('txtOut');
            return Array.from(box.childNodes, span => [
                span.nodeName, span.childNodes.length, span.firstChild && span.firstChild.nodeType,
                span.textContent, getComputedStyle(span).color]);""")

    def test_hostile_names_are_shown_as_text_and_nothing_runs(self):
        for name, typed, runs in HOSTILE:
            with self.subTest(name):
                self.open()
                self.type(typed)
                self.assertEqual(self.driver.execute_script("return document.getElementById('txtIn').value"), typed)
                preview = self.preview()
                # Spans each holding one text node: the name never became markup.
                self.assertEqual([(n, c, t) for n, c, t, _, _ in preview], [("SPAN", 1, 3)] * len(runs))
                self.assertEqual([(text, color) for _, _, _, text, color in preview], runs)
                self.assertEqual(self.driver.execute_script("return window.ran"), [])
                self.assertEqual(self.driver.execute_script(
                    "return document.querySelectorAll('img, iframe, object, embed').length"), 0)
                self.assertEqual(self.driver.execute_script("return document.scripts.length"), 1)

    def test_dropped_text_is_joined_onto_one_line_as_one_edit(self):
        self.open()
        self.type("ab")
        # Dropped before the name, away from the caret at its end.
        value = self.driver.execute_script("""
            const input = document.getElementById('txtIn');
            const data = new DataTransfer();
            data.setData('text/plain', '^1one\\u2028two\\r\\nthree^7');
            const box = input.getBoundingClientRect();
            input.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true,
                                                       clientX: box.left + 3, clientY: box.top + box.height / 2}));
            return input.value;""")
        self.assertEqual(value, "^1one two three^7ab")
        self.assertEqual([(text, color) for _, _, _, text, color in self.preview()],
                         [("one two three", RED), ("ab", WHITE)])
        self.driver.execute_script("document.execCommand('undo')")
        self.assertEqual(self.driver.execute_script("return document.getElementById('txtIn').value"), "ab")

    def test_name_tools_act_on_the_name_as_one_undo_step(self):
        self.open()
        self.driver.execute_script(
            "window.copied = []; navigator.clipboard.writeText = t => { copied.push(t); return Promise.resolve(); };")
        value = "return document.getElementById('txtIn').value"
        tool = lambda label: self.driver.find_element(  # noqa: E731
            "xpath", "//section//button[normalize-space()='%s']" % label).click()
        self.type("Nickname")
        # Greyed once the input settles where it would do nothing; Tab still reaches it.
        tidy = self.driver.find_element("xpath", "//section//button[normalize-space()='Remove unneeded codes']")
        deadline = time.monotonic() + 10
        while tidy.get_attribute("aria-disabled") != "true" and time.monotonic() < deadline:
            time.sleep(0.05)
        self.assertEqual(tidy.get_attribute("aria-disabled"), "true")
        tool("Fire")
        self.assertEqual(self.driver.execute_script(value), "^1Nic^3kna^7me")
        self.assertEqual([(text, color) for _, _, _, text, color in self.preview()],
                         [("Nic", RED), ("kna", "rgb(255, 255, 0)"), ("me", WHITE)])
        self.assertEqual(self.driver.find_element("css selector", ".count").text, "Characters: 14, shown: 8")
        self.assertEqual(self.driver.execute_script("return document.activeElement.id"), "txtIn")
        self.driver.execute_script("document.execCommand('undo')")
        self.assertEqual(self.driver.execute_script(value), "Nickname")
        # A pasted name's wasted codes go, its look kept; then only a selection loses its colours.
        self.driver.execute_script("document.getElementById('txtIn').setSelectionRange(8, 8)")
        self.type("^7^1a^1b^2 ^3c")
        tool("Remove unneeded codes")
        self.assertEqual(self.driver.execute_script(value), "Nickname^1ab ^3c")
        self.driver.execute_script("document.getElementById('txtIn').setSelectionRange(8, 12)")
        tool("Remove colours")
        self.assertEqual(self.driver.execute_script(value), "Nicknameab ^3c")
        tool("Copy the name")
        # Said in the count's place, and to a screen reader.
        self.assertEqual(self.driver.find_element("css selector", ".count").text, "Copied")
        deadline = time.monotonic() + 5
        while self.driver.execute_script("return document.querySelector('[role=status]').textContent") != "Copied" \
                and time.monotonic() < deadline:
            time.sleep(0.02)
        self.assertEqual(self.driver.execute_script("return document.querySelector('[role=status]').textContent"),
                         "Copied")
        tool("Copy link")
        self.assertEqual(self.driver.execute_script("return copied"),
                         ["Nicknameab ^3c", "file://%s#Nicknameab%%20%%5E3c" % PAGE])
        # Whole letters, and the caret at the end for typing on.
        self.driver.execute_script("document.getElementById('txtIn').select()")
        self.type("Zo\u00eb\U0001F600x")
        tool("Rainbow")
        self.type("!")
        self.assertEqual(self.driver.execute_script(value), "^1Z^3o^2\u00eb^5\U0001F600^4x!")
        # A selection stays selected for the next tool, and undo gives back the one before.
        self.driver.execute_script("document.getElementById('txtIn').select()")
        tool("Rainbow")
        tool("Steel")
        self.assertEqual(self.driver.execute_script(value), "^9Zo\u00eb^7\U0001F600x!")
        self.driver.execute_script("document.execCommand('undo')")
        self.assertEqual(self.driver.execute_script(value), "^1Z^3o^2\u00eb^5\U0001F600^4x^6!")
        self.assertEqual(self.driver.execute_script(
            "const box = document.getElementById('txtIn'); return [box.selectionStart, box.selectionEnd]"), [0, 19])
        # One word green.
        self.driver.execute_script("document.getElementById('txtIn').select()")
        self.type("ab cd ef")
        self.driver.execute_script("document.getElementById('txtIn').setSelectionRange(3, 5)")
        tool("Green")
        self.assertEqual(self.driver.execute_script(value), "ab ^2cd^7 ef")

    def test_any_colours_through_its_dialog_and_the_browsers_colour_input(self):
        from selenium.webdriver.common.keys import Keys
        self.open()
        value = "return document.getElementById('txtIn').value"
        self.type("Tarnvale")
        self.driver.execute_script("document.getElementById('txtIn').select()")
        self.driver.find_element("xpath", "//section//button[normalize-space()='Any colours\u2026']").click()
        dialog = self.driver.find_element("css selector", "dialog.colors")
        self.assertTrue(self.driver.execute_script("return document.querySelector('dialog.colors').open"))
        fields = dialog.find_elements("css selector", ".colors-rows input[type=text]")
        self.assertEqual(fields[0].get_attribute("value"), "#ff0000")
        self.assertEqual(self.driver.switch_to.active_element, fields[0])
        # One colour typed over what it first shows, the other from the browser's own colour input.
        fields[0].send_keys(Keys.CONTROL, "a")
        fields[0].send_keys("#ff8800")
        self.driver.execute_script("""
            const choose = document.querySelectorAll('dialog.colors input[type=color]')[1];
            choose.value = '#8800ff';
            choose.dispatchEvent(new Event('input', {bubbles: true}));
            choose.dispatchEvent(new Event('change', {bubbles: true}));""")
        self.assertEqual(fields[1].get_attribute("value"), "#8800ff")
        self.assertEqual(self.driver.execute_script(value), "Tarnvale", "nothing changed while it is open")
        shown = self.driver.execute_script(
            "return Array.from(document.querySelectorAll('.colors-preview span'), s => getComputedStyle(s).color)")
        self.assertEqual(shown[0], RED)
        fields[0].send_keys(Keys.ENTER)
        self.assertEqual(self.driver.execute_script(value), "^1Tarn^6val^4e")
        self.assertFalse(self.driver.execute_script("return !!document.querySelector('dialog.colors')"))
        self.assertEqual(self.driver.execute_script("return document.activeElement.id"), "txtIn")
        self.driver.execute_script("document.execCommand('undo')")
        self.assertEqual(self.driver.execute_script(value), "Tarnvale")
        # A name a link brings while it is open closes it, as Cancel.
        self.driver.find_element("xpath", "//section//button[normalize-space()='Any colours\u2026']").click()
        self.driver.execute_script("location.hash = 'linked'")
        deadline = time.monotonic() + 10
        while self.driver.execute_script(value) != "linked" and time.monotonic() < deadline:
            time.sleep(0.05)
        self.assertEqual(self.driver.execute_script(value), "linked")
        self.assertFalse(self.driver.execute_script("return !!document.querySelector('dialog.colors')"))

    def test_copy_as_through_the_browsers_clipboard(self):
        self.open()
        self.driver.execute_cdp_cmd("Browser.grantPermissions",
                                    {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.type("^5Sky^6Rider")
        tool = lambda label: self.driver.find_element(  # noqa: E731
            "xpath", "//section//div[@aria-label='Copy as']//button[normalize-space()='%s']" % label).click()
        # What the clipboard holds, each type as text (a picture as base64); nothing yet where the
        # browser is still writing it (a picture's PNG is made after the click), to be asked again.
        self.driver.set_script_timeout(60)
        read = """const done = arguments[arguments.length - 1];
            const reading = navigator.clipboard.read().then(async items => {
                const held = {};
                for (const type of items[0].types) {
                    const blob = await items[0].getType(type);
                    held[type] = type.startsWith('image/')
                        ? btoa(String.fromCharCode(...new Uint8Array(await blob.arrayBuffer()))) : await blob.text();
                }
                return held;
            });
            const later = new Promise(resolve => setTimeout(() => resolve({}), 2000));
            Promise.race([reading, later]).then(done, error => done({error: String(error)}));"""

        def held(kind, expected=None):
            deadline = time.monotonic() + 30
            while True:
                got = self.driver.execute_async_script(read)
                if (kind in got and expected in (None, got[kind])) or time.monotonic() > deadline:
                    return got
                time.sleep(0.1)
        tool("Discord")
        discord = "```ansi\n\x1b[36mSky\x1b[35mRider\n```"
        self.assertEqual(held("text/plain", discord).get("text/plain"), discord)
        self.assertEqual(self.driver.find_element("css selector", ".count").text, "Copied for Discord")
        tool("BBCode")
        bbcode = "[color=#00ffff]Sky[/color][color=#ff00ff]Rider[/color]"
        self.assertEqual(held("text/plain", bbcode).get("text/plain"), bbcode)
        tool("HTML")
        html = held("text/html")
        self.assertIn('<span style="color:#00ffff">Sky</span><span style="color:#ff00ff">Rider</span>',
                      html.get("text/html", ""))
        self.assertTrue(html.get("text/plain", "").startswith('<span style="background:#404040'))
        tool("Picture")
        picture = held("image/png")
        self.assertIn("image/png", picture)
        import base64
        image = Image(subprocess.run(["pngtopnm"], input=base64.b64decode(picture["image/png"]),
                                     stdout=subprocess.PIPE, check=True).stdout)
        first = image.first_columns()
        self.assertIn((64, 64, 64), first)
        self.assertLess(first[(0, 255, 255)], first[(255, 0, 255)])
        self.assertEqual(self.driver.execute_script("return document.activeElement.id"), "txtIn")

    def test_a_markup_fault_could_neither_run_script_nor_send_the_name(self):
        self.open()
        self.assertIn("default-src 'none'", self.driver.execute_script(
            "return document.querySelector('meta[http-equiv=Content-Security-Policy]').content"))
        # What a fault that let markup in would try: an inline handler, a script, a request.
        self.driver.execute_script("""
            window.refused = [];
            document.addEventListener('securitypolicyviolation', e => refused.push(e.effectiveDirective));
            const bad = document.createElement('div');
            bad.innerHTML = '<img src="x" onerror="ran.push(1)">';
            document.body.appendChild(bad);
            const script = document.createElement('script');
            script.textContent = 'ran.push(2)';
            document.body.appendChild(script);
            fetch('http://127.0.0.1:9/?name=x').catch(() => {});""")
        deadline = time.monotonic() + 10
        while len(self.driver.execute_script("return refused")) < 4 and time.monotonic() < deadline:
            time.sleep(0.05)
        self.assertEqual(sorted(set(self.driver.execute_script("return refused"))),
                         ["connect-src", "img-src", "script-src-attr", "script-src-elem"])
        self.assertEqual(self.driver.execute_script("return ran"), [])

    def test_a_link_changed_in_the_open_page_brings_its_name(self):
        self.open()
        self.type("old")
        value = "return document.getElementById('txtIn').value"
        self.driver.execute_script("location.hash = '%5E2new%20name'")
        deadline = time.monotonic() + 10
        while self.driver.execute_script(value) != "^2new name" and time.monotonic() < deadline:
            time.sleep(0.05)
        self.assertEqual(self.driver.execute_script(value), "^2new name")
        self.driver.execute_script("document.execCommand('undo')")
        self.assertEqual(self.driver.execute_script(value), "old")

    def test_screen_reader_hears_the_preview_as_colour_runs(self):
        self.open()
        self.type("^1Red^7White")
        tree = []
        for _ in range(50):
            tree = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            said = {node.get("name", {}).get("value"): node.get("description", {}).get("value") for node in tree}
            if said.get("Preview") == "Red, red. White, white.":
                break
            time.sleep(0.1)
        self.assertEqual(said.get("Preview"), "Red, red. White, white.")
        self.assertEqual(said.get("Nickname"), "The nickname with its colour codes, such as ^1 for red. Enter "
                                               "selects the whole name. Characters: 12, shown: 8.")
        self.assertEqual(said.get("^1 red"), "Inserts the colour code ^1 (red) into the nickname at the cursor")
        roles = [node.get("role", {}).get("value") for node in tree]
        self.assertIn("main", roles)
        self.assertIn("heading", roles)
        self.assertNotIn("application", roles)

    def test_speaks_the_browsers_language(self):
        driver = chromium("de")
        self.addCleanup(driver.quit)
        open_page(driver)
        button = driver.execute_script("""
            const button = document.getElementById('cmdAddColor_1');
            return [document.documentElement.lang, document.title, button.getAttribute('aria-label'), button.title,
                    document.getElementById('txtIn').getAttribute('aria-label')];""")
        self.assertEqual(button, ["de", "Tarnvale - Nickname Tester", "^1 rot", "^1 rot: diesen Farbcode einf\u00fcgen",
                                  "Spielername"])

    def test_narrow_screens_fit_the_form_and_take_taps(self):
        for width in (320, 360):
            with self.subTest(width=width):
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": 640, "deviceScaleFactor": 2, "mobile": True})
                self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
                self.addCleanup(self.driver.execute_cdp_cmd, "Emulation.clearDeviceMetricsOverride", {})
                self.addCleanup(self.driver.execute_cdp_cmd, "Emulation.setTouchEmulationEnabled", {"enabled": False})
                self.open()
                boxes = self.driver.execute_script("""
                    return Array.from(document.querySelectorAll('.form > *'), c => {
                        const r = c.getBoundingClientRect();
                        return [c.id, r.left, r.top, r.right, r.bottom];
                    });""")
                for name, left, top, right, bottom in boxes:
                    self.assertTrue(0 <= left and right <= width, (name, left, right))
                for i, a in enumerate(boxes):
                    for b in boxes[i + 1:]:
                        apart = a[3] <= b[1] or b[3] <= a[1] or a[4] <= b[2] or b[4] <= a[2]
                        self.assertTrue(apart, "%s overlaps %s" % (a[0], b[0]))
                buttons = sorted((top, left, name) for name, left, top, right, bottom in boxes
                                 if name.startswith("cmdAddColor_"))
                # Down the screen in tab order: the input, the preview, the buttons.
                tops = {name: top for name, left, top, right, bottom in boxes}
                self.assertLess(tops["txtIn"], tops["txtOut"])
                self.assertLess(tops["txtOut"], buttons[0][0])
                self.assertEqual([name[-1] for _, _, name in buttons], list("1234567890"))
                for name, left, top, right, bottom in boxes:
                    if name.startswith("cmdAddColor_"):
                        self.assertGreaterEqual(min(right - left, bottom - top), 44, name)
                    else:
                        self.assertGreater(right - left, width - 20, name)
                # A tap writes the code at the caret and leaves the focus, and a phone's keyboard, in the input.
                for _, _, name in buttons:
                    left, top, right, bottom = next(box[1:] for box in boxes if box[0] == name)
                    point = [{"x": (left + right) / 2, "y": (top + bottom) / 2}]
                    self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
                    self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
                self.assertEqual(self.driver.execute_script(
                    "return [document.getElementById('txtIn').value, document.activeElement.id]"),
                    ["^1^2^3^4^5^6^7^8^9^0", "txtIn"])

    def test_the_strip_is_part_of_the_form_at_every_size(self):
        from selenium.webdriver.common.keys import Keys
        for width, height in ((1280, 700), (600, 360), (360, 740), (800, 280)):
            with self.subTest(width=width, height=height):
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 424})
                self.addCleanup(self.driver.execute_cdp_cmd, "Emulation.clearDeviceMetricsOverride", {})
                self.open()
                layout = self.driver.execute_script("""
                    const input = document.getElementById('txtIn').getBoundingClientRect();
                    const tools = Array.from(document.querySelectorAll('.strip .tool'), button => {
                        button.scrollIntoView({block: 'nearest'});
                        const r = button.getBoundingClientRect();
                        const hit = document.elementFromPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                        return [button.textContent, r.left, r.top, r.right, hit === button];
                    });
                    return {input: [input.left, input.right], tools: tools};""")
                tools = layout["tools"]
                self.assertEqual(len(tools), 23)
                for name, left, top, right, reachable in tools:
                    self.assertTrue(reachable, name)
                # The strip's edges on the controls'.
                self.assertAlmostEqual(min(t[1] for t in tools), layout["input"][0], delta=1)
                self.assertAlmostEqual(max(t[3] for t in tools), layout["input"][1], delta=1)
                # A grid, with no button alone on a row but the one of its own group, as wide as the strip.
                alone = [t for t in tools if t[0] == "Any colours\u2026"]
                self.assertEqual([(t[1], t[3]) for t in alone], [(tools[0][1], max(t[3] for t in tools))])
                rows = collections.Counter(round(t[2]) for t in tools if t not in alone)
                self.assertGreaterEqual(min(rows.values()), 2, rows)
                if (width, height) == (800, 280):
                    # A Tab round trip through the strip, and back: the form wholly in view.
                    self.driver.execute_script("scrollTo(0, 0)")
                    for _ in range(13):
                        self.driver.switch_to.active_element.send_keys(Keys.TAB)
                    self.assertEqual(self.driver.execute_script("return document.activeElement.className"), "tool")
                    for _ in range(13):
                        self.driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
                    self.assertEqual(self.driver.execute_script("return document.activeElement.id"), "txtIn")
                    form = self.driver.execute_script(
                        "const r = document.getElementById('frmMain').getBoundingClientRect();"
                        "return [r.top, r.bottom, innerHeight]")
                    self.assertTrue(form[0] >= 0 and form[1] <= form[2], form)

    def test_a_link_that_cannot_be_read_says_so(self):
        unreadable = "This link holds no name that can be read."
        value = "return document.getElementById('txtIn').value"
        self.driver.get("about:blank")
        open_page(self.driver, "file://" + PAGE + "#abc%")
        self.assertEqual(self.driver.find_element("css selector", ".count").text, unreadable)
        self.assertEqual(self.driver.execute_script(value), "")
        # Changed in the open page, it keeps the name there.
        self.type("kept")
        self.driver.execute_script("location.hash = '%zz'")
        deadline = time.monotonic() + 10
        while self.driver.find_element("css selector", ".count").text != unreadable and time.monotonic() < deadline:
            time.sleep(0.05)
        self.assertEqual(self.driver.find_element("css selector", ".count").text, unreadable)
        self.assertEqual(self.driver.execute_script(value), "kept")

    def test_preview_keeps_the_games_colours_whatever_the_browser_does(self):
        # The browser's own darkening of pages with a dark preference, and forced colours.
        driver = chromium(flags=("--enable-features=WebContentsForceDark", "--force-dark-mode",
                                 "--force-color-profile=srgb", "--window-size=600,300"))
        self.addCleanup(driver.quit)
        open_page(driver)
        driver.execute_cdp_cmd("Input.insertText", {"text": "^0Black^1Red^4Blue^8Teal"})
        for forced in ("none", "active"):
            with self.subTest(forced_colors=forced):
                driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                    "features": [{"name": "forced-colors", "value": forced}]})
                left, top, right, bottom = driver.execute_script("""
                    const r = document.getElementById('txtOut').getBoundingClientRect();
                    return [r.left, r.top, r.right, r.bottom].map(Math.round);""")
                shown = screenshot_colors(driver.get_screenshot_as_png(), (left + 3, top + 3, right - 3, bottom - 3))
                background = (64, 64, 64)
                self.assertEqual(max(shown, key=shown.get), background)
                for color in ((0, 0, 0), (255, 0, 0), (0, 0, 255), (0, 127, 127)):
                    self.assertGreater(shown.get(color, 0), 20, color)

    def test_hosted_copy_installs_and_works_offline(self):
        site = os.path.join(os.path.dirname(PAGE), "site")
        handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=site)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        url = "http://127.0.0.1:%d/" % server.server_address[1]
        # A browser of its own, whose profile keeps the service worker.
        driver = chromium()
        self.addCleanup(driver.quit)
        try:
            driver.get(url)
            # The page may fetch nothing itself: its manifest is read from here once its worker is ready.
            href = driver.execute_async_script("""
                const done = arguments[arguments.length - 1];
                navigator.serviceWorker.ready.then(() => done(document.querySelector('link[rel=manifest]').href));""")
            with urllib.request.urlopen(href) as response:
                manifest = json.load(response)
            self.assertEqual(manifest["display"], "standalone")
            self.assertEqual(manifest["start_url"], "./")
            self.assertEqual(sorted(icon["sizes"] for icon in manifest["icons"]), ["192x192", "512x512"])
        finally:
            server.shutdown()
            server.server_close()
        # The network is gone: the page still opens and previews.
        open_page(driver, url)
        driver.execute_cdp_cmd("Input.insertText", {"text": "^1Red"})
        self.assertEqual(driver.execute_script("""
            return Array.from(document.getElementById('txtOut').childNodes,
                              span => [span.textContent, getComputedStyle(span).color]);"""), [["Red", RED]])

    def test_hundred_thousand_characters_of_markup(self):
        self.open()
        name = "^1" + "<b>&amp;</b>" * (100_000 // 12)
        self.type(name)
        self.assertEqual(self.driver.execute_script("return document.getElementById('txtIn').value.length"),
                         len(name))
        # The preview holds the part at the caret, the end, as red text.
        preview = self.preview()
        shown = "".join(text for _, _, _, text, _ in preview)
        self.assertGreater(len(shown), 100)  # well beyond what the box shows
        self.assertTrue(name.endswith(shown))
        self.assertEqual({color for _, _, _, _, color in preview}, {RED})
        self.assertEqual(self.driver.execute_script("return document.querySelectorAll('#txtOut b').length"), 0)

    def test_one_file_that_makes_no_request(self):
        self.assertLessEqual(os.path.getsize(PAGE), 400 * 1024)
        self.open()
        self.type("^1Name")
        urls = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                urls.append(message["params"]["request"]["url"])
        self.assertTrue(urls, "the page's own load is seen")
        self.assertEqual([url for url in urls if not url.startswith(("file:", "data:"))], [])

    def test_package_holds_the_page_and_its_licences(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run(["cpack", "--config", os.environ["HUEPREV_CPACK_CONFIG"], "-B", out],
                           check=True, capture_output=True, timeout=120)
            self.assertEqual(sorted(n for n in os.listdir(out) if n.endswith(".zip")), ["hueprev-1.00-web.zip"])
            with zipfile.ZipFile(os.path.join(out, "hueprev-1.00-web.zip")) as package:
                self.assertEqual(sorted(n for n in package.namelist() if not n.endswith("/")), [
                    "LICENSE.txt", "TAHOMA-LICENSE.txt", "hueprev.html", "site/_headers", "site/icon-192.png", "site/icon-512.png",
                    "site/index.html", "site/manifest.webmanifest", "site/sw.js"])
                with open(PAGE, "rb") as page:
                    self.assertEqual(package.read("hueprev.html"), page.read())


if __name__ == "__main__":
    unittest.main()
