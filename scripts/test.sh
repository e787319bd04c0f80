#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: the core
# and window tests (with the installed program's), lintian on the Debian
# package, the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz target for a bounded time.
# SCRIVOLTA_QUICK=1 stops after the package check.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh
jobs=$(nproc)

echo "== formatting"
./scripts/check-format.sh

echo "== build and tests"
# The package lintian checks below is never shipped: its maintainer is a
# documentation address.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCRIVOLTA_WERROR=ON \
  -DSCRIVOLTA_MAINTAINER="Scrivolta test build <test-build@example.org>" >/dev/null
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

echo "== Debian package of the test build, checked by lintian"
rm -rf build/test/deb
(cd build/test && cpack -G DEB -B deb >/dev/null)
lintian --fail-on error,warning build/test/deb/scrivolta_*.deb
echo "lintian: no error, no warning"

[ "${SCRIVOLTA_QUICK:-0}" = 1 ] && exit 0

echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DSCRIVOLTA_WITH_QT=OFF \
  -DSCRIVOLTA_SANITIZE=ON -DSCRIVOLTA_BENCH=OFF -DSCRIVOLTA_WERROR=ON >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== fuzzing"
CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCRIVOLTA_WITH_QT=OFF \
  -DSCRIVOLTA_FUZZ=ON -DBUILD_TESTING=OFF -DSCRIVOLTA_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$jobs"
seconds=${SCRIVOLTA_FUZZ_SECONDS:-30}
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=""
  [ -d "fuzz/seeds/$name" ] && seeds="fuzz/seeds/$name"
  echo "-- $name for $seconds s"
  # shellcheck disable=SC2086
  if ! "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" $seeds >"build/fuzz/$name.log" 2>&1; then
    tail -n 40 "build/fuzz/$name.log"
    echo "$name found a fault" >&2
    exit 1
  fi
  tail -n 4 "build/fuzz/$name.log"
done
