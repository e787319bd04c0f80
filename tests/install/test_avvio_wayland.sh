#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# test_avvio_wayland.sh PROGRAM: starts the program on Qt's native Wayland
# plugin in a headless weston, with no X server beside it, and checks that
# it draws its first dialog (the name window, whose empty field once crashed
# Qt's plugin), says once that the layout is the desktop's to set, and ends
# cleanly on SIGTERM. Skipped (77) where weston or Qt's Wayland plugin is
# missing.
set -eu
program_bin=$1

command -v weston >/dev/null || {
  echo "weston not installed: skipped"
  exit 77
}
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || {
  echo "qt6-wayland not installed: skipped"
  exit 77
}

work=$(mktemp -d "${TMPDIR:-/tmp}/scrivolta-wayland-XXXXXX")
chmod 700 "$work"
weston_pid=""
program=""
finish() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/program.log" ] && grep -v '^\[' "$work/program.log" >&2
  exit 1
}
# until TENTHS COMMAND...: polls COMMAND every tenth of a second.
until_ok() {
  tries=$1
  shift
  n=0
  until "$@"; do
    n=$((n + 1))
    [ $n -lt "$tries" ] || return 1
    sleep 0.1
  done
}
running() {
  [ -r "/proc/$program/stat" ] && [ "$(cut -d ' ' -f 3 "/proc/$program/stat")" != Z ]
}

socket=scrivolta-test
XDG_RUNTIME_DIR=$work weston --backend=headless-backend.so --width=1280 --height=1024 \
  --socket=$socket >"$work/weston.log" 2>&1 &
weston_pid=$!
until_ok 100 test -S "$work/$socket" || fail "weston did not start"

mkdir -p "$work/home"
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work" LANG=C.UTF-8 \
  WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  "$program_bin" >"$work/program.log" 2>&1 &
program=$!

# The name window is the second top-level surface; it has been painted once
# a buffer is attached to it.
dialog_surface() {
  grep 'get_xdg_surface' "$work/program.log" | sed -n '2s/.*, wl_surface@\([0-9]*\)).*/\1/p'
}
surface=""
found_dialog() {
  running || fail "the program ended before its name window showed"
  surface=$(dialog_surface)
  [ -n "$surface" ]
}
until_ok 300 found_dialog || fail "no name window"
painted() {
  running || fail "the program ended while painting its name window"
  grep -q "wl_surface@$surface.attach(" "$work/program.log"
}
until_ok 100 painted || fail "the name window was never painted"

notes=$(grep -c 'keyboard settings' "$work/program.log" || true)
[ "$notes" = 1 ] || fail "the layout note was printed $notes times"

kill -TERM "$program"
status=0
wait "$program" || status=$?
program=""
[ $status = 0 ] || fail "exit status $status after SIGTERM"
echo "ok: native Wayland start, name window painted, clean exit"
