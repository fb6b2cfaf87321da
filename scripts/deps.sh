#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing hueprev need.
# As root it installs what is missing; otherwise it names the missing packages and stops.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang clang-tidy clang-format libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland libgl-dev libgif-dev
  libgtest-dev libbenchmark-dev
  # run: the Tahoma the window asks for
  fonts-wine
  # end-to-end tests, screenshots and benchmarks under a virtual display
  xvfb xauth xdotool xclip x11-utils x11-apps libx11-dev python3 netpbm fonts-dejavu-core
  # the window on a Wayland compositor
  weston
  # what a screen reader hears of the window: AT-SPI on a session bus of the test's own
  at-spi2-core python3-pyatspi dbus
  # the catalogues' checks, and Qt's own words in the player's language
  gettext qt6-translations-l10n
  # the letters a player sees as one: Unicode's grapheme break property and its tests
  unicode-data
  # resource script and packaging checks
  binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev file
  # artwork: the multi-image window icon, also read back from the .exe
  icoutils
  # the Windows builds and their tests under Wine (64-bit: no foreign architecture is added)
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest wine wine64
  # the web page: Emscripten, Node for its unit tests, Chromium and its driver for the page's tests
  emscripten nodejs chromium chromium-driver python3-selenium eslint
  # ... and in WebKitGTK, the engine of Safari, and Firefox ESR, with a window manager for its focus
  gir1.2-webkit2-4.1 python3-gi firefox-esr matchbox-window-manager
  # the page's figures in WebKitGTK
  webkit2gtk-driver
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "hueprev needs these Debian packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# What the project needs is named above; Debian's recommendations would add a third more to install.
# Unpacked without a sync after every file, which takes longer than the download.
apt-get install -y -qq --no-install-recommends -o Dpkg::Options::=--force-unsafe-io "${missing[@]}" >/dev/null
