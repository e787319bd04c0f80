#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Scrivolta: a Release build with Debian's
# hardening flags, installed under /usr and packed by CPack with the
# dependencies dpkg-shlibdeps computes from the program. The package lands in
# build/package/, e.g. build/package/scrivolta_0.1.0_amd64.deb. Arguments go
# to CMake, e.g. -DSCRIVOLTA_WEB_SITE=https://... for the program's addresses.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh
build=build/package
# Every hardening feature, immediate binding included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cflags=$(dpkg-buildflags --get CXXFLAGS)
cppflags=$(dpkg-buildflags --get CPPFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DSCRIVOLTA_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$cflags $cppflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)
ls -l "$build"/scrivolta_*.deb
