// SPDX-License-Identifier: GPL-3.0-or-later
#include "ambiente_finto.h"
#include "settings/inimanager.h"
#include "settings/opzioni.h"
#include "settings/segnalibro.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scrivolta;
using prova::ambiente;
using prova::CartellaTemporanea;

namespace {

class OpzioniTest : public ::testing::Test {
protected:
    Opzioni carica(const std::string& contenuto, const Ambiente& env = ambiente({})) {
        prova::scrivi(percorsi.fileOpzioni(), contenuto);
        return CaricaOpzioni(percorsi, env);
    }
    std::string valore(const std::string& sezione, const std::string& chiave) {
        IniManager ini;
        ini.setNome(percorsi.fileOpzioni());
        ini.setSezione(sezione);
        return ini.Leggi(chiave, "<none>");
    }

    CartellaTemporanea dir;
    Percorsi percorsi = Percorsi::portatile(dir.percorso());
};

// Answers every question with the same button and remembers what it asked.
class RispostaFissa final : public MessageBoxes {
public:
    explicit RispostaFissa(Risposta r) : risposta(r) {}
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona,
                    Pulsanti pulsanti) override {
        domande.push_back(testo);
        this->titolo = titolo;
        this->pulsanti = pulsanti;
        return risposta;
    }
    Risposta risposta;
    std::vector<std::string> domande;
    std::string titolo;
    Pulsanti pulsanti = Pulsanti::Ok;
};

} // namespace

TEST_F(OpzioniTest, AMissingFileGivesTheDefaults) {
    const Opzioni o = CaricaOpzioni(percorsi, ambiente({}));
    EXPECT_TRUE(o.SoundOn && o.mappaColori && o.evidenzia);
    EXPECT_FALSE(o.tastieraSemplice);
    EXPECT_EQ(o.coloreSfondo, 0);
    EXPECT_EQ(o.ModeIndex, 0);
    EXPECT_EQ(o.linguaCorrente, "Italian");
    EXPECT_FALSE(o.linguaCaricata);
}

TEST_F(OpzioniTest, OnlyZeroSwitchesAnOptionOff) {
    Opzioni o = carica("[Options]\r\nSong=\r\nKeyMap=no\r\nHighlight=0\r\n");
    EXPECT_TRUE(o.SoundOn);
    EXPECT_TRUE(o.mappaColori);
    EXPECT_FALSE(o.evidenzia);
}

TEST_F(OpzioniTest, NumbersAreReadLeniently) {
    Opzioni o = carica("[Options]\r\nBackColor=abc\r\nSimpleKeyb=2\r\nCategory=2\r\n");
    EXPECT_EQ(o.coloreSfondo, 0);
    EXPECT_TRUE(o.tastieraSemplice);
    EXPECT_EQ(o.ModeIndex, 0);
    EXPECT_EQ(carica("[Options]\r\nBackColor= 10 \r\nCategory=1\r\n").coloreSfondo, 10);
    EXPECT_EQ(carica("[Options]\r\nCategory=1\r\n").ModeIndex, 1);
    EXPECT_EQ(carica("[Options]\r\nBackColor=2.5\r\n").coloreSfondo, 2);
    EXPECT_EQ(carica("[Options]\r\nBackColor=3.5\r\n").coloreSfondo, 4);
    // Beyond the eleven schemes there is no colour to paint with.
    EXPECT_EQ(carica("[Options]\r\nBackColor=11\r\n").coloreSfondo, 0);
    EXPECT_EQ(carica("[Options]\r\nBackColor=-1\r\n").coloreSfondo, 0);
    EXPECT_EQ(carica("[Options]\r\nBackColor=99999999999999\r\n").coloreSfondo, 0);
    EXPECT_FALSE(carica("[Options]\r\nSimpleKeyb=0.4\r\n").tastieraSemplice);
    EXPECT_FALSE(carica("[Options]\r\nSimpleKeyb=x\r\n").tastieraSemplice);
}

TEST_F(OpzioniTest, SavingWritesBackNormalisedValues) {
    Opzioni o = carica("[Options]\r\nSimpleKeyb=2\r\nCategory=2\r\nSong=no\r\n"
                       "[AccessName]\r\nName=ANNA\r\n");
    o.coloreSfondo = 5;
    o.linguaCorrente = "English";
    ASSERT_TRUE(SalvaOpzioni(percorsi, o));
    EXPECT_EQ(valore("Options", "SimpleKeyb"), "1");
    EXPECT_EQ(valore("Options", "Category"), "0");
    EXPECT_EQ(valore("Options", "Song"), "1");
    EXPECT_EQ(valore("Options", "BackColor"), "5");
    EXPECT_EQ(valore("Language", "CurrentLanguage"), "English");
    EXPECT_EQ(valore("AccessName", "Name"), "ANNA");
}

