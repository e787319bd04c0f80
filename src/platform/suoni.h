// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <QByteArray>
#include <chrono>
#include <memory>

namespace scrivolta::platform {

// The WAV image of the program's sound `id` (101-112), empty for any other id.
QByteArray immagineSuono(int id);

// Plays the program's sounds through the desktop's sound server (PulseAudio,
// or the PulseAudio service of PipeWire). Nothing is set up before the first
// sound, so the player costs nothing at start-up: the client library is
// loaded then and connects on a thread of its own, and sounds asked for
// meanwhile play as soon as the server answers. Without a sound server or
// its library every call returns at once and nothing is printed; a server
// that goes away is looked for again at most every ten seconds. Where no
// server listens, the library is not even loaded.
class SuonatorePulse final : public SoundPlayer {
public:
    enum class Stato { Fermo, InConnessione, Pronto, Assente };

    SuonatorePulse();
    ~SuonatorePulse() override;
    SuonatorePulse(const SuonatorePulse&) = delete;
    SuonatorePulse& operator=(const SuonatorePulse&) = delete;

    void suona(int id) override;

    // Loads the library and starts connecting without playing anything: the
    // few milliseconds this takes can be spent once the first window is up
    // rather than at the first sound.
    void prepara();

    Stato stato() const;
    // Sounds the server has played to the end.
    int riprodotti() const;

    struct Motore;

private:
    bool avvia();

    std::unique_ptr<Motore> motore_;
    bool senzaLibreria_ = false;
    std::chrono::steady_clock::time_point ultimaRicerca_{};
    bool cercato_ = false;
};

// A sound server may be listening: $PULSE_SERVER names one, or the
// socket of the user's PulseAudio (or PipeWire's PulseAudio service) exists.
bool serverAudioPresente();

} // namespace scrivolta::platform
