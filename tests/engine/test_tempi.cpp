// SPDX-License-Identifier: GPL-3.0-or-later
// The timing and scoring of whole phrases, the modes and the caption, driven
// key by key with a scripted clock.
#include "banco_esercizio.h"
#include "content/frasi.h"

#include <filesystem>
#include <fstream>

using namespace scrivolta;
using namespace std::chrono_literals;

namespace {

class TempiTest : public prova::EsercizioTest {
protected:
    // Starts built-in phrase `n` and types it in `secondi` seconds: the
    // first key starts the clock, the others follow at once. The clock ticks
    // before the last key, so that the live bar shows the pace.
    void frase(int n, int secondi, bool tic = true) {
        iniziaFrase(n);
        const std::string t = e.testoCorrente();
        premi(static_cast<unsigned char>(t.front()));
        s.orologio.avanza(std::chrono::seconds(secondi));
        for (std::size_t i = 1; i + 1 < t.size(); ++i)
            premi(static_cast<unsigned char>(t[i]));
        if (tic)
            e.Timer1_Timer();
        premi(static_cast<unsigned char>(t.back()));
    }
    bool iniziaCon(const std::string& testo, const std::array<std::string, 7>& lodi) const {
        return std::any_of(lodi.begin(), lodi.end(),
                           [&](const std::string& l) { return testo.rfind(l + " ", 0) == 0; });
    }
    long suoni(int id) const {
        return std::count(s.suoni.suonati.begin(), s.suoni.suonati.end(), id);
    }
};

} // namespace

TEST_F(TempiTest, ARecordNeedsAShorterBarAndNeverComesOnALevelsFirstPhrase) {
    frase(11, 12); // 30 characters: 0.43 s a keystroke
    EXPECT_EQ(suoni(suono::Record), 0) << "the first phrase only sets the bar";
    EXPECT_EQ(e.stato().barraRecord, 31);
    frase(12, 8); // 38 characters: 0.22 s a keystroke
    EXPECT_EQ(suoni(suono::Record), 1);
    EXPECT_EQ(e.stato().barraRecord, 16);
    EXPECT_TRUE(iniziaCon(e.stato().messaggio, testi.lodiOttime)) << e.stato().messaggio;
    EXPECT_NE(e.stato().messaggio.find("superato il tuo record"), std::string::npos);
    frase(1, 30); // slower again: no record, the bar stays
    EXPECT_EQ(suoni(suono::Record), 1);
    EXPECT_EQ(e.stato().barraRecord, 16);
    EXPECT_TRUE(iniziaCon(e.stato().messaggio, testi.lodiBuone)) << e.stato().messaggio;
    frase(2, 0);
    EXPECT_FLOAT_EQ(mod.PhraseSpeed[4], 5.0F) << "a phrase within a second counts as 5";
}

TEST_F(TempiTest, LevelAveragesAreWholeMeansThenTheCappedAverageOfFive) {
    const std::array<std::pair<int, int>, 5> frasi = {
        {{11, 12}, {12, 38}, {5, 24}, {9, 38}, {7, 44}}}; // 2.5, 1, 2, 1, 1 a second
    const std::array<const char*, 5> medie = {"100", "70", "73", "65", "60"};
    for (std::size_t i = 0; i < frasi.size(); ++i) {
        frase(frasi[i].first, frasi[i].second, false);
        EXPECT_EQ(e.stato().medie[0], medie[i]) << "after phrase " << i + 1;
    }
    frase(16, 58, false); // 58 characters, 1 a second
    EXPECT_EQ(e.stato().medie[1], "40") << "the sum starts again on level 2";
}

TEST_F(TempiTest, ExpertsLoseTheFingerColoursAndTheModeSoundNeedsTheSelector) {
    tastiera.mappaColori = true;
    s.suoni.suonati.clear();
    e.optLevel_Click(1);
    EXPECT_FALSE(tastiera.mappaColori);
    EXPECT_FALSE(e.stato().menuMappa);
    EXPECT_FLOAT_EQ(mod.SpeedFactor, 0.2F);
    EXPECT_EQ(suoni(suono::Opzione), 1);
    iniziaFrase(11);
    e.optLevel_Click(0);
    EXPECT_TRUE(e.stato().menuMappa);
    EXPECT_FALSE(tastiera.mappaColori) << "the colouring stays as it is";
    EXPECT_EQ(suoni(suono::Opzione), 1) << "the selector is hidden during a phrase";
}

TEST_F(TempiTest, TheCaptionCutsALongFileNameAndAMissingPhraseIsBuiltIn) {
    mod.ExerciseFile = "/nonexistent/Un nome di file davvero molto lungo.ftd";
    iniziaFrase(4);
    EXPECT_EQ(e.stato().titolo,
              "Scrivolta  - Un nome di file davvero mol -  Primo livello: frase 1");
    EXPECT_EQ(e.testoCorrente(), std::string(FraseInterna(4)));
}

TEST_F(TempiTest, RestartIsRefusedForAFileFromTheCommandLine) {
    e.impostaRigaComando("/Lettre.txt", false);
    e.lblMenu_Click(VoceMenu::Ricomincia);
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].pulsanti, Pulsanti::Ok);
    EXPECT_EQ(s.messaggi.mostrati[0].testo.rfind("Con questo esercizio", 0), 0U);
    EXPECT_TRUE(vista.finestre.empty());
}

TEST_F(TempiTest, PauseInATextFileTellsTheMinutesLeft) {
    const auto percorso = std::filesystem::temp_directory_path() /
                          ("scrivolta-pausa-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(percorso, std::ios::binary) << std::string(600, 'a');
    mod.ExerciseFile = percorso.string();
    e.impostaRigaComando("", true);
    premi(codiceTasto::Invio);
    digita(std::string(80, 'a'));
    e.txtInput_KeyDown(codiceTasto::VkPausa);
    std::filesystem::remove(percorso);
    ASSERT_EQ(s.messaggi.mostrati.size(), 1U);
    EXPECT_EQ(s.messaggi.mostrati[0].testo, "Tempo stimato per terminare l'esercizio: 2 minuti\r\n"
                                            "Premi OK per proseguire.");
    EXPECT_TRUE(e.cronometroAttivo());
}
