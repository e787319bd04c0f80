// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/vocegioco.h"

namespace scrivolta {

void VoceGioco::nuovaCorsa() {
    detto_ = 0;
    perse_.clear();
}

void VoceGioco::persa(char lettera) {
    if (annunciatore_ == nullptr || lettera == 0)
        return;
    perse_ += (perse_.empty() ? "" : ", ") +
              carattereInParole(static_cast<unsigned char>(lettera), testi_);
}

void VoceGioco::parla(char bersaglio) {
    if (annunciatore_ == nullptr)
        return;
    if (!perse_.empty()) {
        std::string testo = testi_[TestoVoce::Persa];
        if (const auto da = testo.find("%1"); da != std::string::npos)
            testo.replace(da, 2, perse_);
        perse_.clear();
        annunciatore_->annuncia(std::move(testo), TipoAnnuncio::Persa);
    }
    if (bersaglio == 0 || bersaglio == detto_)
        return;
    detto_ = bersaglio;
    annunciatore_->annuncia(tastiInParole(static_cast<unsigned char>(bersaglio), testi_),
                            TipoAnnuncio::Gioco);
}

} // namespace scrivolta
