// SPDX-License-Identifier: GPL-3.0-or-later
#include "banco_esercizio.h"
#include "content/filetesto.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace scrivolta;
using namespace std::chrono_literals;

using prova::EsercizioTest;

TEST_F(EsercizioTest, EnterStartsAPhraseWithoutFeedbackOrCount) {
    EXPECT_TRUE(e.avvioAbilitato());
    s.suoni.suonati.clear();
    iniziaFrase(11); // "ma chambre donne sur le jardin"
    EXPECT_EQ(e.testoCorrente(), "ma chambre donne sur le jardin");
    EXPECT_EQ(s.suoni.suonati, std::vector<int>{suono::InizioFrase});
    EXPECT_EQ(e.carattereAtteso(), "m");
    EXPECT_EQ(e.stato().contatori[1], "0/0");
    EXPECT_FALSE(e.cronometroAttivo());
    EXPECT_TRUE(tastiera.stato(19).premuto);
    EXPECT_EQ(e.stato().titolo, "Scrivolta - Frasi interne  -  Primo livello: frase 1");
}

TEST_F(EsercizioTest, WrongKeysBeforeTheFirstRightKeyAreSignalledButNotCounted) {
    iniziaFrase(11);
    s.suoni.suonati.clear();
    vista.coloriInput.clear();
    premi('x');
    contaSuoni(suono::Errore, 1);
    EXPECT_TRUE(tastiera.erroreVisibile());
    EXPECT_EQ(vista.coloriInput.size(), 4U) << "the input line flashes four times";
    EXPECT_EQ(vista.coloriInput.back(), kColoreInputNormale);
    EXPECT_EQ(e.stato().contatori[1], "0/0");
    EXPECT_TRUE(e.stato().input.empty()) << "a wrong key inserts nothing";

    premi('m');
    EXPECT_TRUE(e.cronometroAttivo());
    EXPECT_EQ(e.stato().contatori[0], "1/1");
    premi('x');
    premi(codiceTasto::Backspace);
    EXPECT_EQ(e.stato().contatori[1], "2/2");
    EXPECT_EQ(e.stato().input, "m");
    EXPECT_EQ(e.stato().giudizio->lettera, 'D');
}

TEST_F(EsercizioTest, ACaseErrorOfABeginnerIsSignalledBySoundAlone) {
    iniziaFrase(11);
    premi('m');
    tastiera.MostraErrore('q');
    vista.coloriInput.clear();
    s.suoni.suonati.clear();
    premi('A');
    contaSuoni(suono::Errore, 1);
    EXPECT_FALSE(tastiera.erroreVisibile());
    EXPECT_TRUE(vista.coloriInput.empty());
    EXPECT_EQ(e.stato().contatori[1], "1/1");

    e.ImpostaModalita(1);
    premi('A');
    EXPECT_EQ(vista.coloriInput.size(), 4U) << "experts see the flashing";
}

TEST_F(EsercizioTest, CapsLockIsSwitchedOffAfterAWrongKey) {
    iniziaFrase(11);
    s.tastiera.maiuscole = true;
    premi('M');
    EXPECT_FALSE(s.tastiera.maiuscole);
}

TEST_F(EsercizioTest, ATwoLinePhraseTakesOneEnterAndTheMarkerRestartsOnTheSecondLine) {
    portaAllaFrase(11, 36); // "50% se lit ... la moitié." / "Tu le savais?"
    const std::string t = e.testoCorrente();
    const auto cr = t.find('\r');
    digita(t.substr(0, cr));
    EXPECT_EQ(e.carattereAtteso(), "\r");
    EXPECT_TRUE(tastiera.stato(62).premuto);
    EXPECT_EQ(e.stato().marcatore.width, 10 * static_cast<int>(cr));
    premi(codiceTasto::Invio);
    EXPECT_EQ(e.carattereAtteso(), "T");
    EXPECT_EQ(e.stato().marcatore.top, 20);
    EXPECT_EQ(e.stato().marcatore.left, 0);
    EXPECT_EQ(e.stato().marcatore.width, 0);
    premi('T');
    EXPECT_EQ(e.stato().marcatore.width, 10);
    digita(t.substr(cr + 3));
    EXPECT_TRUE(e.testoFinito());
    EXPECT_EQ(e.esatteFrase(), static_cast<int>(t.size()) - 1) << "CR LF is one keystroke";
    EXPECT_EQ(vista.finestre, (std::vector<Finestra>{Finestra::Risultati, Finestra::Risultati}))
        << "results after levels 1 and 2";
}

