// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "settings/ambiente.h"
#include "settings/percorsi.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace scrivolta {

// The texts of one language file ("Lang/<language>.lng", section
// "Strings"), read once. Ids are four digits ("0001"), plus "InfoAuthor"
// and "MailAuthor".
class FileLingua {
public:
    // An empty table: every text is "".
    FileLingua() = default;
    // Reads the file; a missing or unreadable file, or one without a single
    // text id, gives the empty table and is not `caricato`.
    explicit FileLingua(const std::string& percorso);

    // `TestoLingua`: the trimmed text of `id` (at most 511 characters, cut at
    // a NUL), or "" when the file or the id is missing.
    std::string TestoLingua(std::string_view id) const;

    bool caricato() const { return caricato_; }

private:
    std::unordered_map<std::string, std::string> testi_;
    bool caricato_ = false;
};

// The file of the current language as the program's windows read it.
FileLingua fileLinguaCorrente(const Percorsi& percorsi, std::string_view linguaCorrente);

// The language file whose texts the windows show; none while the built-in
// Italian texts are in use.
std::optional<FileLingua> linguaInUso(const ModTastiro& mod, const Percorsi& percorsi);

// `TestoLingua` for one text: reads the file of `linguaCorrente` each time.
std::string TestoLingua(const Percorsi& percorsi, std::string_view linguaCorrente,
                        std::string_view id);

// `LinguaInstallazione`: the desktop's language as a Windows language
// identifier ("1036" French, "1033" English, "1031" German, "1034" Spanish,
// "1040" Italian), or "" for any other. Read from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG the way the desktop's message catalogues are.
std::string LinguaInstallazione(const Ambiente& ambiente = ambienteDiSistema());

// The language name of an installer identifier: "French" for "1036" and so
// on; "Italian" for "" and for anything unknown.
std::string nomeLinguaInstallazione(std::string_view identificatore);

} // namespace scrivolta
