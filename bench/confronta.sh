#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Scrivolta beside the floor (bench/pavimento: the least a typing
# tutor shows) on one private Xvfb, the two programs taking turns round after
# round, and prints each figure's median for both and their ratio.
# Usage: bench/confronta.sh [build folder] [rounds] [display number]
# Needs Xvfb, xdotool, setxkbmap and xwininfo; the build folder must hold
# scrivolta, pavimento, latenza and bench_avvio (cmake --build ... --target
# scrivolta pavimento latenza bench_avvio). When TIPP10 and Qt's SQLite
# driver are installed (apt-get install tipp10 libqt6sql6-sqlite), its start
# and memory are measured in the same rounds, with settings and lessons of
# its own that skip its introduction.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/test}
giri=${2:-7}
numero=${3:-71}
bin="$build/bin"
for p in scrivolta pavimento latenza bench_avvio; do
    [ -x "$bin/$p" ] || { echo "build $bin/$p first" >&2; exit 1; }
done

# The same 200 keys in both: five phrases of the first level, ASCII so that
# they type alike under any layout.
testo=$(printf '%s' "demain je ne peux pas sortir car je suis malade le gazon de notre jardin exige beaucoup de soin mon ami jardinier soigne le jardin avec beaucoup de plaisir ma chambre donne sur le jardin ma maison est tout au fond" | cut -c1-200)
tasti=$(printf '%s' "$testo" | wc -c)
inizioLatenza=171
ritmoMs=125          # 8 keys a second
quieteS=5            # each idle measurement

cartella=$(mktemp -d)
runtime=$(mktemp -d)
chmod 700 "$runtime"
mkdir -p "$cartella/app"
tipp10=""
if command -v tipp10 >/dev/null 2>&1 && ls /usr/lib/*/qt6/plugins/sqldrivers/libqsqlite.so >/dev/null 2>&1; then
    tipp10=$(command -v tipp10)
    mkdir -p "$cartella/tipp10/config/TIPP10" "$cartella/tipp10/dati"
    printf '[main]\ncheck_illustration=false\n' >"$cartella/tipp10/config/TIPP10/TIPP10.conf"
fi
cp -r "$bin/." "$cartella/app/"
rm -f "$cartella/app/Scrivolta.ini"
mkdir -p "$cartella/app/Esercizi"
printf '%s' "$testo" >"$cartella/app/Esercizi/Banco.txt"
xvfb=""
pid=""
fine() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$cartella" "$runtime"
}
trap fine EXIT INT TERM

Xvfb ":$numero" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
xvfb=$!
# A cache of its own: the first round compiles the Belgian keymap, as a
# learner's first start does, and the others read it, as every later start.
export DISPLAY=":$numero" XDG_RUNTIME_DIR="$runtime" XDG_CACHE_HOME="$cartella/cache"
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
radice=$(xwininfo -root | awk '/Window id:/ {print $4}')

# Processor time of every live thread of $pid, in microseconds.
cpu() {
    cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d", ns / 1000}'
}
finestre() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
aspettaFinestre() { # count, then at most 10 s
    for _ in $(seq 200); do
        [ "$(finestre)" -eq "$1" ] && return 0
        sleep 0.05
    done
    echo "no $1 window(s) for pid $pid" >&2
    return 1
}
# Until the windows of $pid stand still for three polls in a row, then at
# most 10 s: the measures of idle begin once nothing moves any more.
aspettaFermo() {
    prima="" uguali=0
    for _ in $(seq 100); do
        ora=$(for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
            xdotool getwindowgeometry "$w" 2>/dev/null; done)
        if [ "$ora" = "$prima" ]; then uguali=$((uguali + 1)); else uguali=0; fi
        [ "$uguali" -ge 3 ] && return 0
        prima=$ora
        sleep 0.1
    done
    echo "the windows of pid $pid never stood still" >&2
    return 1
}
# Until $pid used no processor over a fifth of a second, then at most 10 s:
# what a new screen costs is not counted as idle.
aspettaQuiete() {
    for _ in $(seq 50); do
        a=$(cpu)
        sleep 0.2
        [ "$(cpu)" -eq "$a" ] && return 0
    done
    echo "pid $pid never fell quiet" >&2
    return 1
}
# The title of $pid's main window (its first), which names the practice
# file once a text has started.
titolo() { xdotool getwindowname "$(xdotool search --pid "$pid" | head -1)" 2>/dev/null; }
# Until that title differs from `$1`, then at most 10 s.
aspettaTitoloDiverso() {
    for _ in $(seq 200); do
        [ "$(titolo)" != "$1" ] && return 0
        sleep 0.05
    done
    echo "the title of pid $pid stayed '$1'" >&2
    return 1
}
attiva() {
    w=$(xdotool search --onlyvisible --pid "$pid" | tail -1)
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
}
quiete() { a=$(cpu); sleep "$quieteS"; echo $(( $(cpu) - a )); }
registra() { echo "$3" >>"$cartella/$1.$2"; }

avvio() { # program, title, arguments: start to first window and paint, memory at +5 s
    nome=$1 titolo=$2
    shift 2
    riga=$(BENCH_TITOLO="$titolo" "$bin/bench_avvio" "$@" | grep '^run 1:')
    registra "$nome" avvio "$(echo "$riga" | sed 's/.*window after \([0-9.]*\) ms.*/\1/')"
    registra "$nome" dipinta "$(echo "$riga" | sed 's/.*painted after \([0-9.]*\) ms.*/\1/')"
    registra "$nome" processoreAvvio "$(echo "$riga" | sed 's/.*ms, \([0-9.]*\) ms of processor.*/\1/')"
    registra "$nome" rss "$(echo "$riga" | sed 's/.*processor, \([0-9.]*\) MiB resident.*/\1/')"
    registra "$nome" pss "$(echo "$riga" | sed 's/.*resident, \([0-9.]*\) MiB PSS.*/\1/')"
}

