"""Headless Debian Chromium through Debian's chromedriver and Selenium, with
the browser's network log kept, for the page's tests and figures; and
WebKitGTK, the engine of Safari, through Debian's WebKitWebDriver, which
needs an X display (scripts/with-display.sh)."""
import glob

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium(language=None, flags=()):
    """language: the browser's, such as "de", in place of the machine's;
    flags: more of Chromium's switches."""
    options = webdriver.ChromeOptions()
    for flag in flags:
        options.add_argument(flag)
    if language:
        options.add_argument("--lang=" + language)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-quic",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def webkit():
    options = webdriver.WebKitGTKOptions()
    options.binary_location = glob.glob("/usr/lib/*/webkit2gtk-4.*/MiniBrowser")[0]
    options.add_argument("--automation")
    return webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
