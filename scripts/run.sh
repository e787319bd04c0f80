#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Scrivolta (Release) and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DSCRIVOLTA_BENCH=OFF >/dev/null
cmake --build build/release -j "$(nproc)"
exec build/release/bin/scrivolta "$@"
