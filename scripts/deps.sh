#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Horavia need.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
PACKAGES=(cmake g++ clang-14 libclang-rt-14-dev qt6-base-dev libgtest-dev libbenchmark-dev
          xvfb xauth xdotool x11-utils dbus dbus-x11 faketime xinetd chrony imagemagick
          dpkg-dev file lintian appstream desktop-file-utils
          openbox lxqt-panel weston qt6-wayland
          g++-mingw-w64-x86-64-posix wine wine64
          python3 tzdata locales-all)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
  $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
