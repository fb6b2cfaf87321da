"""Resident memory of the real program under Xvfb while a player pastes a long name and
clears it again, over and over:
python3 bench/memory_probe.py build/default/window/qt/hueprev [cycles] [characters]"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "scripts"))
from x11 import App, VirtualDisplay  # noqa: E402


def code_dense(size):
    unit = "^3abcd"
    return (unit * (size // len(unit) + 1))[:size]


def memory(pid):
    """(resident, peak resident) in MiB."""
    with open("/proc/%d/status" % pid) as f:
        fields = dict(line.split(":", 1) for line in f)
    return tuple(int(fields[k].split()[0]) / 1024 for k in ("VmRSS", "VmHWM"))


def caught_up(app, expected_length):
    """Copying the whole name out waits until every key sent before has been handled.
    It leaves the name selected."""
    if expected_length == 0:
        app.type("x")  # an empty box copies nothing
        expected_length = 1
    got = len(app.input_text(timeout=120))
    if got != expected_length:
        raise AssertionError("the input holds %d characters, expected %d" % (got, expected_length))


binary = sys.argv[1]
cycles = int(sys.argv[2]) if len(sys.argv) > 2 else 200
size = int(sys.argv[3]) if len(sys.argv) > 3 else 100_000
name = code_dense(size)
with VirtualDisplay() as display, App(display, binary) as app:
    pid = app.process.pid
    start = memory(pid)[0]
    app.set_clipboard(name)
    app.key("ctrl+v", "Return", "BackSpace")
    caught_up(app, 0)
    first = memory(pid)[0]
    app.set_clipboard(name)
    for _ in range(cycles - 1):
        app.key("ctrl+v", "Return", "BackSpace")
    caught_up(app, 0)
    last, cycles_peak = memory(pid)
    big = code_dense(1_000_000)
    app.set_clipboard(big)
    app.key("ctrl+v")
    caught_up(app, len(big))
    million, peak = memory(pid)
    app.close()
print("start_rss_mib=%.1f after_first_cycle=%.1f after_last_cycle=%.1f growth=%.1f peak=%.1f "
      "with_1M_name=%.1f peak_with_1M=%.1f (%d cycles of %d characters)"
      % (start, first, last, last - first, cycles_peak, million, peak, cycles, size))
