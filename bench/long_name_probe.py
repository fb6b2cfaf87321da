"""Idle CPU and keystroke time of the real program under Xvfb with a very long name in the input:
python3 bench/long_name_probe.py build/default/window/qt/hueprev [characters ...]"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "scripts"))
from x11 import App, VirtualDisplay  # noqa: E402

TICK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK


def busy_share(pid, seconds=5.0):
    start, t0 = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    return (cpu_seconds(pid) - start) / (time.monotonic() - t0)


def settle(pid, quiet=0.3, limit=60):
    """Seconds until the program has used no CPU for `quiet` seconds, less that quiet time."""
    t0 = time.monotonic()
    last, since = cpu_seconds(pid), time.monotonic()
    while time.monotonic() - t0 < limit:
        time.sleep(0.02)
        now = cpu_seconds(pid)
        if now != last:
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return since - t0
    raise AssertionError("the program never went idle")


binary = sys.argv[1]
sizes = [int(a) for a in sys.argv[2:]] or [100_000, 1_000_000]
for size in sizes:
    name = ("^3abcd" * (size // 6 + 1))[:size - 17] + "^1ZYXWVUTSRQPONMLK"
    with VirtualDisplay() as display, App(display, binary) as app:
        pid = app.process.pid
        app.set_clipboard(name)
        app.key("ctrl+v")
        settle(pid)
        focused = busy_share(pid)
        app.key("x")
        keystroke = settle(pid)
        app.key("Tab")
        settle(pid)
        unfocused = busy_share(pid)
        app.close()
    print("characters=%d idle_cpu_focused=%.1f%% idle_cpu_after_tab=%.1f%% keystroke_s=%.2f"
          % (size, 100 * focused, 100 * unfocused, keystroke))
