// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/categorie.h"
#include "settings/segnalibro.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace scrivolta;
namespace fs = std::filesystem;

namespace {

class CategorieTest : public ::testing::Test {
protected:
    CategorieTest() {
        fs::create_directories(cartella / "Esercizi");
        fs::create_directories(cartella / "CorsoDattilo");
    }
    ~CategorieTest() override { fs::remove_all(cartella); }
    void scrivi(const std::string& nome, std::size_t byte = 10) {
        std::ofstream(cartella / nome, std::ios::binary) << std::string(byte, 'a');
    }
    fs::path cartella = fs::temp_directory_path() / ("scrivolta-cat-" + std::to_string(::getpid()));
    Percorsi percorsi = Percorsi::portatile(cartella.string() + "/");
    SceltaTesto scelta{percorsi};
};

} // namespace

TEST(VoceFileTesto, MinutesAtTwoRatesRoundedHalfToEvenAndAtLeastOne) {
    EXPECT_EQ(voceFileTesto("a.txt", 1000), "a.txt    (3 \xF7 5 min)");
    EXPECT_EQ(voceFileTesto("a.txt", 200), "a.txt    (1 min)");
    EXPECT_EQ(voceFileTesto("a.txt", 0), "a.txt    (1 min)");
    // 750 / 300 = 2.5 goes to 2; 550 / 220 = 2.5 goes to 2 as well.
    EXPECT_EQ(voceFileTesto("a.txt", 750), "a.txt    (2 \xF7 3 min)");
    EXPECT_EQ(voceFileTesto("a.txt", 550), "a.txt    (2 min)");
}

TEST(VoceDopo, TheEntryAfterTheBookmarkOrTheFirst) {
    const std::vector<std::string> voci = {"LEZIONE1", "LEZIONE2", "LEZIONE3"};
    EXPECT_EQ(voceDopo(voci, ""), 0);
    EXPECT_EQ(voceDopo(voci, "LEZIONE1"), 1);
    EXPECT_EQ(voceDopo(voci, "Lezione2"), 2) << "the bookmark keeps the file's own case";
    EXPECT_EQ(voceDopo(voci, "LEZIONE3"), 0);
    EXPECT_EQ(voceDopo(voci, "ALTRO"), 0);
    EXPECT_EQ(voceDopo({}, "LEZIONE1"), -1);
}

TEST_F(CategorieTest, EmptyFoldersLeaveOnlyTheBuiltInPhrases) {
    scelta.AbilitaCategorie();
    EXPECT_FALSE(scelta.altreCategorie());
    for (const auto c : {Categoria::Corso, Categoria::Esercizi, Categoria::FileDiTesto})
        EXPECT_FALSE(scelta.abilitata(c));
    EXPECT_EQ(scelta.categoria(), Categoria::FrasiInterne);
    EXPECT_FALSE(scelta.listaAttiva());
    EXPECT_TRUE(scelta.SelezionaFile().ExerciseFile.empty());
}

TEST_F(CategorieTest, TextFilesUnderTheLimitAreListedWithTheirTime) {
    scrivi("Esercizi/Lungo.txt", 26000);
    scrivi("Esercizi/Lettre.TXT", 25999);
    scrivi("Esercizi/b.txt", 1000);
    scrivi("Esercizi/nota.doc");
    scelta.AbilitaCategorie();
    EXPECT_TRUE(scelta.abilitata(Categoria::FileDiTesto));
    EXPECT_FALSE(scelta.abilitata(Categoria::Esercizi));
    scelta.optMenu_Click(Categoria::FileDiTesto, "");
    ASSERT_EQ(scelta.voci(), (std::vector<std::string>{"b.txt    (3 \xF7 5 min)",
                                                       "Lettre.TXT    (87 \xF7 118 min)"}));
    scelta.cboListFile_Click(1);
    const FileScelto f = scelta.SelezionaFile();
    EXPECT_EQ(f.ExerciseFile, (cartella / "Esercizi/Lettre.TXT").string());
    EXPECT_TRUE(f.TextFileMode);
}

