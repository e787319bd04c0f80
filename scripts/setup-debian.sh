#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Scrivolta needs on Debian 12.
# Idempotent: asks apt only for the packages that are missing, so a second
# run costs a dpkg query and nothing else.
set -eu

PACKAGES="
  g++ cmake make pkgconf
  qt6-base-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev libxtst-dev libxkbfile-dev libxdamage-dev x11-xkb-utils
  libpulse-dev
  xvfb xauth xdotool
  fonts-liberation fonts-dejavu-core fonts-symbola fonts-urw-base35 python3-fonttools
  qpdf poppler-utils
  clang libclang-rt-14-dev clang-format-14
  libsqlite3-dev qt6-charts-dev libqt6opengl6-dev
  cups printer-driver-cups-pdf
  appstream desktop-file-utils lintian librsvg2-bin file dpkg-dev
  x11-apps imagemagick
  hunspell hunspell-fr
  weston qt6-wayland
  orca openbox at-spi2-core dbus-daemon dbus-bin bsdutils x11-utils
"

missing=""
for p in $PACKAGES; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $p" ;;
  esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
