// SPDX-License-Identifier: GPL-3.0-or-later
#include "../support/servizi_finti.h"
#include "aiuto_storico.h"
#include "app/cp1252.h"
#include "history/registro.h"
#include "history/testiprogressi.h"
#include "support/cartella_temporanea.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sqlite3.h>
#include <sys/stat.h>

using namespace scrivolta;
using namespace scrivolta::storico;
using prova::CartellaTemporanea;

namespace {

struct Banco {
    CartellaTemporanea dir;
    prova::OrologioFinto orologio;
    std::vector<Problema> segnalati;
    std::string file = dir.file("dati/Scrivolta.sqlite");
    RegistroStorico registro{file, dir.file("CorsoDattilo/"), orologio,
                             [this](const Problema& p) { segnalati.push_back(p); }};

    EsitoFrase fine(const std::string& file = {}) {
        EsitoFrase e;
        e.ora = orologio.now();
        e.studente = "Anna";
        e.file = file;
        e.livello = 1;
        e.caratteri = 5;
        e.secondi = 2;
        e.velocita = 2.5F;
        e.punteggio = 100;
        return e;
    }
};

void digita(RegistroStorico& r, std::string_view atteso, std::string_view digitato) {
    for (std::size_t i = 0; i < atteso.size(); ++i) {
        const auto a = static_cast<unsigned char>(atteso[i]);
        if (i < digitato.size() && digitato[i] != atteso[i])
            r.tastoSbagliato(a, static_cast<unsigned char>(digitato[i]));
        r.tastoGiusto(a);
    }
}

} // namespace

TEST(Registro, APhraseWithWrongKeysGivesItsPerKeyCounts) {
    Banco b;
    // "salut": s right, a typed as q then right, l right, u typed as y twice
    // then right, t right.
    digita(b.registro, "salut", "sqlyt");
    b.registro.tastoSbagliato('u', 'y');
    b.registro.fraseFinita(b.fine());
    Storico s(b.file);
    std::map<unsigned char, std::pair<int, int>> conti;
    for (const auto& k : s.tasti("Anna"))
        conti[k.carattere] = {k.giusti, k.sbagliati};
    EXPECT_EQ(conti,
              (std::map<unsigned char, std::pair<int, int>>{
                  {'a', {1, 1}}, {'l', {1, 0}}, {'s', {1, 0}}, {'t', {1, 0}}, {'u', {1, 2}}}));
    const auto sost = s.sostituzioni("Anna");
    ASSERT_EQ(sost.size(), 2U);
    EXPECT_EQ(sost[0].atteso, 'a');
    EXPECT_EQ(sost[0].digitato, 'q');
    EXPECT_EQ(sost[1].atteso, 'u');
    EXPECT_EQ(sost[1].digitato, 'y');
    EXPECT_EQ(sost[1].volte, 2);
    EXPECT_TRUE(b.segnalati.empty());
}

TEST(Registro, KeysOfAnAbandonedPhraseDoNotCount) {
    Banco b;
    digita(b.registro, "abc", "xyz");
    b.registro.inAttesa();
    digita(b.registro, "d", "d");
    b.registro.fraseFinita(b.fine());
    Storico s(b.file);
    ASSERT_EQ(s.tasti("Anna").size(), 1U);
    EXPECT_EQ(s.tasti("Anna")[0].carattere, 'd');
    EXPECT_TRUE(s.sostituzioni("Anna").empty());
}

