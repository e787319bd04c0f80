// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/lingua.h"
#include "settings/testi.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

using namespace scrivolta;
using prova::CartellaTemporanea;

namespace {

struct Atteso {
    const char* id;
    const char* italiano;
};

// The message table as other windows and the translators' files know it:
// the index is what code and language files rely on, so each one is pinned
// to its id and its built-in text here, apart from the table that fills it.
constexpr Atteso kMessaggi[kNumeroMessaggi] = {
    {"0001", "- Frasi interne "},
    {"0002", "-  Primo livello: frase"},
    {"0003", "-  Secondo livello: frase "},
    {"0004", "-  Terzo livello: frase "},
    {"0005", "Con questo esercizio questo pulsante non \xE8 disponibile."},
    {"0006", "Vuoi iniziare da capo le esercitazioni?"},
    {"0007", "Hai totalizzato "},
    {"0008", "punti e, digitando alla media di"},
    {"0009", "battute"},
    {"0010", "hai anche superato il tuo record precedente."},
    {"0011", "Premi il tasto Entr\xE9"
             "e per continuare."},
    {"0137", "Ciao"},
    {"0013", "Per iniziare gli esercizi scegli il livello di difficolt\xE0 e premi il pulsante "
             "< Entr\xE9"
             "e> "},
    {"0014", "Seleziona dalla lista il file con cui esercitarti"},
    {"0019", "La tastiera in uso non \xE8 impostata per la lingua"},
    {"0020", "Il programma, quindi, potrebbe non funzionare correttamente."},
    {"1031", "francese"},
    {"0021", "Vuoi salvare il nome dell'esercizio che hai appena terminato?"},
    {"0022", "Se rispondi  S\xEC  la prossima volta che sceglierai di esercitarti con il corso di"},
    {"0023", "dattilografia  sar\xE0  selezionato   automaticamente   l'esercizio   successivo."},
    {"0024", "Se scegli No sar\xE0 cancellato l'eventuale riferimento al precedente esercizio"},
    {"0025", "e la prossima volta deciderai tu da dove iniziare."},
    {"0026", "Se, invece, scegli Annulla non sar\xE0 fatta alcuna modifica."},
    {"0029", "Vuoi stampare la tastiera di "},
    {"0030", "(la tastiera verr\xE0 stampata esattamente come la vedi in questo momento)"},
    {"0015", "Vuoi chiudere il programma?"},
    {"0016", "(Se chiudi il programma adesso, tutti i dati verranno persi)"},
    {"0017", "Il tasto Blocca Maiuscole non deve essere premuto."},
    {"0018", "Il pulsante destro del mouse non deve essere premuto!"},
    {"0027", "Principiante"},
    {"0028", "Esperto"},
    {"1010", "Tastiera francese"},
    {"0117", "Controllate le impostazioni della lingua nella guida in linea"},
    {"0118", "punti, digitando alla media di"},
    {"", ""},
    {"0137", "Ciao"},
    {"0120", "minuti"},
    {"0121", "Errore nell'apertura del file:"},
    {"0122", "Premi OK per proseguire."},
    {"0123", "Tempo stimato per terminare l'esercizio:"},
    {"0124", "File di testo troppo lungo, scegliere un file di minori dimensioni e riprovare."},
    {"0125", "File Scrivolta"},
    {"0126", "File di testo"},
    {"2001", "Il programma non pu\xF2 disattivarlo su questo desktop: premi di nuovo il tasto."},
    {"2560", "Il gioco non \xE8 disponibile in questa versione del programma."},
};

Messaggio messaggio(std::size_t indice) {
    return static_cast<Messaggio>(indice);
}

} // namespace

TEST(TabellaMessaggi, EveryIndexHasItsBuiltInText) {
    TestiPrincipali testi;
    TestiPredefiniti(testi);
    for (std::size_t i = 0; i < kNumeroMessaggi; ++i) {
        // The list prompt is joined below the greeting by its line break.
        const std::string testo = testi.messaggi[messaggio(i)];
        const std::string senzaACapo = testo.rfind("\r\n", 0) == 0 ? testo.substr(2) : testo;
        EXPECT_EQ(senzaACapo, kMessaggi[i].italiano) << "message " << i;
    }
}

TEST(TabellaMessaggi, EveryIndexTakesTheTextOfItsIdFromALanguageFile) {
    CartellaTemporanea dir;
    std::string file = "[Strings]\r\n";
    for (const auto& atteso : kMessaggi) {
        if (*atteso.id != '\0')
            file += std::string(atteso.id) + "=<" + atteso.id + ">\r\n";
    }
    prova::scrivi(dir.file("x.lng"), file);
    TestiPrincipali testi;
    ApplicaLingua(testi, FileLingua(dir.file("x.lng")));
    for (std::size_t i = 0; i < kNumeroMessaggi; ++i) {
        const std::string& testo = testi.messaggi[messaggio(i)];
        if (*kMessaggi[i].id == '\0') {
            EXPECT_EQ(testo, "") << "message " << i;
            continue;
        }
        const std::string segno = std::string("<") + kMessaggi[i].id + ">";
        EXPECT_NE(testo.find(segno), std::string::npos) << "message " << i << ": " << testo;
        EXPECT_LE(testo.size(), segno.size() + 10) << "message " << i << ": " << testo;
    }
}
