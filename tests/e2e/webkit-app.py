"""Opens a page in WebKitGTK, the engine of Safari, as an app window of the
page's size with the page's title and nothing else, as chromium-app.sh does
for Chromium:  webkit-app.py PAGE WIDTH HEIGHT
Undo and redo are the browser's own commands, as in Epiphany."""
import os
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("WebKit2", "4.1")
from gi.repository import Gdk, Gtk, WebKit2  # noqa: E402

page, width, height = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
window = Gtk.Window()
window.set_resizable(False)
view = WebKit2.WebView()
view.set_size_request(width, height)
view.connect("notify::title", lambda view, _: window.set_title(view.get_title() or ""))
window.add(view)


def key(_, event):
    control = event.state & Gdk.ModifierType.CONTROL_MASK
    if control and Gdk.keyval_to_lower(event.keyval) == Gdk.KEY_z:
        shift = event.state & Gdk.ModifierType.SHIFT_MASK
        view.execute_editing_command(WebKit2.EDITING_COMMAND_REDO if shift else WebKit2.EDITING_COMMAND_UNDO)
        return True
    return False


window.connect("key-press-event", key)
window.connect("destroy", Gtk.main_quit)
link = os.environ.get("HUEPREV_LINK")
view.load_uri("file://" + os.path.realpath(page) + ("#" + link if link else ""))
window.show_all()
Gtk.main()
