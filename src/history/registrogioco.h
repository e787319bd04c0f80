// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/osservatoregioco.h"
#include "history/registro.h"

namespace scrivolta::storico {

// Hands the game window's finished runs to the history.
class RegistroGioco final : public OsservatoreGioco {
public:
    explicit RegistroGioco(RegistroStorico& registro) : registro_(registro) {}

    void corsaFinita(const FineCorsa& fine) override;

    // What the history keeps of a run: the game's level and points, the
    // training's set and per-cent score.
    static Partita partita(const FineCorsa& fine);

private:
    RegistroStorico& registro_;
};

} // namespace scrivolta::storico
