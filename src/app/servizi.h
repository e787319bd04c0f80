// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// The small services the program takes from the outside world: time,
// randomness, waits, sounds, message boxes and the keyboard of the system.
// The windows receive them as interfaces so that tests can script every one
// of them and drive a whole exercise in milliseconds.
namespace scrivolta {

class Clock {
public:
    virtual ~Clock() = default;
    // Date and time now; the program counts whole seconds of it.
    virtual std::chrono::system_clock::time_point now() const = 0;
    // Milliseconds since an arbitrary start, for short intervals.
    virtual std::uint64_t tickMs() const = 0;
};

// Whole seconds of a date-time, the resolution the exercise clock works in.
inline std::int64_t wholeSeconds(std::chrono::system_clock::time_point t) {
    return std::chrono::floor<std::chrono::seconds>(t.time_since_epoch()).count();
}

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

class Waiter {
public:
    virtual ~Waiter() = default;
    // `Attendi`: waits `ms` milliseconds while window events keep flowing.
    virtual void attendi(int ms) = 0;
    // Waits `ms` milliseconds with the window events held back.
    virtual void dormi(int ms) = 0;
    // Lets pending window events run once, without waiting.
    virtual void processEvents() = 0;
};

// `AttendiSecondi`: waits until the clock has moved on by `seconds` whole
// seconds; a wait of 1 therefore lasts from a fraction of a second to one
// second. With `events` false the window events wait too.
void AttendiSecondi(const Clock& clock, Waiter& waiter, int seconds, bool events);

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // `Suona`: starts the program's sound `id` (101-112) and returns at once.
    virtual void suona(int id) = 0;
};

enum class Icona { Nessuna, Domanda, Informazione, Avviso, Errore };
enum class Pulsanti { Ok, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box; `testo` and `titolo` are Windows-1252 text with CR LF
    // line breaks. Returns the button chosen (Annulla or No when closed).
    virtual Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                            Pulsanti pulsanti) = 0;
};

// The system keyboard: its layout and the Caps Lock state.
class KeyboardPlatform {
public:
    virtual ~KeyboardPlatform() = default;
    // False where the window system has no notion of a switchable layout the
    // program can read (Wayland, offscreen): the layout check then succeeds.
    virtual bool layoutsAvailable() const = 0;
    // The active layout as an eight-digit name ("0000080C" for Belgian
    // French), or the system's own description of any other layout, which
    // `activateLayout` accepts back.
    virtual std::string activeLayout() const = 0;
    virtual bool activateLayout(const std::string& name) = 0;
    // `TastoAttivo(20)`: Caps Lock is on.
    virtual bool capsLockOn() const = 0;
    // `ToccaBloccoMaiuscole`: a press and release of Caps Lock.
    virtual void toggleCapsLock() = 0;
    // False where the program cannot switch Caps Lock (a native Wayland
    // desktop): the learner must, and is told so.
    virtual bool capsLockSwitchable() const { return true; }
};

// What an announcement is about. A newer one of the same kind makes the one
// still waiting stale.
// In the game, `Gioco` is the character to type and `Persa` one that fell.
enum class TipoAnnuncio { Saluto, Testo, Tasto, Errore, Esito, Risultati, Gioco, Persa };

// Speaks to a learner who does not see the screen, through the screen
// reader. `annuncia` only queues: it is called on the keystroke path and
// must never wait for the speech.
class Annunciatore {
public:
    virtual ~Annunciatore() = default;
    // `testo` is Windows-1252.
    virtual void annuncia(std::string testo, TipoAnnuncio tipo) = 0;
};

} // namespace scrivolta

namespace scrivolta {

// The services a window works with, handed over together.
struct Servizi {
    Clock& clock;
    RandomSource& random;
    Waiter& waiter;
    SoundPlayer& sound;
    MessageBoxes& messages;
    KeyboardPlatform& keyboard;
};

} // namespace scrivolta