// Speech is for the few who need it: the next key stays off until asked
// for, and a level of detail the program does not know is the usual one,
// never silence.
TEST_F(OpzioniTest, SpeechOptionsKeepTheirDefaultsAndComeBackAsWritten) {
    const Opzioni nuove = carica("");
    EXPECT_FALSE(nuove.voce.tastoSuccessivo);
    EXPECT_TRUE(nuove.voce.rileggi);
    EXPECT_EQ(nuove.voce.dettaglio, DettaglioRisultati::Messaggio);
    for (const char* sbagliato : {"3", "-1", "x", ""})
        EXPECT_EQ(carica(std::string("[Speech]\r\nResults=") + sbagliato).voce.dettaglio,
                  DettaglioRisultati::Messaggio)
            << sbagliato;
    Opzioni o = carica("[Speech]\r\nNextKey=1\r\nReadAgain=0\r\nResults=2\r\n");
    EXPECT_TRUE(o.voce.tastoSuccessivo);
    EXPECT_FALSE(o.voce.rileggi);
    EXPECT_EQ(o.voce.dettaglio, DettaglioRisultati::Completo);
    o.voce.dettaglio = DettaglioRisultati::Punteggio;
    ASSERT_TRUE(SalvaOpzioni(percorsi, o));
    EXPECT_EQ(valore("Speech", "NextKey"), "1");
    EXPECT_EQ(valore("Speech", "ReadAgain"), "0");
    EXPECT_EQ(valore("Speech", "Results"), "0");
}

TEST_F(OpzioniTest, LanguageComesFromTheOptionsElseFromTheDesktop) {
    prova::scrivi(dir.file("Lang/French.lng"), "[Strings]\r\n0001=Phrases\r\n");
    const auto francese = ambiente({{"LANG", "fr_BE.UTF-8"}});
    Opzioni o = CaricaOpzioni(percorsi, francese);
    EXPECT_EQ(o.linguaCorrente, "French");
    EXPECT_TRUE(o.linguaCaricata);
    o = carica("[Language]\r\nCurrentLanguage=English\r\n", francese);
    EXPECT_EQ(o.linguaCorrente, "English");
    EXPECT_FALSE(o.linguaCaricata);
    o = carica("[Language]\r\nCurrentLanguage=../Lang/French\r\n");
    EXPECT_FALSE(o.linguaCaricata);
}

TEST_F(OpzioniTest, LearnersKeepTheirOwnBookmarks) {
    TestiPrincipali testi;
    TestiPredefiniti(testi);
    RispostaFissa si(Risposta::Si);
    SalvaSegnalibro(percorsi, si, testi, "ANNA", "/x/CorsoDattilo/LEZIONE03.ftd", false);
    SalvaSegnalibro(percorsi, si, testi, "MARCO", "C:\\Scrivolta\\CorsoDattilo\\LEZIONE07.ftd",
                    false);
    EXPECT_EQ(LeggiSegnalibro(percorsi, "ANNA"), "LEZIONE03");
    EXPECT_EQ(LeggiSegnalibro(percorsi, "MARCO"), "LEZIONE07");
    // A name differing only in letter case is the same learner.
    EXPECT_EQ(LeggiSegnalibro(percorsi, "Anna"), "LEZIONE03");
    EXPECT_EQ(LeggiSegnalibro(percorsi, ""), "");

    ASSERT_EQ(si.domande.size(), 2U);
    EXPECT_EQ(si.titolo, "Scrivolta");
    EXPECT_EQ(si.pulsanti, Pulsanti::SiNoAnnulla);
    EXPECT_EQ(si.domande[0].substr(0, 29), "Vuoi salvare il nome dell'ese");
    EXPECT_NE(si.domande[0].find("terminato?\r\nSe rispondi  S\xEC  la prossima"),
              std::string::npos);
}

