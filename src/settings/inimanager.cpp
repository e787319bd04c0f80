// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inimanager.h"

#include "settings/fileatomico.h"

#include <optional>

namespace scrivolta {

namespace {

using fileatomico::Lettura;

std::optional<std::string> valoreNelFile(const std::string& file, std::string_view sezione,
                                         std::string_view chiave) {
    const Lettura lettura = fileatomico::leggi(file);
    if (lettura.stato != Lettura::Stato::Letto)
        return std::nullopt;
    return ini::leggi(lettura.contenuto, sezione, chiave);
}

// Applies `modifica` to the file's content and stores the result. A missing
// file starts empty; an unreadable one is left alone.
template <typename F> bool modifica(const std::string& file, F&& cambia) {
    const Lettura lettura = fileatomico::leggi(file);
    if (lettura.stato == Lettura::Stato::Illeggibile)
        return false;
    const std::string nuovo = cambia(lettura.contenuto);
    if (lettura.stato == Lettura::Stato::Letto && nuovo == lettura.contenuto)
        return true;
    if (lettura.stato == Lettura::Stato::Mancante && nuovo.empty())
        return true;
    return fileatomico::sostituisci(file, nuovo);
}

} // namespace

std::string valoreLimitato(std::string_view valore, std::size_t lunghezza) {
    valore = valore.substr(0, valore.find('\0'));
    return std::string(valore.substr(0, lunghezza));
}

bool IniManager::Scrivi(std::string_view chiave, std::string_view valore) {
    return ScriviVoci({{sezione_, std::string(chiave), std::string(valore)}});
}

std::string IniManager::Leggi(std::string_view chiave, std::string_view predefinito) const {
    const Lettura lettura = fileatomico::leggi(nome_);
    const std::string_view contenuto = lettura.stato == Lettura::Stato::Letto
                                           ? std::string_view(lettura.contenuto)
                                           : std::string_view();
    return LeggiDaContenuto(contenuto, sezione_, chiave, predefinito);
}

std::string LeggiDaContenuto(std::string_view contenuto, std::string_view sezione,
                             std::string_view chiave, std::string_view predefinito) {
    const auto valore = ini::leggi(contenuto, sezione, chiave);
    return valoreLimitato(valore ? *valore : predefinito, IniManager::kLunghezzaValore);
}

bool IniManager::CancellaSezione() {
    return modifica(nome_, [&](const std::string& c) { return ini::cancellaSezione(c, sezione_); });
}

bool IniManager::CancellaValore(std::string_view chiave) {
    return modifica(nome_,
                    [&](const std::string& c) { return ini::cancellaValore(c, sezione_, chiave); });
}

bool IniManager::ScriviVoci(const std::vector<ini::Voce>& voci) {
    for (const auto& v : voci) {
        if (!ini::scrivibile(v.sezione, v.chiave, v.valore))
            return false;
    }
    return modifica(nome_, [&](std::string c) {
        for (const auto& v : voci)
            c = ini::scrivi(c, v.sezione, v.chiave, v.valore);
        return c;
    });
}

std::string LeggiStringaIni(const std::string& file, std::string_view sezione,
                            std::string_view chiave) {
    constexpr std::size_t kLunghezzaStringa = 511;
    const auto valore = valoreNelFile(file, sezione, chiave);
    return valore ? valoreLimitato(*valore, kLunghezzaStringa) : std::string();
}

} // namespace scrivolta
