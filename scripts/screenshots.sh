#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program under a private Xvfb at 800x600, 1280x1024 and
# 1920x1080, types the learner's name and a few keys of the first phrase, and
# writes one screenshot per size to the folder given (default: build/shots).
# Usage: scripts/screenshots.sh [build folder] [output folder]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/test}
out=${2:-build/shots}
mkdir -p "$out"
programma="$build/bin/scrivolta"
[ -x "$programma" ] || { echo "build $programma first" >&2; exit 1; }

# A display number of its own (or SCRIVOLTA_SHOT_DISPLAY), and a private copy
# of the program's folder so that the options written by the run stay out of
# the build.
numero=${SCRIVOLTA_SHOT_DISPLAY:-$((70 + $$ % 20))}
cartella=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
cp -r "$build/bin/." "$cartella/"
rm -f "$cartella/Scrivolta.ini"
# A text file of our own, so that the keys typed are the right ones.
mkdir -p "$cartella/Esercizi"
printf 'le chat dort sur le tapis et la souris joue dans la cuisine avec une balle rouge' \
    >"$cartella/Esercizi/Vetrina.txt"
xvfb=""
programmaPid=""
fine() {
    [ -n "$programmaPid" ] && kill "$programmaPid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$cartella" "$runtime"
}
trap fine EXIT

finestra() {
    for _ in $(seq 50); do
        w=$(xdotool search --pid "$1" 2>/dev/null | tail -1 || true)
        [ -n "$w" ] && { echo "$w"; return; }
        sleep 0.1
    done
}

for dimensione in 800x600 1280x1024 1920x1080; do
    Xvfb ":$numero" -screen 0 "${dimensione}x24" -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$numero" XDG_RUNTIME_DIR="$runtime"
    sleep 1
    setxkbmap us
    "$cartella/scrivolta" /Vetrina.txt >/dev/null 2>&1 &
    programmaPid=$!
    # The title spells itself out, then the name window opens.
    sleep 4.5
    w=$(finestra "$programmaPid")
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool type --delay 60 "Anna"
    xdotool key Return
    sleep 1.5
    xdotool key Return
    sleep 0.8
    # The first words of the text, and one wrong key.
    xdotool type --delay 150 "le chat dort sx"
    sleep 0.6
    xwd -root -silent | convert xwd:- "$out/scrivolta-$dimensione.png"
    echo "$out/scrivolta-$dimensione.png"
    kill "$programmaPid"; wait "$programmaPid" 2>/dev/null || true
    programmaPid=""
    kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
    xvfb=""
done

# The progress window (F9) after one day of practice: a first run types the
# whole text file, whose report ends it; a second run opens the window.
visibili() {
    xdotool search --onlyvisible --pid "$programmaPid" 2>/dev/null | wc -l
}
# attendiFinestre N: polls until the program shows N windows.
attendiFinestre() {
    for _ in $(seq 150); do
        [ "$(visibili)" -ge "$1" ] && return 0
        sleep 0.1
    done
    echo "the program did not show $1 windows" >&2
    return 1
}
Xvfb ":$numero" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$numero" XDG_RUNTIME_DIR="$runtime"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
setxkbmap us
for corsa in testo progressi; do
    if [ $corsa = testo ]; then
        "$cartella/scrivolta" /Vetrina.txt >/dev/null 2>&1 &
    else
        "$cartella/scrivolta" >/dev/null 2>&1 &
    fi
    programmaPid=$!
    attendiFinestre 2
    w=$(finestra "$programmaPid")
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool type --delay 60 "Anna"
    xdotool key Return
    if [ $corsa = testo ]; then
        sleep 1.5
        xdotool key Return
        sleep 0.8
        xdotool type --delay 40 "$(cat "$cartella/Esercizi/Vetrina.txt")"
        # Return closes the report, and the program with it.
        for _ in $(seq 60); do
            kill -0 "$programmaPid" 2>/dev/null || break
            xdotool key Return
            sleep 0.5
        done
        wait "$programmaPid" 2>/dev/null || true
    else
        # F9 is refused while the greeting plays.
        for _ in $(seq 60); do
            xdotool search --onlyvisible --name '^Progressi$' >/dev/null 2>&1 && break
            xdotool key F9
            sleep 0.5
        done
        sleep 0.5
        xwd -root -silent | convert xwd:- "$out/progressi-1280x1024.png"
        echo "$out/progressi-1280x1024.png"
        kill "$programmaPid"
        wait "$programmaPid" 2>/dev/null || true
    fi
    programmaPid=""
done
kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
xvfb=""