TEST(Registro, TheCategoryComesFromWhereTheFileIs) {
    Banco b;
    b.registro.fraseFinita(b.fine());
    b.registro.fraseFinita(b.fine(b.dir.file("CorsoDattilo/LEZIONE1.ftd")));
    b.registro.fraseFinita(b.fine(b.dir.file("Esercizi/mio.ftd")));
    b.registro.livelloFinito({b.orologio.now(), "Anna", b.dir.file("Esercizi/mio.ftd"), 1, 1, 77});
    b.registro.cicloFinito({b.orologio.now(), "Anna", "", 0, 600, 12});
    b.registro.testoFinito(
        {b.orologio.now(), "Anna", b.dir.file("Esercizi/a.txt"), 0, 300, 3, 60, 50});
    b.registro.partitaFinita({"Anna", b.orologio.now(), true, 2, 300, 90});
    Storico s(b.file);
    const auto st = s.storia("Anna");
    ASSERT_EQ(st.size(), 7U);
    EXPECT_EQ(st[0].categoria, 0);
    EXPECT_EQ(st[1].categoria, 1);
    EXPECT_EQ(st[1].file, "LEZIONE1.ftd");
    EXPECT_EQ(st[2].categoria, 2);
    EXPECT_EQ(st[3].tipo, TipoRiga::Livello);
    EXPECT_EQ(st[3].punteggio, 77);
    EXPECT_EQ(st[4].tipo, TipoRiga::Ciclo);
    // Each figure in its own column: the counts differ from each other.
    EXPECT_EQ(st[4].caratteri, 600);
    EXPECT_EQ(st[4].errori, 12);
    EXPECT_EQ(st[5].tipo, TipoRiga::Testo);
    EXPECT_EQ(st[5].caratteri, 300);
    EXPECT_EQ(st[5].errori, 3);
    EXPECT_EQ(st[5].secondi, 60);
    EXPECT_EQ(st[5].file, "a.txt");
    EXPECT_EQ(st[6].tipo, TipoRiga::Allenamento);
}

TEST(Registro, AnUnwritableFileIsToldOnceAtTheGreetingAndTheWorkWaits) {
    Banco b;
    // A folder where the file should be: it can never be opened.
    std::filesystem::create_directories(b.file);
    b.registro.fraseFinita(b.fine());
    b.registro.fraseFinita(b.fine());
    EXPECT_TRUE(b.segnalati.empty()) << "told during the exercise";
    EXPECT_EQ(b.registro.recordNonScritti(), 2U);
    b.registro.inAttesa();
    ASSERT_EQ(b.segnalati.size(), 1U);
    EXPECT_EQ(b.segnalati[0].tipo, Problema::Tipo::NonScrivibile);
    EXPECT_NE(b.segnalati[0].dettaglio.find(b.file), std::string::npos);
    b.registro.fraseFinita(b.fine());
    b.registro.inAttesa();
    EXPECT_EQ(b.segnalati.size(), 1U);

    // Once the file can be written, the waiting work arrives.
    std::filesystem::remove(b.file);
    b.registro.fraseFinita(b.fine());
    EXPECT_EQ(b.registro.recordNonScritti(), 0U);
    EXPECT_EQ(Storico(b.file).storia("Anna").size(), 4U);
}

TEST(Registro, ADamagedFileIsMovedAsideToldAtTheGreetingAndTheWorkKept) {
    Banco b;
    prova::scrivi(b.file, std::string(8192, 'x'));
    b.registro.fraseFinita(b.fine());
    EXPECT_TRUE(b.segnalati.empty());
    b.registro.inAttesa();
    ASSERT_EQ(b.segnalati.size(), 1U);
    EXPECT_EQ(b.segnalati[0].tipo, Problema::Tipo::Spostato);
    EXPECT_EQ(prova::leggi(b.segnalati[0].dettaglio), std::string(8192, 'x'));
    EXPECT_EQ(Storico(b.file).storia("Anna").size(), 1U);
}

namespace {

// Holds the history file's write lock for as long as it lives, as another
// copy of the program in the middle of a write does.
struct Blocco {
    explicit Blocco(const std::string& file) : db(file) { db.esegui("BEGIN IMMEDIATE"); }
    ~Blocco() { db.esegui("COMMIT"); }
    sql::Database db;
};

} // namespace

// A phrase that ended while another process held the file was thrown away
// when the program closed; the greeting's message carried SQLite's English.
TEST(Registro, WorkWaitingAtExitIsWrittenWhenTheFileIsFreeAgain) {
    Banco b;
    b.registro.fraseFinita(b.fine());
    {
        const Blocco blocco(b.file);
        b.registro.fraseFinita(b.fine());
    }
    EXPECT_EQ(b.registro.recordNonScritti(), 1U);
    b.registro.inAttesa();
    ASSERT_EQ(b.segnalati.size(), 1U);
    EXPECT_EQ(b.segnalati[0].codice, SQLITE_BUSY);
    const std::string detto = TestiProgressi().messaggio(b.segnalati[0]);
    EXPECT_NE(detto.find("in uso da un altro programma"), std::string::npos) << detto;
    EXPECT_EQ(detto.find("locked"), std::string::npos) << detto;

    const Chiusura c = b.registro.chiudi();
    EXPECT_FALSE(c.daDire());
    EXPECT_EQ(Storico(b.file).storia("Anna").size(), 2U);
    EXPECT_TRUE(fileInAttesa(b.file).empty());

    // A side file whose writer was killed before it held anything was kept,
    // and retried, for ever.
    prova::scrivi(b.file + ".inattesa-20231101-120000-1", "");
    RegistroStorico(b.file, {}, b.orologio, {}).recupera();
    EXPECT_TRUE(fileInAttesa(b.file).empty());
    EXPECT_EQ(Storico(b.file).storia("Anna").size(), 2U);
}

