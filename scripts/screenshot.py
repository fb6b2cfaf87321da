"""Takes the README's screenshot of the real window under a virtual display:
python3 scripts/screenshot.py build/default/window/hueprev docs/screenshot.png"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from x11 import App, VirtualDisplay  # noqa: E402

binary, output = sys.argv[1], sys.argv[2]
with VirtualDisplay() as display, App(display, binary) as app:
    app.type("^1Tarn^3vale ^5Sky^6Rider^9_^2x")
    app.screenshot().save_png(output)
    app.close()
print("wrote", output)
