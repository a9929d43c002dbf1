#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Horavia need.
#   scripts/deps.sh          everything the tests need too (desktops, servers, Wine...)
#   scripts/deps.sh --run    only what building and running the program needs
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
RUN_PACKAGES=(cmake g++ qt6-base-dev libxcb1-dev libfontconfig-dev qt6-qpa-plugins qt6-wayland tzdata libssl-dev
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
TEST_PACKAGES=(clang-14 libclang-rt-14-dev libgtest-dev libbenchmark-dev
          xvfb xauth xdotool x11-utils dbus dbus-x11 faketime xinetd chrony gnutls-bin imagemagick
          dpkg-dev file lintian appstream desktop-file-utils
          openbox lxqt-panel xfce4-panel xfwm4 weston
          g++-mingw-w64-x86-64-posix wine wine64
          python3 locales-all at-spi2-core python3-pyatspi python3-ephem
          fonts-wqy-microhei)
PACKAGES=("${RUN_PACKAGES[@]}")
[ "${1:-}" = "--run" ] || PACKAGES+=("${TEST_PACKAGES[@]}")
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
  $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
