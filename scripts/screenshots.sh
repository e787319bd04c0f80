#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program under a private Xvfb at 800x600, 1280x1024 and
# 1920x1080, types the learner's name and a few keys of the first phrase, and
# writes one screenshot per size to the folder given (default: build/shots).
# Then the greeting in French at 800x600, 1024x768, 1280x1024 and 1920x1080,
# the report of a short text file, and the progress window after one day.
# Usage: scripts/screenshots.sh [build folder] [output folder]
# SCRIVOLTA_DISPLAY picks the X display number (default: one from the PID).
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/test}
out=${2:-build/shots}
mkdir -p "$out"
programma="$build/bin/scrivolta"
[ -x "$programma" ] || { echo "build $programma first" >&2; exit 1; }

# A display number of its own, and a private copy of the program's folder so
# that the options written by the run stay out of the build.
numero=${SCRIVOLTA_DISPLAY:-$((70 + $$ % 20))}
cartella=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
cp -r "$build/bin/." "$cartella/"
rm -f "$cartella/Scrivolta.ini"
# A text file of our own, so that the keys typed are the right ones.
mkdir -p "$cartella/Esercizi"
printf 'le chat dort sur le tapis et la souris joue dans la cuisine avec une balle rouge' \
    >"$cartella/Esercizi/Vetrina.txt"
# A text file short enough to be typed to its end, for the report.
printf 'le chat dort' >"$cartella/Esercizi/Breve.txt"
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

# Polls until `comando` succeeds, for at most five seconds.
aspetta() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

avviaSchermo() {
    Xvfb ":$numero" -screen 0 "${1}x24" -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$numero" XDG_RUNTIME_DIR="$runtime"
    aspetta xdotool getdisplaygeometry
    setxkbmap us
}

fermaSchermo() {
    [ -n "$programmaPid" ] && { kill "$programmaPid"; wait "$programmaPid" 2>/dev/null || true; }
    programmaPid=""
    kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
    xvfb=""
}

finestreVisibili() {
    xdotool search --onlyvisible --pid "$programmaPid" 2>/dev/null | wc -l
}
almenoFinestre() { [ "$(finestreVisibili)" -ge "$1" ]; }
soloFinestre() { [ "$(finestreVisibili)" -eq "$1" ]; }

# The name window is a second visible window after the spelled title; the
# greeting ends with the hands' overlay, again a second window, which slides
# until it stands still.
datiNome() {
    aspetta almenoFinestre 2 || aspetta almenoFinestre 2
    w=$(xdotool search --onlyvisible --pid "$programmaPid" | tail -1)
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool type --delay 60 "Anna"
    xdotool key Return
    aspetta soloFinestre 1
}
mappaFerma() {
    aspetta almenoFinestre 2 || return 0
    m=$(xdotool search --onlyvisible --pid "$programmaPid" | tail -1)
    prima=""
    for _ in $(seq 100); do
        ora=$(xdotool getwindowgeometry "$m" 2>/dev/null | head -2 | tr -d '\n')
        [ -n "$prima" ] && [ "$ora" = "$prima" ] && return 0
        prima=$ora
        sleep 0.1
    done
}

for dimensione in 800x600 1024x768 1280x1024 1920x1080; do
    avviaSchermo "$dimensione"
    rm -f "$cartella/Scrivolta.ini"
    LANG=fr_BE.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$cartella/scrivolta" >/dev/null 2>&1 &
    programmaPid=$!
    datiNome
    mappaFerma
    xwd -root -silent | convert xwd:- "$out/saluto-fr-$dimensione.png"
    echo "$out/saluto-fr-$dimensione.png"
    fermaSchermo
done

# The report of a text file typed to its end, in French.
avviaSchermo 1280x1024
rm -f "$cartella/Scrivolta.ini"
LANG=fr_BE.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$cartella/scrivolta" /Breve.txt >/dev/null 2>&1 &
programmaPid=$!
datiNome
mappaFerma
xdotool key Return
xdotool type --delay 120 "le chat dort"
aspetta almenoFinestre 2
aspetta almenoFinestre 2
xwd -root -silent | convert xwd:- "$out/rapporto-fr.png"
echo "$out/rapporto-fr.png"
fermaSchermo

# The progress window (F9) after one day of practice: a first run types the
# whole text file and Return on its report ends it; a second run opens the
# window.
avviaSchermo 1280x1024
rm -f "$cartella/Scrivolta.ini"
"$cartella/scrivolta" /Vetrina.txt >/dev/null 2>&1 &
programmaPid=$!
datiNome
mappaFerma
xdotool key Return
xdotool type --delay 40 "$(cat "$cartella/Esercizi/Vetrina.txt")"
aspetta almenoFinestre 2
xdotool key Return
aspetta sh -c "! kill -0 $programmaPid"
wait "$programmaPid" 2>/dev/null || true
"$cartella/scrivolta" >/dev/null 2>&1 &
programmaPid=$!
datiNome
mappaFerma
# F9 is refused while the greeting plays.
progressiAperta() { xdotool search --onlyvisible --name '^Progressi$'; }
for _ in $(seq 60); do
    progressiAperta >/dev/null 2>&1 && break
    xdotool key F9
    aspetta progressiAperta
done
# The charts are drawn a moment after the window shows: the picture is taken
# once two in a row are the same.
prima=""
for _ in $(seq 50); do
    ora=$(xwd -root -silent | md5sum)
    [ "$ora" = "$prima" ] && break
    prima=$ora
done
xwd -root -silent | convert xwd:- "$out/progressi-1280x1024.png"
echo "$out/progressi-1280x1024.png"
fermaSchermo
