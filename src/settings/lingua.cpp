// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/lingua.h"

#include "app/cp1252.h"
#include "app/testo.h"
#include "settings/fileatomico.h"
#include "settings/ini.h"
#include "settings/inimanager.h"

#include <array>
#include <utility>

namespace scrivolta {

namespace {

constexpr std::size_t kLunghezzaTesto = 511;
constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";

struct LinguaNota {
    std::string_view codice;
    std::string_view identificatore;
    std::string_view nome;
};

constexpr std::array<LinguaNota, 5> kLingue = {{
    {"fr", "1036", "French"},
    {"en", "1033", "English"},
    {"de", "1031", "German"},
    {"es", "1034", "Spanish"},
    {"it", "1040", "Italian"},
}};

// Translators' editors may save a language file as UTF-8 with a byte-order
// mark; such a file is turned into the code page the program works in.
std::string inCodicePagina(std::string contenuto) {
    if (contenuto.compare(0, kBomUtf8.size(), kBomUtf8) != 0)
        return contenuto;
    return cp1252::fromUtf8(std::string_view(contenuto).substr(kBomUtf8.size()));
}

// "fr_BE.UTF-8@euro" gives "fr".
std::string codiceLingua(std::string_view locale) {
    const auto fine = locale.find_first_of("_.@-");
    std::string codice(locale.substr(0, fine));
    for (char& c : codice)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return codice;
}

// The locale that decides the language of messages, as the C library's
// message catalogues see it: LC_ALL, else LC_MESSAGES, else LANG.
std::string localeMessaggi(const Ambiente& ambiente) {
    for (const char* variabile : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string valore = ambiente(variabile);
        if (!valore.empty())
            return valore;
    }
    return {};
}

// A text id: four digits, or one of the two about the translator.
bool idTesto(std::string_view chiave) {
    chiave = testo::senzaSpazi(chiave);
    if (chiave.size() == 4 && chiave.find_first_not_of("0123456789") == std::string_view::npos)
        return true;
    return testo::ugualiSenzaMaiuscole(chiave, "InfoAuthor") ||
           testo::ugualiSenzaMaiuscole(chiave, "MailAuthor");
}

} // namespace

// A file without a single text id (empty, binary, some other kind of file)
// is no language file: taken as one, it would blank every text of the
// program, the quit question included.
FileLingua::FileLingua(const std::string& percorso) {
    const auto lettura = fileatomico::leggi(percorso);
    if (lettura.stato != fileatomico::Lettura::Stato::Letto)
        return;
    for (auto& voce : ini::vociSezione(inCodicePagina(lettura.contenuto), "Strings")) {
        caricato_ = caricato_ || idTesto(voce.chiave);
        testi_.emplace(testo::maiuscolo(voce.chiave), valoreLimitato(voce.valore, kLunghezzaTesto));
    }
    if (!caricato_)
        testi_.clear();
}

std::string FileLingua::TestoLingua(std::string_view id) const {
    const auto trovato = testi_.find(testo::maiuscolo(testo::senzaSpazi(id)));
    if (trovato == testi_.end())
        return {};
    return std::string(testo::senzaSpazi(trovato->second));
}

FileLingua fileLinguaCorrente(const Percorsi& percorsi, std::string_view linguaCorrente) {
    const std::string percorso = percorsi.fileLingua(linguaCorrente);
    return percorso.empty() ? FileLingua() : FileLingua(percorso);
}

std::optional<FileLingua> linguaInUso(const ModTastiro& mod, const Percorsi& percorsi) {
    if (!mod.linguaCaricata)
        return std::nullopt;
    return fileLinguaCorrente(percorsi, mod.linguaCorrente);
}

std::string TestoLingua(const Percorsi& percorsi, std::string_view linguaCorrente,
                        std::string_view id) {
    const std::string percorso = percorsi.fileLingua(linguaCorrente);
    if (percorso.empty())
        return {};
    return std::string(testo::senzaSpazi(LeggiStringaIni(percorso, "Strings", id)));
}

std::string LinguaInstallazione(const Ambiente& ambiente) {
    const std::string locale = localeMessaggi(ambiente);
    std::string codice = codiceLingua(locale);
    // LANGUAGE lists the preferred languages, but only counts when a real
    // locale is set: the "C" locale means untranslated messages.
    const std::string preferite = ambiente("LANGUAGE");
    const bool localeC = codice.empty() || codice == "c" || codice == "posix";
    if (!preferite.empty() && !localeC)
        codice = codiceLingua(std::string_view(preferite).substr(0, preferite.find(':')));
    for (const auto& lingua : kLingue) {
        if (lingua.codice == codice)
            return std::string(lingua.identificatore);
    }
    return {};
}

std::string nomeLinguaInstallazione(std::string_view identificatore) {
    for (const auto& lingua : kLingue) {
        if (lingua.identificatore == identificatore)
            return std::string(lingua.nome);
    }
    return "Italian";
}

} // namespace scrivolta
