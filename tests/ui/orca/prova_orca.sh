#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# prova_orca.sh PROGRAM_DIR LANGUAGE [DISPLAY]: a blind learner's session,
# heard through the real screen reader. Starts Xvfb, openbox, a private
# D-Bus and AT-SPI bus, Orca with its speech going only to its debug log,
# and the program with LANG=LANGUAGE; types a name, starts a phrase, types
# two right keys and a wrong one, finishes the phrase, and checks what Orca
# said: the phrase, the wrong key with the one expected, the score.
# DISPLAY (or SCRIVOLTA_ORCA_DISPLAY) fixes the X display; else a free one.
# Exits 77 (skipped) when Orca or the bus is not installed.
set -u
bin_dir=$1
lang=$2
fixed_display=${3:-${SCRIVOLTA_ORCA_DISPLAY:-}}

for exe in orca openbox script xprop Xvfb xdotool dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher \
  /usr/libexec/at-spi2-registryd; do
  command -v "$exe" >/dev/null || {
    echo "SKIP: $exe is not installed (apt-get install orca openbox at-spi2-core xvfb xdotool)"
    exit 77
  }
done

# Orca refuses to start beside another Orca of the same user, and replacing
# it would silence someone's screen reader: wait for one that is ending.
orcas() { pgrep -u "$(id -u)" -x orca; }
for _ in $(seq 50); do
  orcas >/dev/null || break
  sleep 0.1
done
if orcas >/dev/null; then
  echo "SKIP: Orca is already running for this user"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/scrivolta-orca-XXXXXX")
pids=()
# ended PID: waits up to 2 s for PID to end.
ended() {
  local n=20
  while [ $n -gt 0 ] && kill -0 "$1" 2>/dev/null; do
    sleep 0.1
    n=$((n - 1))
  done
}
finish() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    # Orca runs under `script`: ended first, it is reaped by `script`, which
    # then ends by itself; a killed `script` would leave it to linger.
    pkill -P "${pids[i]}" 2>/dev/null && ended "${pids[i]}"
    kill "${pids[i]}" 2>/dev/null
    ended "${pids[i]}"
    kill -KILL "${pids[i]}" 2>/dev/null
    wait "${pids[i]}" 2>/dev/null
  done
  [ -n "${SCRIVOLTA_ORCA_KEEP:-}" ] && echo "kept: $work" || rm -rf "$work"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  echo "--- what Orca said:" >&2
  grep -a 'SPEECH OUTPUT' "$work/orca.log" >&2
  echo "--- Orca's log ends:" >&2
  tail -n 15 "$work/orca.log" >&2
  echo "--- program:" >&2
  tail -n 20 "$work/program.log" >&2
  exit 1
}
# until TENTHS COMMAND...: polls COMMAND ten times a second.
until_ok() {
  local n=$1
  shift
  while [ "$n" -gt 0 ]; do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
    n=$((n - 1))
  done
  return 1
}

# A portable copy of the program, with a home of its own; the options a run
# of the build left behind (a language chosen, say) stay out of it, so that
# the language follows LANG.
cp -r "$bin_dir" "$work/bin"
rm -f "$work/bin/Scrivolta.ini"
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache

if [ -n "$fixed_display" ]; then
  Xvfb "$fixed_display" -noreset -nolisten tcp -screen 0 1280x1024x24 2>"$work/xvfb.log" &
  pids+=($!)
  export DISPLAY=$fixed_display
else
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" \
    2>"$work/xvfb.log" &
  pids+=($!)
  until_ok 100 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=:$(cat "$work/display")
fi
until_ok 100 xdotool getdisplaygeometry || fail "Xvfb did not answer"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
until_ok 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || fail "openbox did not start"

# The buses: a session bus, the accessibility bus and its registry.
has_owner() {
  dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q 'boolean true'
}
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session_bus"
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" \
  >"$work/bus.log" 2>&1 &
pids+=($!)
until_ok 100 test -S "$work/session_bus" || fail "no session bus"
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >>"$work/bus.log" 2>&1 &
pids+=($!)
until_ok 100 has_owner "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus || fail "no AT-SPI bus"
atspi=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress | tr -d ' \n')
AT_SPI_BUS_ADDRESS=$atspi /usr/libexec/at-spi2-registryd >>"$work/bus.log" 2>&1 &
pids+=($!)
until_ok 100 has_owner "$atspi" org.a11y.atspi.Registry || fail "no AT-SPI registry"

# Orca, its speech only in its log: speech-dispatcher without a sound card
# would hang it. Orca buffers a log file but writes a terminal line by line,
# so its log goes to a terminal that `script` copies to the file at once.
LANG=$lang script -qfec "orca -d speech --debug-file=/dev/stdout" "$work/orca.log" \
  >/dev/null 2>&1 </dev/null &
pids+=($!)
until_ok 300 grep -aq 'Startup complete' "$work/orca.log" || fail "Orca did not start"

LANG=$lang QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/bin/scrivolta" >"$work/program.log" 2>&1 &
program=$!
pids+=($program)

windows() { xdotool search --onlyvisible --pid "$program" 2>/dev/null; }
# The program spells its title before the name window opens: the name
# window is the second visible window.
until_ok 600 sh -c "[ \$(xdotool search --onlyvisible --pid $program | wc -l) -ge 2 ]" ||
  fail "no name window"
main=""
for w in $(windows); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$WIDTH" -ge 600 ] && main=$w
done
dialog=$(windows | grep -v -x "$main" | head -n 1)
xdotool windowactivate --sync "$dialog" type --delay 50 "Lea"
xdotool key --clearmodifiers Return

# Everything Orca said, one utterance a line, from line $1 on.
said() { grep -a 'SPEECH OUTPUT' "$work/orca.log" | tail -n +"${1:-1}"; }
heard() { said "$1" | grep -aiq -- "$2"; }

until_ok 300 heard 1 "Lea" || fail "the greeting was not spoken"
before=$(said | wc -l)
xdotool windowactivate --sync "$main" key --clearmodifiers Return
until_ok 100 sh -c "[ \$(grep -a 'SPEECH OUTPUT' '$work/orca.log' | grep -ac notification) -ge 2 ]" ||
  fail "no phrase was spoken"
sleep_free_line=$(said "$((before + 1))" | grep -a notification | tail -n 1)
# "notification <phrase>. <first key>"
spoken=${sleep_free_line#*notification }
spoken=${spoken%\'*}
phrase=${spoken%. *}
echo "phrase: $phrase"
[ ${#phrase} -ge 4 ] || fail "no phrase in: $sleep_free_line"

# The learner's words for the space bar and for points.
case $lang in
  fr*) space=espace points=points ;;
  en*) space=space points=points ;;
  *) space=spazio points=punti ;;
esac
expected=${phrase:2:1}
wrong=x
[ "$expected" = x ] && wrong=w
if [ "$expected" = " " ]; then
  expected=$space
else
  expected=$(printf '%s' "$expected" | tr '[:lower:]' '[:upper:]')
fi
before=$(said | wc -l)
xdotool type --delay 80 "${phrase:0:2}"
xdotool type --delay 80 "$wrong"
until_ok 50 heard "$((before + 1))" "notification.* ${wrong}, .*${expected}" ||
  fail "the wrong key ${wrong} and the expected ${expected} were not spoken"
xdotool type --delay 80 "${phrase:2}"
until_ok 100 heard "$((before + 1))" "notification.* [0-9]\+ ${points}" || fail "the score was not spoken"
echo "--- Orca's speech of the program's announcements:"
said | grep -a notification | sed "s/^.*SPEECH OUTPUT: //; s/{'established.*$//"
exit 0
