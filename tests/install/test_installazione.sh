#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# test_installazione.sh BUILD_DIR VERSION: installs the build into a private
# DESTDIR, checks the desktop entry and the software-centre metadata, starts
# the installed program on its own Xvfb as a learner with an empty home,
# leaves it through Esc and Yes, and checks that the options went to the XDG
# config folder and that nothing under the install prefix changed.
set -eu
build=$1
version=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/scrivolta-install-XXXXXX")
xvfb=""
program=""
finish() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || {
  cat "$work/install.log"
  fail "cmake --install"
}
bin=$root/usr/bin/scrivolta
[ -x "$bin" ] || fail "no program in bin/"
for f in usr/share/scrivolta/Lang/English.lng usr/share/applications/be.scrivolta.Scrivolta.desktop \
  usr/share/metainfo/be.scrivolta.Scrivolta.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/be.scrivolta.Scrivolta.svg \
  usr/share/icons/hicolor/48x48/apps/be.scrivolta.Scrivolta.png \
  usr/share/man/man1/scrivolta.1.gz usr/share/man/fr/man1/scrivolta.1.gz; do
  [ -f "$root/$f" ] || fail "not installed: /$f"
done
# The modules the program loads when first needed.
find "$root/usr/lib" -name scrivolta-grafici.so | grep -q . || fail "no charts module under /usr/lib"
find "$root/usr/lib" -name scrivolta-stampa.so | grep -q . || fail "no print module under /usr/lib"

answer=$("$bin" --version)
[ "$answer" = "scrivolta $version" ] || fail "--version printed '$answer'"

# The validators come with the set-up; a machine without them skips them.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/be.scrivolta.Scrivolta.desktop" ||
    fail "desktop-file-validate"
else
  echo "desktop-file-validate not installed: skipped"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net \
    "$root/usr/share/metainfo/be.scrivolta.Scrivolta.metainfo.xml" || fail "appstreamcli validate"
else
  echo "appstreamcli not installed: skipped"
fi
for page in "$root/usr/share/man/man1/scrivolta.1.gz" "$root/usr/share/man/fr/man1/scrivolta.1.gz"; do
  warnings=$(zcat "$page" | LC_ALL=C.UTF-8 MANWIDTH=80 groff -k -man -Tutf8 -ww -z 2>&1) || true
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
done

# Everything under the prefix, with sizes and times, to compare after the run.
snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$work/before"

home=$work/home
mkdir -p "$home" "$work/run"
chmod 700 "$work/run"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
n=0
while [ ! -s "$work/display" ]; do
  n=$((n + 1))
  [ $n -lt 100 ] || fail "Xvfb did not start"
  sleep 0.1
done
display=:$(cat "$work/display")

env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
  XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/run" \
  DISPLAY="$display" LANG=C.UTF-8 "$bin" >"$work/program.log" 2>&1 &
program=$!

# The learner's keys go to the program's one dialog when it shows one (the
# name at the first start, the question before closing), else to the main
# window, which covers the screen.
windows() {
  DISPLAY=$display xdotool search --onlyvisible --pid "$program" 2>/dev/null || true
}
dialog() {
  windows | grep -v -x "$main" | head -n 1
}
# waitdialog SHOWN|GONE TENTHS: whether a dialog shows (or is gone) within the time.
waitdialog() {
  n=0
  while [ $n -lt "$2" ]; do
    d=$(dialog)
    if [ "$1" = SHOWN ] && [ -n "$d" ]; then return 0; fi
    if [ "$1" = GONE ] && [ -z "$d" ]; then return 0; fi
    n=$((n + 1))
    sleep 0.1
  done
  return 1
}
press() {
  DISPLAY=$display xdotool windowfocus --sync "$1" key --clearmodifiers "$2"
}

main=""
n=0
while [ -z "$main" ]; do
  for w in $(windows); do
    eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$w")"
    [ "$WIDTH" = 1280 ] && main=$w
  done
  n=$((n + 1))
  [ $n -lt 150 ] || fail "no main window"
  sleep 0.1
done
waitdialog SHOWN 100 || fail "no name window at the first start"
name=$(dialog)
DISPLAY=$display xdotool windowfocus --sync "$name" type "Anna"
press "$name" Return
waitdialog GONE 50 || fail "the name window stayed open"
# Esc comes while the greeting plays, the moment a program that ended inside
# a wait used to stay running; it is pressed again if it came too early to
# ask the question.
tries=0
until { press "$main" Escape && waitdialog SHOWN 20; }; do
  tries=$((tries + 1))
  [ $tries -lt 10 ] || fail "no question after Esc"
done
# Its first button, Yes, is the default. A key that comes before the box
# has taken the focus is lost: Return is pressed again while the box shows.
# An ended child stays a zombie until it is waited for.
running() {
  [ -r "/proc/$program/stat" ] && [ "$(cut -d ' ' -f 3 "/proc/$program/stat")" != Z ]
}
ended() {
  n=0
  while running; do
    n=$((n + 1))
    [ $n -lt 20 ] || return 1
    sleep 0.1
  done
}
tries=0
until ended; do
  d=$(dialog)
  [ -n "$d" ] && press "$d" Return
  tries=$((tries + 1))
  [ $tries -lt 10 ] || fail "the program did not end after Yes"
done
status=0
wait "$program" || status=$?
program=""
[ "$status" = 0 ] || { cat "$work/program.log"; fail "the program ended with $status"; }

options=$home/.config/scrivolta/Scrivolta.ini
[ -f "$options" ] || { (cd "$home" && find .); fail "no options file in the XDG config folder"; }
grep -q "^\[Options\]" "$options" || fail "no options in $options"
# The Belgian keymap compiled at this start waits for the next in the cache.
[ -s "$home/.cache/scrivolta/belga.xkm" ] || { (cd "$home" && find .); fail "no keymap kept in the XDG cache folder"; }
# The data is read where it was installed, never copied for the learner.
(cd "$root/usr/share/scrivolta" && find . -type f) | while read -r f; do
  [ ! -e "$home/.local/share/scrivolta/$f" ] || fail "$f was copied into the learner's folder"
done
snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "the program wrote under the install prefix"
echo "installed copy: options in \$XDG_CONFIG_HOME, prefix untouched"
