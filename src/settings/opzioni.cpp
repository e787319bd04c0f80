#include "settings/opzioni.h"

#include "app/dominio.h"
#include "app/testo.h"
#include "settings/fileatomico.h"
#include "settings/inimanager.h"
#include "settings/lingua.h"

#include <array>

namespace scrivolta {

namespace {

constexpr std::string_view kOpzioni = "Options";
constexpr std::string_view kLingua = "Language";

// The three on/off options: anything but "0" is on, and so is a missing or
// empty value.
struct Interruttore {
    std::string_view chiave;
    bool Opzioni::*campo;
};

constexpr std::array<Interruttore, 3> kInterruttori = {{
    {"Song", &Opzioni::SoundOn},
    {"KeyMap", &Opzioni::mappaColori},
    {"Highlight", &Opzioni::evidenzia},
}};

std::string leggiNonVuoto(const IniManager& ini, std::string_view chiave,
                          std::string_view predefinito) {
    std::string valore = ini.Leggi(chiave, predefinito);
    return valore.empty() ? std::string(predefinito) : valore;
}

// A scheme number outside the table would paint with no colours at all; it
// counts as scheme 0 like any other unusable value.
int schemaSfondo(const std::string& valore) {
    const auto numero = testo::leggiIntero(valore);
    return numero && *numero >= 0 && *numero < kSchemiSfondo ? *numero : 0;
}

void leggiLingua(IniManager& ini, const Percorsi& percorsi, const Ambiente& ambiente, Opzioni& o) {
    ini.setSezione(std::string(kLingua));
    o.linguaCorrente = ini.Leggi("CurrentLanguage", "");
    if (o.linguaCorrente.empty())
        o.linguaCorrente = nomeLinguaInstallazione(LinguaInstallazione(ambiente));
    o.linguaCaricata = fileatomico::esisteFile(percorsi.fileLingua(o.linguaCorrente));
}

// The learner's own options, or else those preset with the program.
std::string fileDaLeggere(const Percorsi& percorsi) {
    const std::string preimpostate = percorsi.fileOpzioniPreimpostate();
    if (fileatomico::esisteFile(percorsi.fileOpzioni()) || preimpostate.empty() ||
        !fileatomico::esisteFile(preimpostate))
        return percorsi.fileOpzioni();
    return preimpostate;
}

} // namespace

Opzioni CaricaOpzioni(const Percorsi& percorsi, const Ambiente& ambiente) {
    Opzioni o;
    IniManager ini;
    ini.setNome(fileDaLeggere(percorsi));
    leggiLingua(ini, percorsi, ambiente, o);
    ini.setSezione(std::string(kOpzioni));
    for (const auto& interruttore : kInterruttori)
        o.*interruttore.campo = leggiNonVuoto(ini, interruttore.chiave, "1") != "0";
    o.coloreSfondo = schemaSfondo(leggiNonVuoto(ini, "BackColor", "0"));
    o.ModeIndex = leggiNonVuoto(ini, "Category", "0") == "1" ? 1 : 0;
    o.tastieraSemplice = testo::leggiIntero(leggiNonVuoto(ini, "SimpleKeyb", "0")).value_or(0) != 0;
    return o;
}

bool SalvaOpzioni(const Percorsi& percorsi, const Opzioni& o) {
    const std::string opzioni(kOpzioni);
    std::vector<ini::Voce> voci;
    for (const auto& interruttore : kInterruttori)
        voci.push_back(
            {opzioni, std::string(interruttore.chiave), o.*interruttore.campo ? "1" : "0"});
    voci.push_back({opzioni, "SimpleKeyb", o.tastieraSemplice ? "1" : "0"});
    voci.push_back({opzioni, "BackColor", std::to_string(o.coloreSfondo)});
    voci.push_back({opzioni, "Category", std::to_string(o.ModeIndex)});
    voci.push_back({std::string(kLingua), "CurrentLanguage", o.linguaCorrente});
    IniManager ini;
    ini.setNome(percorsi.fileOpzioni());
    return ini.ScriviVoci(voci);
}

} // namespace scrivolta