digita() { # program, x y w h of the typed line: keys, processor per key, latency
    nome=$1
    quieto=$(quiete)
    registra "$nome" quieteFrase "$quieto"
    primi=$(printf '%s' "$testo" | cut -c1-$((inizioLatenza - 1)))
    ultimi=$(printf '%s' "$testo" | cut -c$inizioLatenza-)
    a=$(cpu)
    t0=$(date +%s%N)
    xdotool type --delay "$ritmoMs" "$primi"
    "$bin/latenza" "$radice" "$2" "$3" "$4" "$5" "$ultimi" "$ritmoMs" >"$cartella/lat.$nome.$giro"
    # The end of the phrase: its wait and what follows it.
    c=$(cpu)
    sleep 1.5
    b=$(cpu)
    registra "$nome" fineFrase "$(( b - c - quieto * 3 / (quieteS * 2) ))"
    durataUs=$(( ($(date +%s%N) - t0) / 1000 ))
    # Idle subtracted: what the program spends anyway over the same time.
    registra "$nome" perTasto "$(( (b - a - quieto * durataUs / (quieteS * 1000000)) / tasti ))"
    grep -v timeout "$cartella/lat.$nome.$giro" >>"$cartella/$nome.latenza" || true
    grep -c timeout "$cartella/lat.$nome.$giro" >>"$cartella/$nome.mancate" || true
}

sessioneScrivolta() {
    "$cartella/app/scrivolta" /Banco.txt >/dev/null 2>&1 &
    pid=$!
    aspettaFinestre 2
    attiva
    xdotool type --delay 60 "Anna"
    xdotool key Return
    # A fresh options file shows the key overlay, which slides in at the
    # greeting and leaves with the first phrase: the greeting's idle is
    # the Enter blink's once it has arrived.
    aspettaFinestre 2
    aspettaFermo
    registra scrivolta quieteSaluto "$(quiete)"
    saluto=$(titolo)
    xdotool key Return
    aspettaTitoloDiverso "$saluto"
    aspettaQuiete
    digita scrivolta 320 248 720 32
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=""
}

sessionePavimento() {
    "$bin/pavimento" "$testo" >/dev/null 2>&1 &
    pid=$!
    aspettaFinestre 1
    attiva
    aspettaFermo
    registra pavimento quieteSaluto "$(quiete)"
    digita pavimento 40 260 1200 40
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=""
}

