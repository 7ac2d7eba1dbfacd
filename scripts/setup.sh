#!/usr/bin/env bash
# Installs what building, running and testing getalveld need, from Debian 12's packages, if missing.
set -euo pipefail

# With --tests, also what the desktop tests need: an X server, three window managers (kwin with
# the decoration that gives its windows a frame), a Wayland compositor with Qt's Wayland
# platform, X input and window grabs, strace, and a
# screen reader's side of accessibility (a session bus, the AT-SPI registry, its client, and
# Orca itself with speech-dispatcher and espeak-ng).
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libxcb1-dev libfontconfig-dev)
if [ "${1:-}" = "--tests" ]; then
    packages+=(xvfb openbox xfwm4 kwin-x11 kwin-style-breeze xdotool x11-utils x11-apps strace dbus)
    packages+=(weston qt6-wayland)
    packages+=(at-spi2-core python3-pyatspi)
    packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng bsdutils procps)
fi
# shellcheck source=packages.sh
source "$(dirname "$0")/packages.sh"
install_packages "${packages[@]}"
