// SPDX-License-Identifier: GPL-3.0-or-later
#include "aiuto_storico.h"
#include "history/schema.h"
#include "history/storico.h"
#include "support/cartella_temporanea.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace scrivolta;
using namespace scrivolta::storico;
using prova::CartellaTemporanea;
using prova::frase;
using prova::mezzogiorno;

namespace {

int righe(Storico& s, const std::string& tabella) {
    return static_cast<int>(s.database().intero("SELECT count(*) FROM " + tabella));
}

std::vector<std::string> fileIn(const std::string& cartella) {
    std::vector<std::string> nomi;
    for (const auto& f : std::filesystem::directory_iterator(cartella))
        nomi.push_back(f.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

} // namespace

TEST(Schema, ANewFileGetsTheWholeLayoutInWalMode) {
    CartellaTemporanea dir;
    Storico s(dir.file("h.sqlite"));
    EXPECT_EQ(s.database().intero("PRAGMA user_version"), kVersioneSchema);
    EXPECT_EQ(s.database().testo("PRAGMA journal_mode"), "wal");
    for (const char* t : {"frasi", "livelli", "cicli", "testi", "partite", "tasti", "sostituzioni"})
        EXPECT_EQ(righe(s, t), 0) << t;
}

TEST(Schema, AFileOfTheFirstVersionIsUpgradedKeepingItsWork) {
    CartellaTemporanea dir;
    const std::string percorso = dir.file("h.sqlite");
    {
        sql::Database db(percorso);
        migra(db, 1);
        db.esegui("INSERT INTO frasi VALUES('Anna', 1700000000, 1, 'L1.ftd', 2, 0, 40, 3, 16, "
                  "2.5, 100)");
    }
    Storico s(percorso);
    EXPECT_EQ(s.database().intero("PRAGMA user_version"), kVersioneSchema);
    ASSERT_EQ(s.lezioni("Anna").size(), 1U);
    EXPECT_EQ(s.lezioni("Anna")[0].migliore, 100);
    // The tables of the second version work at once.
    Lotto l;
    l.tasti.push_back({"Anna", 'a', 3, 1});
    s.registra(l);
    EXPECT_EQ(s.tasti("Anna").size(), 1U);
}

TEST(Schema, AFileOfANewerProgramIsLeftAsItIs) {
    CartellaTemporanea dir;
    const std::string percorso = dir.file("h.sqlite");
    {
        sql::Database db(percorso);
        db.esegui("CREATE TABLE futuro(x); PRAGMA user_version = 99");
    }
    const Apertura a = apriStorico(percorso, mezzogiorno(1));
    EXPECT_EQ(a.storico, nullptr);
    EXPECT_FALSE(a.errore.empty());
    EXPECT_TRUE(a.spostatoIn.empty());
    sql::Database db(percorso);
    EXPECT_EQ(db.intero("PRAGMA user_version"), 99);
}

TEST(Storico, AScriptedCycleReadsBackAsDaysLessonsAndHistory) {
    CartellaTemporanea dir;
    Storico s(dir.file("h.sqlite"));
    Lotto l;
    // Day 1: five course phrases; day 2: five more, faster and cleaner.
    for (int i = 0; i < 5; ++i) {
        Frase f = frase("", mezzogiorno(1, i), 50, 5, 2.0, 80);
        f.categoria = Categoria::Corso;
        f.file = "LEZIONE1.ftd";
        l.frasi.push_back(f);
        f = frase("", mezzogiorno(2, i), 50, 1, 3.0, 100 - i);
        f.categoria = Categoria::Corso;
        f.file = "LEZIONE1.ftd";
        l.frasi.push_back(f);
    }
    l.livelli.push_back({{.ora = mezzogiorno(2, 5),
                          .studente = "",
                          .file = "LEZIONE1.ftd",
                          .livello = 1,
                          .modo = 0,
                          .media = 96},
                         Categoria::Corso});
    l.testi.push_back({.ora = mezzogiorno(2, 30),
                       .studente = "",
                       .file = "Lettre.txt",
                       .modo = 0,
                       .caratteri = 600,
                       .errori = 30,
                       .secondi = 120,
                       .parole = 100});
    s.registra(l);

    const auto punti = s.andamento("");
    ASSERT_EQ(punti.size(), 3U);
    EXPECT_EQ(punti[0].categoria, Categoria::Corso);
    EXPECT_EQ(punti[0].giorno, "2023-11-01");
    EXPECT_DOUBLE_EQ(punti[0].velocita, 120.0);
    EXPECT_DOUBLE_EQ(punti[0].errori, 10.0);
    EXPECT_EQ(punti[1].giorno, "2023-11-02");
    EXPECT_DOUBLE_EQ(punti[1].velocita, 180.0);
    EXPECT_DOUBLE_EQ(punti[1].errori, 2.0);
    EXPECT_EQ(punti[2].categoria, Categoria::FileDiTesto);
    EXPECT_DOUBLE_EQ(punti[2].velocita, 300.0);
    EXPECT_DOUBLE_EQ(punti[2].errori, 5.0);

    const auto lezioni = s.lezioni("");
    ASSERT_EQ(lezioni.size(), 1U);
    EXPECT_EQ(lezioni[0].file, "LEZIONE1.ftd");
    EXPECT_EQ(lezioni[0].frasi, 10);
    EXPECT_EQ(lezioni[0].migliore, 100);
    EXPECT_DOUBLE_EQ(lezioni[0].media, (5 * 80 + 100 + 99 + 98 + 97 + 96) / 10.0);

    const auto storia = s.storia("");
    ASSERT_EQ(storia.size(), 12U);
    EXPECT_EQ(storia[0].tipo, TipoRiga::Frase);
    EXPECT_EQ(storia[10].tipo, TipoRiga::Livello);
    EXPECT_EQ(storia[11].tipo, TipoRiga::Testo);
    EXPECT_DOUBLE_EQ(storia[11].velocita, 300.0);
    EXPECT_EQ(s.studenti(), std::vector<std::string>{"anonymous"});
}

TEST(Storico, LearnersAreKeptApartAndNamesKeepTheirAccents) {
    CartellaTemporanea dir;
    Storico s(dir.file("h.sqlite"));
    Lotto l;
    l.frasi.push_back(frase("Ren\xE9", mezzogiorno(1), 10, 0, 1, 40));
    l.frasi.push_back(frase("Zo\xEB, \"la grande\"", mezzogiorno(1), 10, 0, 1, 40));
    l.tasti.push_back({"Ren\xE9", 'e', 9, 1});
    s.registra(l);
    EXPECT_EQ(s.studenti(), (std::vector<std::string>{"Ren\xE9", "Zo\xEB, \"la grande\""}));
    EXPECT_EQ(s.tasti("Ren\xE9").size(), 1U);
    EXPECT_TRUE(s.tasti("Zo\xEB, \"la grande\"").empty());
    EXPECT_EQ(s.database().intero("SELECT count(*) FROM frasi WHERE studente = 'Ren\xC3\xA9'"), 1);
}

TEST(Storico, KeyCountsAddUpAcrossBatches) {
    CartellaTemporanea dir;
    Storico s(dir.file("h.sqlite"));
    Lotto l;
    l.tasti.push_back({"A", 'q', 4, 1});
    l.sostituzioni.push_back({"A", 'q', 'a', 1});
    s.registra(l);
    s.registra(l);
    ASSERT_EQ(s.tasti("A").size(), 1U);
    EXPECT_EQ(s.tasti("A")[0].giusti, 8);
    EXPECT_EQ(s.tasti("A")[0].sbagliati, 2);
    ASSERT_EQ(s.sostituzioni("A").size(), 1U);
    EXPECT_EQ(s.sostituzioni("A")[0].volte, 2);
}

TEST(Storico, AFailedBatchLeavesNothingOfItself) {
    CartellaTemporanea dir;
    Storico s(dir.file("h.sqlite"));
    s.database().esegui(
        "CREATE TRIGGER no BEFORE INSERT ON partite BEGIN SELECT RAISE(ABORT, 'x'); END");
    Lotto l;
    l.frasi.push_back(frase("A", mezzogiorno(1), 10, 0, 1, 40));
    l.partite.push_back({"A", mezzogiorno(1), false, 1, 10, 60});
    EXPECT_THROW(s.registra(l), sql::Errore);
    EXPECT_EQ(righe(s, "frasi"), 0);
}

class FileRovinato : public ::testing::TestWithParam<std::string> {};

TEST_P(FileRovinato, IsMovedAsideAndANewFileStarted) {
    CartellaTemporanea dir;
    const std::string percorso = dir.file("h.sqlite");
    if (GetParam() == "pages") {
        {
            Storico s(percorso);
            Lotto l;
            for (int i = 0; i < 400; ++i)
                l.frasi.push_back(frase("A", mezzogiorno(1), 10, 0, 1, 40));
            s.registra(l);
            s.database().esegui("PRAGMA wal_checkpoint(TRUNCATE)");
        }
        // Wipe everything after the first page: the header says "database",
        // the pages say nothing.
        std::string c = prova::leggi(percorso);
        std::fill(c.begin() + 4096, c.end(), '\x5A');
        prova::scrivi(percorso, c);
    } else {
        prova::scrivi(percorso, "Questo non \xE8 un database.\r\n");
    }
    const std::string prima = prova::leggi(percorso);

    const Apertura a = apriStorico(percorso, mezzogiorno(3));
    ASSERT_NE(a.storico, nullptr) << a.errore;
    EXPECT_EQ(a.spostatoIn, percorso + ".damaged-20231103-120000");
    EXPECT_EQ(prova::leggi(a.spostatoIn), prima);
    Lotto l;
    l.frasi.push_back(frase("A", mezzogiorno(3), 10, 0, 1, 40));
    a.storico->registra(l);
    EXPECT_EQ(a.storico->storia("A").size(), 1U);

    // A second damaged file the same second does not overwrite the first.
    prova::scrivi(dir.file("b.sqlite"), prima);
    EXPECT_EQ(spostaDaParte(dir.file("b.sqlite"), mezzogiorno(3)),
              dir.file("b.sqlite") + ".damaged-20231103-120000");
    prova::scrivi(dir.file("b.sqlite"), prima);
    EXPECT_EQ(spostaDaParte(dir.file("b.sqlite"), mezzogiorno(3)),
              dir.file("b.sqlite") + ".damaged-20231103-120000-2");
}

INSTANTIATE_TEST_SUITE_P(Storico, FileRovinato, ::testing::Values("text", "pages"));

TEST(Storico, AReadOnlyFolderIsAnErrorNotADamagedFile) {
    CartellaTemporanea dir;
    std::filesystem::create_directory(dir.file("ro"));
    ::chmod(dir.file("ro").c_str(), 0555);
    const int esito = prova::inFiglio([&] {
        if (!prova::comeUtenteComune())
            return prova::kNonSiPuo;
        const Apertura a = apriStorico(dir.file("ro/h.sqlite"), mezzogiorno(1));
        return a.storico == nullptr && !a.errore.empty() && a.spostatoIn.empty() ? 0 : 1;
    });
    if (esito == prova::kNonSiPuo)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(esito, 0);
    EXPECT_TRUE(fileIn(dir.file("ro")).empty());
}

// Two instances of the program (the single-instance lock aside, as after a
// stale lock) writing at once: every phrase of both arrives, the file stays
// whole.
TEST(Storico, TwoProgramsWritingAtOnceLoseNothing) {
    CartellaTemporanea dir;
    const std::string percorso = dir.file("h.sqlite");
    { Storico crea(percorso); }
    constexpr int kFrasi = 150;
    std::vector<pid_t> figli;
    for (const char* nome : {"A", "B"}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            Storico s(percorso);
            for (int i = 0; i < kFrasi; ++i) {
                Lotto l;
                l.frasi.push_back(frase(nome, mezzogiorno(1), 10, 1, 1, 40));
                l.tasti.push_back({"tutti", 'a', 1, 1});
                s.registra(l);
            }
            ::_exit(0);
        }
        figli.push_back(pid);
    }
    for (const pid_t pid : figli) {
        int stato = 0;
        ::waitpid(pid, &stato, 0);
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    }
    Storico s(percorso);
    EXPECT_EQ(s.database().testo("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(s.storia("A").size(), static_cast<std::size_t>(kFrasi));
    EXPECT_EQ(s.storia("B").size(), static_cast<std::size_t>(kFrasi));
    ASSERT_EQ(s.tasti("tutti").size(), 1U);
    EXPECT_EQ(s.tasti("tutti")[0].giusti, 2 * kFrasi);
}

TEST(Storico, TheCurrentLearnerIsOfferedFirstOnlyWhenHeHasNoWorkYet) {
    struct Caso {
        std::vector<std::string> registrati;
        std::string studente;
        std::vector<std::string> nomi;
        std::string attuale;
    };
    const std::vector<Caso> casi = {
        {{"Ann", "Ren\xE9", "Zo\xEB"}, "Ren\xE9", {"Ann", "Ren\xE9", "Zo\xEB"}, "Ren\xE9"},
        {{"Ann", "Zo\xEB"}, "Ren\xE9", {"Ren\xE9", "Ann", "Zo\xEB"}, "Ren\xE9"},
        {{}, "Ren\xE9", {"Ren\xE9"}, "Ren\xE9"},
        {{"Ann"}, "", {"anonymous", "Ann"}, "anonymous"},
        {{"Ann", "anonymous"}, "", {"Ann", "anonymous"}, "anonymous"},
    };
    for (const Caso& c : casi) {
        const ElencoStudenti e = elencoStudenti(c.registrati, c.studente);
        EXPECT_EQ(e.nomi, c.nomi) << c.studente;
        EXPECT_EQ(e.attuale, c.attuale) << c.studente;
    }
}
