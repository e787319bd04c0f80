// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/testigioco.h"

#include "settings/lingua.h"
#include "settings/testi.h"

namespace scrivolta {

namespace {

std::string maiuscoleDaSpegnere(const FileLingua* lingua) {
    TestiPrincipali principali;
    if (lingua != nullptr)
        ApplicaLingua(principali, *lingua);
    else
        TestiPredefiniti(principali);
    return principali.messaggi[Messaggio::BloccaMaiuscoleDaSpegnere];
}

} // namespace

TestiGioco testiGiocoPredefiniti() {
    TestiGioco t;
    t.allenamento = "Allenamento";
    t.gioco = "Gioco";
    t.velocita = "Velocit\xE0  < min - max >";
    t.tempo = "Tempo";
    t.punti = "Punti";
    t.chiudi = "Chiudi";
    t.ricomincia = "Ricomincia da capo";
    t.difficolta = {"Facile", "Medio", "Difficile"};
    t.personalizzato = "personalizzato";
    t.messaggi = {"Inserire almeno quattro caratteri alfanumerici",
                  "Gioco",
                  " Inizio allenamento",
                  " Allenamento terminato",
                  "Il gioco \xE8 finito",
                  "Il tasto Blocca Maiuscole non deve essere premuto."};
    t.maiuscoleDaSpegnere = maiuscoleDaSpegnere(nullptr);
    t.fileNonScritto = "Impossibile scrivere il file:";
    return t;
}

TestiGioco testiGiocoDaLingua(const FileLingua& lingua) {
    const auto testo = [&lingua](const char* id) { return lingua.TestoLingua(id); };
    TestiGioco t;
    t.allenamento = testo("0300");
    t.gioco = testo("0301");
    t.velocita = testo("0302") + " <min - max>";
    t.tempo = testo("0303");
    t.punti = testo("0304");
    t.chiudi = testo("0203");
    t.ricomincia = testo("0036");
    t.difficolta = {testo("0310"), testo("0311"), testo("0312")};
    t.personalizzato = testo("0313");
    t.messaggi = {testo("0305"), t.gioco,       testo("0307"),
                  testo("0308"), testo("0309"), testo("0017")};
    t.maiuscoleDaSpegnere = maiuscoleDaSpegnere(&lingua);
    t.fileNonScritto = testo("2418");
    t.voce = TestiVoce(lingua);
    return t;
}

} // namespace scrivolta