TEST_F(EsercizioTest, ACharacterWithoutAKeyIsPassedWithTheMenuEntry) {
    portaAllaFrase(11, 38); // "Le symbole de l’euro ..."
    digita("Le symbole de l");
    EXPECT_EQ(e.carattereAtteso(), "\x92");
    EXPECT_TRUE(e.stato().voceSalto);
    e.lblMenu_Click(VoceMenu::Salta);
    EXPECT_FALSE(e.stato().voceSalto);
    EXPECT_EQ(e.carattereAtteso(), "e");
    EXPECT_EQ(e.stato().input, "Le symbole de l\x92");
}

TEST_F(EsercizioTest, TheEndOfAPhraseShowsTheScoreAndTheEnterKeyBlinks) {
    iniziaFrase(11);
    s.suoni.suonati.clear();
    premi('m');
    s.orologio.avanza(12s);
    for (const char c : e.testoCorrente().substr(1))
        premi(c);
    EXPECT_TRUE(e.testoFinito());
    EXPECT_FALSE(e.occupato());
    EXPECT_TRUE(e.avvioAbilitato());
    EXPECT_TRUE(vista.t2);
    EXPECT_TRUE(e.stato().messaggioVisibile);
    contaSuoni(suono::FineFrase, 1);
    EXPECT_FLOAT_EQ(mod.PhraseSpeed[1], 2.5F);
    EXPECT_EQ(e.stato().fasciaPunteggio, 4);
    EXPECT_EQ(e.stato().medie[0], "100");
    EXPECT_EQ(e.stato().input, e.testoCorrente());
    premi('x');
    EXPECT_EQ(e.stato().contatori[1], "0/0") << "keys after the end are ignored";
    iniziaFrase(12);
    EXPECT_EQ(e.numeroFrase(), 2);
    EXPECT_EQ(e.stato().contatori[0], "0/30");
    EXPECT_FALSE(vista.t2) << "the blinking stops with the new phrase, not at its next tick";
    EXPECT_FALSE(e.stato().premi);
}

