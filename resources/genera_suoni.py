#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program's sounds 101-112 as short 16-bit mono WAV files.

Every sound is synthesised here from sines, so the files can be rebuilt and
changed without any outside material. Run it from anywhere; it writes into
the folder `suoni` beside this script:

    python3 resources/genera_suoni.py
"""

import math
import os
import random
import struct
import wave

RATE = 22050
PEAK = 32767


def nota(freq, durata, volume=0.5, attacco=0.005, decadimento=6.0, armoniche=(1.0,)):
    """A struck note: quick rise, exponential fall, a few harmonics."""
    n = int(RATE * durata)
    peso = sum(armoniche)
    out = []
    for i in range(n):
        t = i / RATE
        inviluppo = min(1.0, t / attacco) * math.exp(-decadimento * t)
        # Fade the last 5 ms so the sound never ends on a click.
        inviluppo *= min(1.0, (n - i) / (0.005 * RATE))
        onda = sum(a * math.sin(2 * math.pi * freq * (k + 1) * t) for k, a in enumerate(armoniche))
        out.append(volume * inviluppo * onda / peso)
    return out


def silenzio(durata):
    return [0.0] * int(RATE * durata)


def mescola(*parti):
    """Lays each (start in seconds, samples) part onto one track."""
    fine = max(int(inizio * RATE) + len(campioni) for inizio, campioni in parti)
    traccia = [0.0] * fine
    for inizio, campioni in parti:
        base = int(inizio * RATE)
        for i, v in enumerate(campioni):
            traccia[base + i] += v
    return traccia


def arpeggio(frequenze, passo, durata, **kw):
    return mescola(*[(i * passo, nota(f, durata, **kw)) for i, f in enumerate(frequenze)])


def ronzio(freq, durata, volume=0.6):
    """A low buzz: odd harmonics of a square wave, softly enveloped."""
    return nota(freq, durata, volume=volume, attacco=0.01, decadimento=4.0,
                armoniche=(1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14))


def clic(volume=0.25):
    """A soft tick: a few milliseconds of filtered noise over a high tone."""
    rnd = random.Random(107)
    n = int(RATE * 0.025)
    out, filtrato = [], 0.0
    for i in range(n):
        t = i / RATE
        filtrato = 0.6 * filtrato + 0.4 * rnd.uniform(-1.0, 1.0)
        tono = math.sin(2 * math.pi * 2200 * t)
        out.append(volume * math.exp(-260 * t) * (0.6 * filtrato + 0.4 * tono))
    return out


def glissando(da, a, durata, volume=0.35):
    n = int(RATE * durata)
    out, fase = [], 0.0
    for i in range(n):
        frazione = i / n
        fase += 2 * math.pi * (da + (a - da) * frazione) / RATE
        inviluppo = math.sin(math.pi * frazione)
        out.append(volume * inviluppo * math.sin(fase))
    return out


CAMPANA = (1.0, 0.4, 0.15)
DO5, MI5, SOL5, LA5, DO6, MI6, SOL6 = 523.25, 659.26, 783.99, 880.0, 1046.5, 1318.5, 1568.0

SUONI = {
    101: ronzio(110.0, 0.16),                                  # wrong key
    102: arpeggio([SOL5, DO6], 0.09, 0.35, volume=0.4, armoniche=CAMPANA),   # phrase finished
    103: arpeggio([DO6, MI6, SOL6, DO6 * 2], 0.07, 0.4, volume=0.35,
                  decadimento=5.0, armoniche=(1.0, 0.5, 0.25)),  # new best speed
    104: nota(LA5, 0.18, volume=0.35, decadimento=14.0, armoniche=CAMPANA),  # phrase starts
    105: arpeggio([MI5, LA5], 0.12, 0.3, volume=0.3, armoniche=CAMPANA),     # information window
    106: arpeggio([DO5, MI5, SOL5], 0.1, 0.35, volume=0.35, armoniche=CAMPANA),  # results window
    107: clic(),                                                 # right key
    108: nota(440.0, 0.15, volume=0.3),
    109: nota(330.0, 0.15, volume=0.3),
    110: arpeggio([DO5, MI5, SOL5, DO6], 0.08, 0.3, volume=0.3, armoniche=CAMPANA),  # greeting
    111: nota(1760.0, 0.05, volume=0.25, decadimento=40.0),     # option toggled
    112: mescola((0.0, glissando(300.0, 900.0, 0.18)),
                 (0.16, nota(DO6, 0.25, volume=0.3, armoniche=CAMPANA))),  # the game
}


def scrivi(percorso, campioni):
    dati = b"".join(struct.pack("<h", max(-PEAK, min(PEAK, round(v * PEAK)))) for v in campioni)
    with wave.open(percorso, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(dati)


def main():
    cartella = os.path.join(os.path.dirname(os.path.abspath(__file__)), "suoni")
    os.makedirs(cartella, exist_ok=True)
    for numero, campioni in sorted(SUONI.items()):
        scrivi(os.path.join(cartella, f"{numero}.wav"), campioni)


if __name__ == "__main__":
    main()
