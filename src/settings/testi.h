#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace scrivolta {

// The main window's texts: the built-in Italian ones, or those of a language
// file by their four-digit ids. All Windows-1252.
struct TestiPrincipali {
    // `messaggi`: message boxes and labels, indices 0-42.
    std::array<std::string, 43> messaggi;
    std::array<std::string, 7> lodiOttime;
    std::array<std::string, 7> lodiBuone;
    std::string MsgPerMinute;
    std::string titoloAvviso;
    // Shown when the help file is missing.
    std::string guidaMancante;

    // Captions and tooltips of the main window's controls.
    std::string tooltipMapDita;
    std::string tooltipMappaTastiEsterna;
    std::array<std::string, 2> optLevel;
    std::array<std::string, 5> optMenu;
    std::array<std::string, 8> tooltipMenu;
    std::array<std::string, 2> tooltipNumBatt;
    std::string tooltipSmile;
    std::string tooltipTasto37;
    std::string tooltipNumFrase;
    std::array<std::string, 3> tooltipMediaLevel;

    // Balloon tooltips of the mode and category buttons, slots 0-8.
    std::array<std::string, 9> balloon;

    // `ModeName` for a mode: entry 30 for "Esperto", 29 for "Principiante".
    const std::string& nomeModalita(bool esperto) const { return messaggi[esperto ? 30 : 29]; }
};

class FileLingua;

// `TestiPredefiniti`: the built-in Italian texts of the table (messages,
// praise, single texts, captions and tooltips; not the balloons).
void TestiPredefiniti(TestiPrincipali& testi);

// `ApplicaLingua`: every text of the table from the language file. Nothing
// falls back to Italian: an id the file lacks gives "", as does message 34.
void ApplicaLingua(TestiPrincipali& testi, const FileLingua& lingua);

// `CreaBalloon`: the nine balloon texts, from the file when `usaFile`, else
// the built-in ones. Attaching them to the buttons is the window's part.
void CreaBalloon(TestiPrincipali& testi, bool usaFile, const FileLingua& lingua);

// Every id the main window's table reads from a language file.
std::vector<std::string_view> idTestiPrincipali();

} // namespace scrivolta
