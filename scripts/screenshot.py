"""Takes the README's screenshot of the real window under a virtual display:
python3 scripts/screenshot.py build/default/window/qt/hueprev docs/screenshot.png"""
import sys

from x11 import App, VirtualDisplay

binary, output = sys.argv[1], sys.argv[2]
with VirtualDisplay() as display, App(display, binary) as app:
    app.type("^1Tarn^3vale ^5Sky^6Rider^9_^2x")
    app.screenshot().save_png(output)
    app.close()
print("wrote", output)