giro=1
while [ "$giro" -le "$giri" ]; do
    echo "round $giro of $giri ($(uptime | sed 's/.*load/load/'))" >&2
    # Taking turns in both orders, so that neither always runs on a warmer cache.
    if [ $((giro % 2)) -eq 1 ]; then ordine="scrivolta pavimento"; else ordine="pavimento scrivolta"; fi
    for programma in $ordine; do
        if [ "$programma" = scrivolta ]; then
            avvio scrivolta Scrivolta "$cartella/app/scrivolta" 1 /Banco.txt
            sessioneScrivolta
        else
            avvio pavimento Pavimento "$bin/pavimento" 1 "$testo"
            sessionePavimento
        fi
    done
    if [ -n "$tipp10" ]; then
        avvio tipp10 TIPP10 "$(command -v env)" 1 XDG_CONFIG_HOME="$cartella/tipp10/config" \
            XDG_DATA_HOME="$cartella/tipp10/dati" "$tipp10"
    fi
    giro=$((giro + 1))
done

mediana() { sort -n "$1" | awk '{v[NR] = $1} END {print NR ? v[int((NR + 1) / 2)] : "nan"}'; }
percentile90() { sort -n "$1" | awk '{v[NR] = $1} END {i = int(NR * 0.9); if (i < 1) i = 1; print NR ? v[i] : "nan"}'; }
riga() { # label, unit, Scrivolta's figure, the other program's figure
    awk -v n="$1" -v u="$2" -v s="$3" -v p="$4" 'BEGIN {
        printf "%-42s %10s %10s %7s\n", n " (" u ")", s, p, (p + 0 > 0 ? sprintf("%.2f", s / p) : "-") }'
}
echo
echo "medians of $giri rounds, $tasti keys at $((1000 / ritmoMs)) keys/s; $(uptime | sed 's/.*load/load/')"
printf '%-42s %10s %10s %7s\n' figure Scrivolta floor ratio
riga "start to first window, from us" ms "$(mediana "$cartella/scrivolta.avvio")" "$(mediana "$cartella/pavimento.avvio")"
riga "start to the window's first paint" ms "$(mediana "$cartella/scrivolta.dipinta")" "$(mediana "$cartella/pavimento.dipinta")"
riga "processor to the first paint" ms "$(mediana "$cartella/scrivolta.processoreAvvio")" "$(mediana "$cartella/pavimento.processoreAvvio")"
riga "PSS at +5 s" MiB "$(mediana "$cartella/scrivolta.pss")" "$(mediana "$cartella/pavimento.pss")"
riga "RSS at +5 s" MiB "$(mediana "$cartella/scrivolta.rss")" "$(mediana "$cartella/pavimento.rss")"
riga "processor per key, idle subtracted" us "$(mediana "$cartella/scrivolta.perTasto")" "$(mediana "$cartella/pavimento.perTasto")"
riga "1.5 s after the last key, idle subtracted" us "$(mediana "$cartella/scrivolta.fineFrase")" "$(mediana "$cartella/pavimento.fineFrase")"
riga "idle in a phrase, per ${quieteS} s" us "$(mediana "$cartella/scrivolta.quieteFrase")" "$(mediana "$cartella/pavimento.quieteFrase")"
riga "idle at the greeting, per ${quieteS} s" us "$(mediana "$cartella/scrivolta.quieteSaluto")" "$(mediana "$cartella/pavimento.quieteSaluto")"
riga "key to changed pixels, median" ms "$(mediana "$cartella/scrivolta.latenza")" "$(mediana "$cartella/pavimento.latenza")"
riga "key to changed pixels, p90" ms "$(percentile90 "$cartella/scrivolta.latenza")" "$(percentile90 "$cartella/pavimento.latenza")"
echo "keys whose pixels never changed: Scrivolta $(awk '{s += $1} END {print s + 0}' "$cartella/scrivolta.mancate"), floor $(awk '{s += $1} END {print s + 0}' "$cartella/pavimento.mancate")"
if [ -n "$tipp10" ]; then
    echo
    printf '%-42s %10s %10s %7s\n' "beside TIPP10" Scrivolta TIPP10 ratio
    riga "start to first window, from us" ms "$(mediana "$cartella/scrivolta.avvio")" "$(mediana "$cartella/tipp10.avvio")"
    riga "start to the window's first paint" ms "$(mediana "$cartella/scrivolta.dipinta")" "$(mediana "$cartella/tipp10.dipinta")"
    riga "PSS at +5 s" MiB "$(mediana "$cartella/scrivolta.pss")" "$(mediana "$cartella/tipp10.pss")"
    awk -v p="$(mediana "$cartella/pavimento.pss")" -v t="$(mediana "$cartella/tipp10.pss")" 'BEGIN {
        if (t + 0 > 0) printf "the floor'"'"'s PSS at +5 s is %.2f of TIPP10'"'"'s\n", p / t }'
fi
