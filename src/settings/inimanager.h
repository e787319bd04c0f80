// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ini.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scrivolta {

// Reads and writes single keys of one INI file (format in settings/ini.h).
// Every call reads the file afresh, and every change rewrites it whole and
// atomically: a failed write returns false and leaves the old file as it
// was. A file that cannot be read whole (a folder, a huge or unreadable
// file) reads as missing and is never overwritten.
class IniManager {
public:
    static constexpr std::size_t kLunghezzaValore = 254;

    // `nome`: path of the file; `sezione`: the section the calls work on.
    const std::string& nome() const { return nome_; }
    void setNome(std::string nome) { nome_ = std::move(nome); }
    const std::string& sezione() const { return sezione_; }
    void setSezione(std::string sezione) { sezione_ = std::move(sezione); }

    bool Scrivi(std::string_view chiave, std::string_view valore);
    // The value, or `predefinito` when the file, section or key is missing;
    // cut at the first NUL and to 254 characters.
    std::string Leggi(std::string_view chiave, std::string_view predefinito) const;
    bool CancellaSezione();
    bool CancellaValore(std::string_view chiave);

    // Several keys, of any sections, in one rewrite: all or none are stored.
    bool ScriviVoci(const std::vector<ini::Voce>& voci);

private:
    std::string nome_;
    std::string sezione_;
};

// A value of up to 511 characters, or "" (the reading of language files).
std::string LeggiStringaIni(const std::string& file, std::string_view sezione,
                            std::string_view chiave);

// The value as the profile functions hand it over: up to the first NUL and at
// most `lunghezza` characters.
std::string valoreLimitato(std::string_view valore, std::size_t lunghezza);

// What IniManager::Leggi gives for a file of this content: for readers of
// several keys, who read the file once.
std::string LeggiDaContenuto(std::string_view contenuto, std::string_view sezione,
                             std::string_view chiave, std::string_view predefinito);

} // namespace scrivolta