TEST_F(OpzioniTest, TheQuestionDecidesWhatHappensToTheBookmark) {
    TestiPrincipali testi;
    TestiPredefiniti(testi);
    RispostaFissa si(Risposta::Si), no(Risposta::No), annulla(Risposta::Annulla);
    SalvaSegnalibro(percorsi, si, testi, "ANNA", "/c/L1.ftd", false);
    EXPECT_EQ(SalvaSegnalibro(percorsi, annulla, testi, "ANNA", "/c/L2.ftd", false),
              EsitoSegnalibro::Invariato);
    EXPECT_EQ(LeggiSegnalibro(percorsi, "ANNA"), "L1");
    EXPECT_EQ(SalvaSegnalibro(percorsi, no, testi, "ANNA", "/c/L2.ftd", false),
              EsitoSegnalibro::Cancellato);
    EXPECT_EQ(LeggiSegnalibro(percorsi, "ANNA"), "");

    SalvaSegnalibro(percorsi, si, testi, "ANNA", "/c/L2.ftd", false);
    RispostaFissa muto(Risposta::Si);
    EXPECT_EQ(SalvaSegnalibro(percorsi, muto, testi, "ANNA", "/c/L9.ftd", true),
              EsitoSegnalibro::Cancellato);
    EXPECT_TRUE(muto.domande.empty());
    EXPECT_EQ(LeggiSegnalibro(percorsi, "ANNA"), "");
    EXPECT_EQ(SalvaSegnalibro(percorsi, muto, testi, "", "/c/L3.ftd", false),
              EsitoSegnalibro::Nessuno);
    EXPECT_TRUE(muto.domande.empty());
}

TEST(NomiDiFile, BookmarksKeepTheNameUpToItsFirstDot) {
    EXPECT_EQ(NomeSenzaEstensione("/c/CorsoDattilo/LEZIONE01.old.ftd"), "LEZIONE01");
    EXPECT_EQ(NomeSenzaEstensione("/c/CorsoDattilo/.ftd"), "");
    EXPECT_EQ(NomeSenzaEstensione("LEZIONE01.ftd"), "");
}

// A school's shared installation: the program's folder is read-only and
// holds the options the teacher preset. They apply until the learner has
// options of their own, which go to the learner's folder.
TEST(OpzioniPreimpostate, AreReadBesideTheProgramUntilTheLearnerHasTheirOwn) {
    CartellaTemporanea dir;
    std::filesystem::create_directories(dir.file("usr/share/scrivolta/Lang"));
    prova::scrivi(dir.file("usr/bin/Scrivolta.ini"), "[Options]\r\nBackColor=7\r\nSong=0\r\n");
    const auto p = Percorsi::perCartella(dir.file("usr/bin"),
                                         ambiente({{"XDG_CONFIG_HOME", dir.file("config")}}));
    Opzioni o = CaricaOpzioni(p, ambiente({}));
    EXPECT_EQ(o.coloreSfondo, 7);
    EXPECT_FALSE(o.SoundOn);
    o.coloreSfondo = 3;
    ASSERT_TRUE(SalvaOpzioni(p, o));
    EXPECT_EQ(prova::leggi(dir.file("usr/bin/Scrivolta.ini")),
              "[Options]\r\nBackColor=7\r\nSong=0\r\n");
    EXPECT_EQ(CaricaOpzioni(p, ambiente({})).coloreSfondo, 3);
}

TEST(OpzioniPreimpostate, ComeFromAReadOnlyProgramFolderWithItsData) {
    CartellaTemporanea dir;
    std::filesystem::create_directories(dir.file("scuola/Lang"));
    std::filesystem::create_directories(dir.file("config"));
    prova::scrivi(dir.file("scuola/Scrivolta.ini"), "[Options]\r\nBackColor=7\r\n");
    ::chmod(dir.file("scuola").c_str(), 0555);
    ::chmod(dir.file("config").c_str(), 0777);
    ::chmod(dir.percorso().c_str(), 0755);
    const int esito = [&] {
        const pid_t pid = ::fork();
        if (pid == 0) {
            // Root writes anywhere: the program runs as an ordinary user.
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(77);
            const auto p = Percorsi::perCartella(
                dir.file("scuola"), ambiente({{"XDG_CONFIG_HOME", dir.file("config")}}));
            Opzioni o = CaricaOpzioni(p, ambiente({}));
            const bool letto = !p.isPortatile() && o.coloreSfondo == 7;
            o.coloreSfondo = 2;
            ::_exit(letto && SalvaOpzioni(p, o) ? 0 : 1);
        }
        int stato = 0;
        ::waitpid(pid, &stato, 0);
        return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    }();
    if (esito == 77)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(esito, 0);
    EXPECT_EQ(prova::leggi(dir.file("scuola/Scrivolta.ini")), "[Options]\r\nBackColor=7\r\n");
    EXPECT_NE(prova::leggi(dir.file("config/scrivolta/Scrivolta.ini")).find("BackColor=2"),
              std::string::npos);
}
