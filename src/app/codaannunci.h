// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace scrivolta {

// The announcements waiting for the screen reader. A learner typing fast
// outruns any speech, so what is no longer true is dropped rather than
// said late: a newer announcement of the same kind replaces the waiting
// one, a new greeting or text to type makes everything before it stale, and
// at most `kMassimo` wait.
class CodaAnnunci {
public:
    static constexpr std::size_t kMassimo = 4;

    void aggiungi(std::string testo, TipoAnnuncio tipo);
    // The oldest waiting announcement, taken from the queue.
    std::optional<std::string> prossimo();
    bool vuota() const { return attesa_.empty(); }
    std::size_t size() const { return attesa_.size(); }

private:
    struct Voce {
        std::string testo;
        TipoAnnuncio tipo;
    };
    std::deque<Voce> attesa_;
};

} // namespace scrivolta
