#!/usr/bin/env bash
# The Wine prefix of one test run, made once and copied for each test:
#   prefix.sh make DIR      a fresh prefix in DIR/template, with the Tahoma of fonts-wine
#   prefix.sh end DIR       ends that prefix's Wine processes and removes it
set -euo pipefail
action=$1 dir=$2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="$dir/template"
case $action in
  make)
    rm -rf "$dir" && mkdir -p "$dir"
    # wineboot opens no window, but Wine wants a display all the same.
    "$(dirname "$0")/../../scripts/with-display.sh" "${HUEPREV_WINE:-wine64}" wineboot -i >/dev/null 2>&1
    wineserver -w
    # Wine does not find fonts-wine's Tahoma by itself.
    cp "${HUEPREV_TAHOMA:?}" "$(dirname "$HUEPREV_TAHOMA")"/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    test -f "$WINEPREFIX/system.reg"
    echo "made $WINEPREFIX"
    ;;
  end)
    [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null || true
    rm -rf "$dir"
    ;;
esac