// Still unwritable at exit: the learner is told what was lost and why, the
// work waits in a side file, and the next start adds it in exactly once,
// even when a crash left the side file behind after it was added.
TEST(Registro, WorkUnwritableAtExitWaitsBesideTheFileAndIsAddedOnce) {
    CartellaTemporanea dir;
    ::chmod(dir.percorso().c_str(), 0777);
    const std::string file = dir.file("Scrivolta.sqlite");
    const int esito = prova::inFiglio([&] {
        if (!prova::comeUtenteComune())
            return prova::kNonSiPuo;
        prova::OrologioFinto orologio;
        RegistroStorico r(file, {}, orologio, {});
        EsitoFrase e;
        e.studente = "Anna";
        e.ora = orologio.now();
        r.fraseFinita(e);
        {
            const Blocco blocco(file);
            r.fraseFinita(e);
        }
        ::chmod(file.c_str(), 0444);
        const Chiusura c = r.chiudi();
        const std::string detto = TestiProgressi().messaggio(c);
        if (c.nonSalvato.frasi.size() != 1 || c.inAttesa.empty() ||
            detto.find("Frase: 1") == std::string::npos ||
            detto.find("sola lettura") == std::string::npos ||
            detto.find(c.inAttesa) == std::string::npos)
            return 1;
        if (Storico(c.inAttesa).storia("Anna").size() != 1)
            return 2;
        const std::string copia = dir.file("copia");
        std::filesystem::copy_file(c.inAttesa, copia);
        ::chmod(file.c_str(), 0644);
        RegistroStorico(file, {}, orologio, {}).recupera();
        if (Storico(file).storia("Anna").size() != 2 || !fileInAttesa(file).empty())
            return 3;
        std::filesystem::rename(copia, c.inAttesa);
        RegistroStorico(file, {}, orologio, {}).recupera();
        if (Storico(file).storia("Anna").size() != 2 || !fileInAttesa(file).empty())
            return 4;
        return 0;
    });
    if (esito == prova::kNonSiPuo)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(esito, 0);
}

// A session ended with Esc never reaches the next greeting: a damaged file
// found at the last write must be told at exit.
TEST(Registro, ADamagedFileFoundAtExitIsToldThen) {
    Banco b;
    std::filesystem::create_directories(b.file);
    b.registro.fraseFinita(b.fine());
    std::filesystem::remove(b.file);
    prova::scrivi(b.file, std::string(8192, 'x'));
    const Chiusura c = b.registro.chiudi();
    ASSERT_EQ(c.spostati.size(), 1U);
    EXPECT_TRUE(c.nonSalvato.vuoto());
    EXPECT_NE(TestiProgressi().messaggio(c).find(cp1252::fromUtf8(c.spostati[0].dettaglio)),
              std::string::npos);
    EXPECT_EQ(Storico(b.file).storia("Anna").size(), 1U);
}

TEST(Registro, AHistoryLeftBesideTheProgramIsToldUntilTheNewOneExists) {
    CartellaTemporanea dir;
    const std::string accanto = dir.file("programma/ScrivoltaStorico.sqlite");
    const std::string nuovo = dir.file("utente/ScrivoltaStorico.sqlite");
    EXPECT_FALSE(storicoTrasferito(accanto, nuovo));
    prova::scrivi(accanto, "x");
    const auto detto = storicoTrasferito(accanto, nuovo);
    ASSERT_TRUE(detto);
    const std::string testo = TestiProgressi().messaggio(*detto);
    EXPECT_NE(testo.find(nuovo), std::string::npos);
    EXPECT_NE(testo.find(accanto), std::string::npos);
    EXPECT_FALSE(storicoTrasferito({}, nuovo));
    prova::scrivi(nuovo, "x");
    EXPECT_FALSE(storicoTrasferito(accanto, nuovo));
}
