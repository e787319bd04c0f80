// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/codaannunci.h"

#include <algorithm>

namespace scrivolta {

namespace {

bool nuovoContesto(TipoAnnuncio tipo) {
    return tipo == TipoAnnuncio::Saluto || tipo == TipoAnnuncio::Testo;
}

} // namespace

void CodaAnnunci::aggiungi(std::string testo, TipoAnnuncio tipo) {
    if (testo.empty())
        return;
    if (nuovoContesto(tipo))
        attesa_.clear();
    else
        std::erase_if(attesa_, [tipo](const Voce& v) { return v.tipo == tipo; });
    attesa_.push_back({std::move(testo), tipo});
    while (attesa_.size() > kMassimo)
        attesa_.pop_front();
}

std::optional<std::string> CodaAnnunci::prossimo() {
    if (attesa_.empty())
        return std::nullopt;
    std::string testo = std::move(attesa_.front().testo);
    attesa_.pop_front();
    return testo;
}

} // namespace scrivolta