TEST_F(CategorieTest, TheCourseListShowsCapitalsAndFindsTheFilesAgain) {
    scrivi("CorsoDattilo/LEZIONE1.ftd");
    scrivi("CorsoDattilo/Lezione2.ftd");
    scrivi("CorsoDattilo/lezione3.FTD");
    scelta.AbilitaCategorie();
    scelta.optMenu_Click(Categoria::Corso, "");
    ASSERT_EQ(scelta.voci(), (std::vector<std::string>{"LEZIONE1", "LEZIONE2", "LEZIONE3"}));
    EXPECT_TRUE(scelta.modoCorso());
    EXPECT_EQ(scelta.selezionata(), 0);
    scelta.selezionaSuccessiva();
    FileScelto f = scelta.SelezionaFile();
    EXPECT_EQ(fs::path(f.ExerciseFile).filename(), "Lezione2.ftd");
    EXPECT_FALSE(f.TextFileMode);
    scelta.selezionaSuccessiva();
    EXPECT_TRUE(scelta.ultimaSelezionata());
    EXPECT_EQ(fs::path(scelta.SelezionaFile().ExerciseFile).filename(), "lezione3.FTD");
    scelta.selezionaSuccessiva();
    EXPECT_EQ(scelta.selezionata(), 0);
}

TEST_F(CategorieTest, TheLearnersBookmarkPreselectsTheNextLesson) {
    scrivi("CorsoDattilo/LEZIONE1.ftd");
    scrivi("CorsoDattilo/Lezione2.ftd");
    std::ofstream(cartella / "CorsoDattilo/Scrivolta.bmk", std::ios::binary)
        << "[Anna]\r\nBookmark=LEZIONE1\r\n[Luca]\r\nBookmark=Lezione2\r\n";
    scelta.optMenu_Click(Categoria::Corso, "Anna");
    EXPECT_EQ(scelta.testo(), "LEZIONE2");
    scelta.optMenu_Click(Categoria::Corso, "Luca");
    EXPECT_EQ(scelta.testo(), "LEZIONE1") << "after the last lesson the first";
    scelta.optMenu_Click(Categoria::Corso, "");
    EXPECT_EQ(scelta.testo(), "LEZIONE1") << "no name, no bookmark";
    scelta.optMenu_Click(Categoria::Gioco, "Anna");
    EXPECT_EQ(scelta.categoria(), Categoria::FrasiInterne);
    EXPECT_TRUE(scelta.voci().empty());
}

// Lesson names may carry accents, stored in UTF-8 on today's systems: the
// list shows them in capitals, the number in front keeps the order, and a
// bookmark holding the name as it is on disk finds its lesson.
TEST_F(CategorieTest, AccentedLessonNamesShowSortAndKeepTheBookmark) {
    scrivi("CorsoDattilo/10 \xC3\xA9t\xC3\xA9.ftd");
    scrivi("CorsoDattilo/02 R\xC3\xA9vision.ftd");
    scrivi("CorsoDattilo/01 LE\xC3\x87ON.ftd");
    std::ofstream(cartella / "CorsoDattilo/Scrivolta.bmk", std::ios::binary)
        << "[Anna]\r\nBookmark=02 R\xC3\xA9vision\r\n";
    scelta.optMenu_Click(Categoria::Corso, "Anna");
    ASSERT_EQ(scelta.voci(),
              (std::vector<std::string>{"01 LE\xC7ON", "02 R\xC9VISION", "10 \xC9T\xC9"}));
    EXPECT_EQ(scelta.selezionata(), 2);
    EXPECT_EQ(fs::path(scelta.SelezionaFile().ExerciseFile).filename(), "10 \xC3\xA9t\xC3\xA9.ftd");
}

TEST_F(CategorieTest, AnEntryWhoseFileIsGoneChoosesNothing) {
    scrivi("Esercizi/a.ftd");
    scrivi("Esercizi/b.txt.ftd");
    scelta.optMenu_Click(Categoria::Esercizi, "");
    scelta.cboListFile_Click(1);
    EXPECT_EQ(fs::path(scelta.SelezionaFile().ExerciseFile).filename(), "b.txt.ftd")
        << "a name holding .txt is not cut";
    fs::remove(cartella / "Esercizi/a.ftd");
    scelta.cboListFile_Click(0);
    const FileScelto f = scelta.SelezionaFile();
    EXPECT_TRUE(f.ExerciseFile.empty());
    EXPECT_FALSE(f.TextFileMode);
}
