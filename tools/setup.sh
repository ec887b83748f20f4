#!/usr/bin/env bash
# Installs every Debian package the build, the run and the tests need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # libraries
  libgtk-3-dev libwebkit2gtk-4.1-dev libcurl4-openssl-dev libminizip-dev zlib1g-dev
  libpugixml-dev libglib2.0-dev libcairo2-dev libpango1.0-dev libx11-dev libxext-dev
  libssl-dev glib-networking
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # display, screenshots and desktop tools the tests drive
  xvfb xauth x11-utils xdotool imagemagick desktop-file-utils dbus-x11 openssl python3
  # fonts: the skin's captions are Chinese
  fonts-wqy-zenhei fonts-wqy-microhei fonts-dejavu-core
  # icon theme the window and tray icons live in
  hicolor-icon-theme
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
