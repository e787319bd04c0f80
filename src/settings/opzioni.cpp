// SPDX-License-Identifier: GPL-3.0-or-later
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
constexpr std::string_view kVoce = "Speech";

// The value, or `predefinito` when it is missing or empty.
std::string leggiNonVuoto(std::string_view contenuto, std::string_view sezione,
                          std::string_view chiave, std::string_view predefinito) {
    std::string valore = LeggiDaContenuto(contenuto, sezione, chiave, predefinito);
    return valore.empty() ? std::string(predefinito) : valore;
}

// On/off: anything but "0" is on.
bool acceso(const std::string& valore) {
    return valore != "0";
}

std::string unoZero(bool valore) {
    return valore ? "1" : "0";
}

// A scheme number outside the table would paint with no colours at all; it
// counts as scheme 0 like any other unusable value.
int schemaSfondo(const std::string& valore) {
    const auto numero = testo::leggiIntero(valore);
    return numero && *numero >= 0 && *numero < kSchemiSfondo ? *numero : 0;
}

// An unknown level of detail is the usual one, not silence.
DettaglioRisultati dettaglio(const std::string& valore) {
    const int numero = testo::leggiIntero(valore).value_or(-1);
    return numero >= 0 && numero <= static_cast<int>(DettaglioRisultati::Completo)
               ? static_cast<DettaglioRisultati>(numero)
               : DettaglioRisultati::Messaggio;
}

// Each option once: where it is stored, its value when missing or empty,
// how it is read and how it is written.
struct VoceOpzione {
    std::string_view sezione;
    std::string_view chiave;
    std::string_view predefinito;
    void (*leggi)(const OpzioniInUso&, const std::string&);
    std::string (*scrivi)(const OpzioniInUso&);
};

constexpr auto kVoci = std::to_array<VoceOpzione>({
    {kOpzioni, "Song", "1",
     [](const OpzioniInUso& o, const std::string& v) { o.SoundOn = acceso(v); },
     [](const OpzioniInUso& o) { return unoZero(o.SoundOn); }},
    {kOpzioni, "KeyMap", "1",
     [](const OpzioniInUso& o, const std::string& v) { o.mappaColori = acceso(v); },
     [](const OpzioniInUso& o) { return unoZero(o.mappaColori); }},
    {kOpzioni, "Highlight", "1",
     [](const OpzioniInUso& o, const std::string& v) { o.evidenzia = acceso(v); },
     [](const OpzioniInUso& o) { return unoZero(o.evidenzia); }},
    {kOpzioni, "SimpleKeyb", "0",
     [](const OpzioniInUso& o, const std::string& v) {
         o.tastieraSemplice = testo::leggiIntero(v).value_or(0) != 0;
     },
     [](const OpzioniInUso& o) { return unoZero(o.tastieraSemplice); }},
    {kOpzioni, "BackColor", "0",
     [](const OpzioniInUso& o, const std::string& v) { o.coloreSfondo = schemaSfondo(v); },
     [](const OpzioniInUso& o) { return std::to_string(o.coloreSfondo); }},
    {kOpzioni, "Category", "0",
     [](const OpzioniInUso& o, const std::string& v) { o.ModeIndex = v == "1" ? 1 : 0; },
     [](const OpzioniInUso& o) { return std::to_string(o.ModeIndex); }},
    {kVoce, "NextKey", "0",
     [](const OpzioniInUso& o, const std::string& v) { o.voce.tastoSuccessivo = v == "1"; },
     [](const OpzioniInUso& o) { return unoZero(o.voce.tastoSuccessivo); }},
    {kVoce, "ReadAgain", "1",
     [](const OpzioniInUso& o, const std::string& v) { o.voce.rileggi = acceso(v); },
     [](const OpzioniInUso& o) { return unoZero(o.voce.rileggi); }},
    {kVoce, "Results", "1",
     [](const OpzioniInUso& o, const std::string& v) { o.voce.dettaglio = dettaglio(v); },
     [](const OpzioniInUso& o) { return std::to_string(static_cast<int>(o.voce.dettaglio)); }},
    // An empty language is the desktop's, decided once the file is read.
    {kLingua, "CurrentLanguage", "",
     [](const OpzioniInUso& o, const std::string& v) { o.linguaCorrente = v; },
     [](const OpzioniInUso& o) { return o.linguaCorrente; }},
});

void linguaDelDesktop(const Percorsi& percorsi, const Ambiente& ambiente, const OpzioniInUso& o) {
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

void CaricaOpzioni(const Percorsi& percorsi, const OpzioniInUso& o, const Ambiente& ambiente) {
    // Read once for all the keys: the start waits for them.
    const fileatomico::Lettura lettura = fileatomico::leggi(fileDaLeggere(percorsi));
    const std::string_view contenuto = lettura.stato == fileatomico::Lettura::Stato::Letto
                                           ? std::string_view(lettura.contenuto)
                                           : std::string_view();
    for (const auto& voce : kVoci)
        voce.leggi(o, leggiNonVuoto(contenuto, voce.sezione, voce.chiave, voce.predefinito));
    linguaDelDesktop(percorsi, ambiente, o);
}

Opzioni CaricaOpzioni(const Percorsi& percorsi, const Ambiente& ambiente) {
    Opzioni o;
    CaricaOpzioni(percorsi, o.inUso(), ambiente);
    return o;
}

bool SalvaOpzioni(const Percorsi& percorsi, const OpzioniInUso& o) {
    std::vector<ini::Voce> voci;
    for (const auto& voce : kVoci)
        voci.push_back({std::string(voce.sezione), std::string(voce.chiave), voce.scrivi(o)});
    IniManager ini;
    ini.setNome(percorsi.fileOpzioni());
    return ini.ScriviVoci(voci);
}

bool SalvaOpzioni(const Percorsi& percorsi, Opzioni opzioni) {
    return SalvaOpzioni(percorsi, opzioni.inUso());
}

} // namespace scrivolta
