// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/record.h"

#include "app/testo.h"
#include "settings/inimanager.h"

namespace scrivolta {

namespace {

std::string chiaveRecord(std::size_t difficolta) {
    return "Difficulty" + std::to_string(difficolta + 1);
}

IniManager fileRecord(const std::string& file, const std::string& utente) {
    IniManager ini;
    ini.setNome(file);
    ini.setSezione(utente);
    return ini;
}

} // namespace

RecordGioco LeggiRecord(const std::string& file, const std::string& utente) {
    RecordGioco record{};
    if (utente.empty())
        return record;
    const IniManager ini = fileRecord(file, utente);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = testo::leggiIntero(ini.Leggi(chiaveRecord(i), "0")).value_or(0);
    return record;
}

bool ScriviRecord(const std::string& file, const std::string& utente, int difficolta,
                  int punteggio) {
    if (utente.empty() || difficolta < 0 || difficolta >= 3)
        return false;
    IniManager ini = fileRecord(file, utente);
    return ini.Scrivi(chiaveRecord(static_cast<std::size_t>(difficolta)),
                      std::to_string(punteggio));
}

} // namespace scrivolta
