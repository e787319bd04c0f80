// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Scripted services for tests: a clock that moves only when told or when
// something waits, a fixed sequence of random numbers, recorded sounds and
// message boxes with prepared answers.
namespace scrivolta::prova {

class OrologioFinto final : public Clock, public Waiter {
public:
    std::chrono::system_clock::time_point now() const override { return t; }
    std::uint64_t tickMs() const override {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count());
    }
    void attendi(int ms) override {
        t += std::chrono::milliseconds(ms);
        ++attese;
        ++attesaInCorso;
        profonditaMassima = std::max(profonditaMassima, attesaInCorso);
        // What the learner does while the program waits, once.
        if (durante)
            std::exchange(durante, nullptr)();
        --attesaInCorso;
    }
    void dormi(int ms) override { t += std::chrono::milliseconds(ms); }
    void processEvents() override {}
    void avanza(std::chrono::milliseconds d) { t += d; }

    std::chrono::system_clock::time_point t{std::chrono::seconds(1'700'000'000)};
    int attese = 0;
    std::function<void()> durante;
    int attesaInCorso = 0;
    int profonditaMassima = 0;
};

class CasoFinto final : public RandomSource {
public:
    // The prepared values first; then a sequence that visits all of [0, 1),
    // so that a draw repeated until it finds something new always ends.
    double next() override {
        if (valori.empty()) {
            riserva = std::fmod(riserva + 0.6180339887, 1.0);
            return riserva;
        }
        const double v = valori.front();
        valori.pop_front();
        return v;
    }
    // The draw that picks built-in phrase `n` of its level.
    void scegliFrase(int n) { valori.push_back(((n - 1) % 15 + 0.5) / 15.0); }
    std::deque<double> valori;
    double riserva = 0.0;
};

class SuoniFinti final : public SoundPlayer {
public:
    void suona(int id) override { suonati.push_back(id); }
    std::vector<int> suonati;
};

class MessaggiFinti final : public MessageBoxes {
public:
    struct Mostrato {
        std::string testo;
        std::string titolo;
        Icona icona;
        Pulsanti pulsanti;
    };
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona,
                    Pulsanti pulsanti) override {
        mostrati.push_back({testo, titolo, icona, pulsanti});
        if (risposte.empty())
            return pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
        const Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    std::deque<Risposta> risposte;
    std::vector<Mostrato> mostrati;
};

class TastieraFinta final : public KeyboardPlatform {
public:
    bool layoutsAvailable() const override { return false; }
    std::string activeLayout() const override { return {}; }
    bool activateLayout(const std::string&) override { return false; }
    bool capsLockOn() const override { return maiuscole; }
    void toggleCapsLock() override {
        maiuscole = !maiuscole;
        ++tocchi;
    }
    bool maiuscole = false;
    int tocchi = 0;
};

// All of them, ready to hand to a window or an exercise.
struct ServiziFinti {
    OrologioFinto orologio;
    CasoFinto caso;
    SuoniFinti suoni;
    MessaggiFinti messaggi;
    TastieraFinta tastiera;
    Servizi servizi{orologio, caso, orologio, suoni, messaggi, tastiera};
};

} // namespace scrivolta::prova
