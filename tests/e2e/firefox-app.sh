#!/bin/sh
# Opens a page in Debian's Firefox ESR in kiosk mode, which fills the screen,
# with a profile in the test's own runtime folder and a window manager,
# without which Firefox takes no keyboard focus under bare Xvfb:
#   firefox-app.sh PAGE
set -eu
profile="${XDG_RUNTIME_DIR:?}/firefox"
mkdir -p "$profile"
cat >"$profile/user.js" <<'PREFS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("app.update.enabled", false);
user_pref("network.captive-portal-service.enabled", false);
user_pref("network.connectivity-service.enabled", false);
PREFS
matchbox-window-manager -use_titlebar no &
exec firefox-esr --kiosk --no-remote --profile "$profile" "file://$(realpath "$1")${HUEPREV_LINK:+#$HUEPREV_LINK}"
