#!/bin/sh
# Opens a page in Debian's Chromium as an app window of the page's size, with
# a profile in the test's own runtime folder:  chromium-app.sh PAGE WIDTH HEIGHT
# The native frame leaves the whole window to the page (no window manager
# draws one under Xvfb); --test-type keeps the bar about --no-sandbox, which
# root needs, off the page.
set -eu
profile="${XDG_RUNTIME_DIR:?}/chromium"
mkdir -p "$profile/Default"
echo '{"browser":{"custom_chrome_frame":false}}' >"$profile/Default/Preferences"
exec chromium --no-sandbox --test-type --disable-gpu --no-first-run --no-default-browser-check \
  --disable-background-networking --disable-component-update --disable-sync --disable-quic \
  --log-level=3 --user-data-dir="$profile" --window-position=0,0 --window-size="$2,$3" \
  --app="file://$(realpath "$1")${HUEPREV_LINK:+#$HUEPREV_LINK}"
