"""Figures of the page in headless Chromium, in WebKitGTK (Debian's Python and Selenium)
or in headless Firefox ESR:
    /usr/bin/python3 bench/web_bench.py build/web/window/web/hueprev.html [REPETITIONS]
    scripts/with-display.sh /usr/bin/python3 bench/web_bench.py PAGE REPETITIONS webkit
    /usr/bin/python3 bench/web_bench.py PAGE REPETITIONS firefox
the page's size; opened to ready for typing (Chromium only); a key to the
preview rebuilt and laid out, at the end of names of 30, 10,000 and 100,000
code-dense characters, and the settle once typing stops (what a screen reader
is told, and which tools would act); and a paste of 1,000,000 characters
through the page's own paste handling."""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "scripts"))
from headless import chromium, webkit  # noqa: E402
from marionette import CONTROL, Firefox  # noqa: E402
from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402

page = os.path.abspath(sys.argv[1])
repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 15
engine = sys.argv[3] if len(sys.argv) > 3 else "chromium"

# Installed before the page's own script runs.
PROBE = """
document.addEventListener('focusin', e => {
  if (e.target.id === 'txtIn' && window.readyAt === undefined) window.readyAt = performance.now();
}, true);
document.addEventListener('keydown', () => { window.keyAt = performance.now(); }, true);
// Before the page's own handler (capture), with the browser's own edit laid out, and after it (bubble).
document.addEventListener('input', () => {
  document.getElementById('txtIn').offsetWidth;
  window.editedAt = performance.now();
}, true);
document.addEventListener('input', () => {
  document.getElementById('txtOut').offsetWidth;  // the rebuilt preview laid out
  window.shownAt = performance.now();
});
"""


def middle_mean(values):
    """Steadier than the median where the clock counts whole milliseconds (WebKit):
    over presses that fall at any point of a tick, it averages the ticks out."""
    values = sorted(values)
    quarter = len(values) // 4
    return statistics.mean(values[quarter:len(values) - quarter])


def code_dense(length):
    unit = "^1ab^2cd^3"
    return (unit * (length // len(unit) + 1))[:length]


def open_page(driver):
    driver.get("file://" + page)
    if engine != "chromium":
        driver.execute_script(PROBE)  # no way in before the page's script; the document is up by now
    # The program starts once its WebAssembly is compiled.
    while driver.execute_script("return document.activeElement.id") != "txtIn":
        time.sleep(0.01)


def type_name(driver, text):
    if engine == "chromium":
        driver.execute_cdp_cmd("Input.insertText", {"text": text})
    else:
        driver.execute_script("document.getElementById('txtIn').focus();"
                              "document.execCommand('insertText', false, arguments[0]);", text)


def press_x(driver):
    if engine == "chromium":
        for kind in ("keyDown", "keyUp"):
            driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": kind, "key": "x", "text": "x",
                                                               "code": "KeyX", "windowsVirtualKeyCode": 88})
    elif engine == "firefox":
        driver.press("x")
    else:
        ActionChains(driver).send_keys("x").perform()


driver = {"chromium": chromium, "webkit": webkit, "firefox": Firefox}[engine]()
try:
    print("engine: %s" % engine)
    print("hueprev.html: %.1f KiB" % (os.path.getsize(page) / 1024))
    if engine == "chromium":
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})
        ready = []
        for _ in range(repetitions):
            driver.get("file://" + page)
            while driver.execute_script("return window.readyAt") is None:
                time.sleep(0.01)
            ready.append(driver.execute_script("return window.readyAt"))
        print("opened to ready for typing: median %.1f ms" % statistics.median(ready))

    for length in (30, 10_000, 100_000):
        open_page(driver)
        type_name(driver, code_dense(length))
        assert driver.execute_script("return document.getElementById('txtIn').value.length") == length
        times, own = [], []
        for _ in range(repetitions):
            press_x(driver)
            total, page_part = driver.execute_script(
                "return [window.shownAt - window.keyAt, window.shownAt - window.editedAt]")
            times.append(total)
            own.append(page_part)
        print("key to preview rebuilt, %d characters: median %.2f ms (mean of the middle half %.2f ms), "
              "of which the preview %.2f ms (%.2f ms)"
              % (length, statistics.median(times), middle_mean(times), statistics.median(own), middle_mean(own)))
        # The settle, run at once rather than after its pause: the words, the input's
        # description and every tool's state worked out for the buttons.
        settles = []
        for _ in range(repetitions):
            press_x(driver)
            settles.append(driver.execute_script(
                "const t = performance.now(); _hueprev_timer_elapsed(0); return performance.now() - t;"))
        print("settle once typing stops, %d characters: median %.2f ms" % (length, statistics.median(settles)))

    open_page(driver)
    name = code_dense(1_000_000)
    if engine == "firefox":
        # Firefox hands a script's paste event no text: the real paste, from its own clipboard.
        driver.copy(name)
        driver.execute_script("window.shownAt = undefined")
        driver.press(CONTROL, "v")
        while driver.execute_script("return window.shownAt") is None:
            time.sleep(0.01)
        elapsed = driver.execute_script("return window.shownAt - window.keyAt")
    else:
        elapsed = driver.execute_script("""
            const data = new DataTransfer();
            data.setData('text/plain', arguments[0]);
            const t0 = performance.now();
            document.getElementById('txtIn').dispatchEvent(
                new ClipboardEvent('paste', {clipboardData: data, bubbles: true, cancelable: true}));
            return window.shownAt - t0;""", name)
    kept = driver.execute_script("return document.getElementById('txtIn').value.length")
    print("paste of 1,000,000 characters to preview rebuilt: %.0f ms (%d characters kept)" % (elapsed, kept))
finally:
    driver.quit()