// The live bar shows the time per character typed so far: four characters
// in eight seconds fill half of a beginner's bar (full at four seconds a
// key), whatever the phrase still holds.
TEST_F(EsercizioTest, TheLiveSpeedBarMeasuresTheCharactersTypedSoFar) {
    iniziaFrase(11); // "ma chambre donne sur le jardin"
    s.orologio.t = std::chrono::system_clock::time_point(std::chrono::seconds(1'800'000'000));
    premi('m');
    premi('a');
    premi(' ');
    premi('c');
    s.orologio.avanza(8s);
    e.Timer1_Timer();
    EXPECT_EQ(e.stato().ora, "00:08");
    EXPECT_EQ(e.stato().barraVelocita, 150);
    s.orologio.avanza(16s);
    e.Timer1_Timer();
    EXPECT_EQ(e.stato().barraVelocita, 300) << "the bar stops at its full width";
}

// The clock ticks five times a second; the window hears of a tick only when
// the clock's text or the live bar moved.
TEST_F(EsercizioTest, AClockTickThatChangesNothingOnScreenIsNotShown) {
    iniziaFrase(11);
    s.orologio.t = std::chrono::system_clock::time_point(std::chrono::seconds(1'800'000'000));
    premi('m');
    struct Caso {
        std::chrono::milliseconds passo;
        bool mostrato;
    };
    for (const Caso c : {Caso{200ms, false}, Caso{200ms, false}, Caso{600ms, true},
                         Caso{200ms, false}, Caso{3s, true}, Caso{0ms, false}}) {
        s.orologio.avanza(c.passo);
        const int prima = vista.cambiamenti;
        e.Timer1_Timer();
        EXPECT_EQ(vista.cambiamenti - prima, c.mostrato ? 1 : 0)
            << "after " << c.passo.count() << " ms, clock " << e.stato().ora;
    }
}

TEST_F(EsercizioTest, StartingAgainAfterALevelGoesBackToTheGreetingWithoutResults) {
    portaAllaFrase(5, 5);
    digita(e.testoCorrente());
    ASSERT_GT(mod.PhraseSpeed[5], 0.0F);
    s.messaggi.risposte = {Risposta::Si};
    e.lblMenu_Click(VoceMenu::Ricomincia);
    EXPECT_TRUE(vista.finestre == std::vector<Finestra>{Finestra::NomeUtente})
        << "only the name is asked again";
    EXPECT_EQ(e.stato().modo, ModoDisplay::Saluto);
    EXPECT_EQ(e.numeroFrase(), 0);
    EXPECT_EQ(mod.TotalCorrect, 0);
    EXPECT_EQ(mod.PhraseSpeed, (std::array<float, 16>{})) << "the next results start empty";
    EXPECT_TRUE(e.avvioAbilitato());
}

TEST_F(EsercizioTest, EscAsksBeforeClosing) {
    s.messaggi.risposte = {Risposta::No, Risposta::Si};
    e.Form_KeyUp(codiceTasto::VkEsc);
    EXPECT_EQ(vista.chiusure, 0);
    e.Form_KeyUp(codiceTasto::VkEsc);
    EXPECT_EQ(vista.chiusure, 1);
    ASSERT_EQ(s.messaggi.mostrati.size(), 2U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo, "Vuoi chiudere il programma?\r\n(Se chiudi il "
                                            "programma adesso, tutti i dati verranno persi)");
    EXPECT_EQ(s.messaggi.mostrati[0].titolo, "Scrivolta");
}

TEST_F(EsercizioTest, CapsLockSwitchedOnIsWarnedAboutAndSwitchedOff) {
    s.tastiera.maiuscole = true;
    e.Form_KeyUp(codiceTasto::VkBloccaMaiuscole);
    EXPECT_FALSE(s.tastiera.maiuscole);
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo, "Il tasto Blocca Maiuscole non deve essere premuto.");
    EXPECT_EQ(s.messaggi.mostrati[0].titolo, "Attenzione!");
    EXPECT_FALSE(e.stato().avvisoMaiuscole);
    e.Form_KeyUp(codiceTasto::VkBloccaMaiuscole);
    EXPECT_EQ(s.messaggi.mostrati.size(), 1U) << "releasing it again while off says nothing";
}

TEST_F(EsercizioTest, ArrowKeysAreDiscardedAndPauseStopsTheClock) {
    EXPECT_TRUE(e.txtInput_KeyDown(37));
    EXPECT_TRUE(e.txtInput_KeyDown(40));
    EXPECT_FALSE(e.txtInput_KeyDown(41));
    iniziaFrase(11);
    premi('m');
    s.orologio.avanza(2s);
    e.txtInput_KeyDown(codiceTasto::VkPausa);
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo, "Premi OK per proseguire.");
    EXPECT_TRUE(e.cronometroAttivo());
}

TEST_F(EsercizioTest, AKeyOutsideTheCodePageIsAWrongKey) {
    iniziaFrase(11);
    premi('m');
    premi(codiceTasto::SenzaCodice);
    EXPECT_EQ(e.stato().contatori[1], "1/1");
    EXPECT_EQ(e.stato().input, "m");
}

class TestoFileTest : public EsercizioTest {
protected:
    void apri(const std::string& contenuto) {
        percorso = std::filesystem::temp_directory_path() /
                   ("scrivolta-esercizio-" + std::to_string(::getpid()) + ".txt");
        std::ofstream(percorso, std::ios::binary) << contenuto;
        mod.ExerciseFile = percorso.string();
        e.impostaRigaComando("", true);
        premi(codiceTasto::Invio);
    }
    ~TestoFileTest() override { std::filesystem::remove(percorso); }
    std::filesystem::path percorso;
};

TEST_F(TestoFileTest, LinesJoinWithOneBlankAndTypographicMarksAreTypedPlain) {
    apri("Une lettre\r\nde l\x92\x93"
         "ami\x94 \r\nfin\nici");
    EXPECT_EQ(e.testoCorrente(), "Une lettre de l\x92\x93"
                                 "ami\x94 fin ici");
    EXPECT_EQ(e.stato().modo, ModoDisplay::TestoFile);
    digita("Une lettre de l");
    EXPECT_EQ(e.carattereAtteso(), "'");
    digita("'\"ami\"");
    EXPECT_EQ(e.stato().contatori[1], "0");
    EXPECT_EQ(mod.WordCount, 4);
}

TEST_F(TestoFileTest, WrongLettersAreInsertedAndCountedEnterAndBackspaceDoNothing) {
    apri("abcdef");
    premi('a');
    premi('x');
    EXPECT_EQ(e.stato().input, "ax");
    EXPECT_EQ(e.stato().contatori[1], "1");
    EXPECT_EQ(e.stato().contatori[0], "2");
    premi(codiceTasto::Invio);
    premi(codiceTasto::Backspace);
    EXPECT_EQ(e.stato().input, "ax");
    EXPECT_EQ(e.stato().contatori[0], "2");
    EXPECT_EQ(e.carattereAtteso(), "c");
    EXPECT_EQ(mod.ReportText, "ax");
}

TEST_F(TestoFileTest, TheInputLineKeepsTwentyEightCharactersAndTheDisplayScrolls) {
    std::string testo;
    for (int i = 0; i < 200; ++i)
        testo += static_cast<char>('a' + i % 26);
    apri(testo);
    EXPECT_EQ(e.stato().frase, testo.substr(0, 35));
    digita(testo.substr(0, 29));
    EXPECT_EQ(e.stato().input, testo.substr(0, 29));
    EXPECT_EQ(e.stato().frase, testo.substr(0, 35));
    premi(static_cast<unsigned char>(testo[29]));
    EXPECT_EQ(e.stato().input, testo.substr(1, 29));
    EXPECT_EQ(e.stato().frase, testo.substr(1, 100));
    premi(static_cast<unsigned char>(testo[30]));
    EXPECT_EQ(e.stato().frase, testo.substr(2, 100));
    EXPECT_EQ(e.stato().input.front(), testo[2]);
    EXPECT_EQ(mod.ReportText, testo.substr(0, 31));
}

TEST_F(TestoFileTest, ATextFromTheCommandLineOpensTheReportThenEndsTheProgram) {
    apri("ok");
    digita("ok");
    EXPECT_EQ(vista.finestre, std::vector<Finestra>{Finestra::RapportoTestoFile});
    EXPECT_TRUE(s.messaggi.mostrati.empty());
    EXPECT_EQ(vista.chiusure, 1);
    EXPECT_EQ(mod.TotalCorrect, 2);
}

TEST_F(TestoFileTest, AnEmptyTextIsReportedLikeAnUnreadableOne) {
    apri(" \r\n\r\n  ");
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo.rfind("Errore nell'apertura del file:\r\n", 0), 0U);
    EXPECT_EQ(e.stato().modo, ModoDisplay::Saluto);
    EXPECT_TRUE(e.avvioAbilitato());
}

TEST_F(TestoFileTest, AFileThatCannotBeReadIsReportedAndTheWindowReturnsToTheGreeting) {
    // The path is the file system's UTF-8; the box shows Windows-1252.
    mod.ExerciseFile = "/nonexistent/\xC3\xA9t\xC3\xA9/Lettre.txt";
    e.impostaRigaComando("", true);
    premi(codiceTasto::Invio);
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo,
              "Errore nell'apertura del file:\r\n/nonexistent/\xE9t\xE9/Lettre.txt");
    EXPECT_EQ(e.stato().modo, ModoDisplay::Saluto);
    EXPECT_TRUE(e.carattereAtteso().empty());
}

// The length was checked when the command line was read; a file that grew
// since is measured again while it is read, and never read whole.
TEST_F(TestoFileTest, AFileThatGrewPastTheLimitIsRefusedWhenItIsRead) {
    apri(std::string(static_cast<std::size_t>(kLunghezzaMassimaTesto), 'a'));
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo, testi.messaggi[Messaggio::TestoTroppoLungo]);
    EXPECT_EQ(e.stato().modo, ModoDisplay::Saluto);
    EXPECT_TRUE(e.carattereAtteso().empty());
}

TEST_F(TestoFileTest, AFileJustUnderTheLimitIsReadWhole) {
    apri(std::string(static_cast<std::size_t>(kLunghezzaMassimaTesto - 1), 'a'));
    EXPECT_TRUE(s.messaggi.mostrati.empty());
    EXPECT_EQ(e.testoCorrente().size(), static_cast<std::size_t>(kLunghezzaMassimaTesto - 1));
}
