// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/rigacomando.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace scrivolta;
namespace fs = std::filesystem;

namespace {

class RigaComandoTest : public ::testing::Test {
protected:
    RigaComandoTest() {
        cartella = fs::temp_directory_path() / ("scrivolta-riga-" + std::to_string(::getpid()));
        fs::create_directories(cartella / "Esercizi");
        scrivi("Lettera.txt", 25999);
        scrivi("Lungo.TXT", 26000);
        scrivi("Corso.ftd", 10);
        scrivi("Nota.doc", 10);
        std::ofstream(cartella / "Fuori.txt") << "fuori";
    }
    ~RigaComandoTest() override { fs::remove_all(cartella); }
    void scrivi(const std::string& nome, std::size_t byte) {
        std::ofstream(cartella / "Esercizi" / nome) << std::string(byte, 'a');
    }
    RigaDiComando apri(const std::string& riga) {
        return ApriDaRigaDiComando(riga, (cartella / "Esercizi").string() + "/");
    }
    fs::path cartella;
};

} // namespace

TEST_F(RigaComandoTest, ATextFileJustUnderTheLimitIsTypedAtOnce) {
    const auto r = apri("/ Lettera.txt ");
    EXPECT_EQ(r.rigaComando, "/ Lettera.txt ");
    EXPECT_TRUE(r.TextFileMode);
    EXPECT_TRUE(r.testoDaRigaComando);
    EXPECT_FALSE(r.troppoLungo);
    EXPECT_EQ(fs::path(r.ExerciseFile).filename(), "Lettera.txt");
}

TEST_F(RigaComandoTest, ATextFileOfTheLimitIsTooLong) {
    const auto r = apri("/Lungo.TXT");
    EXPECT_TRUE(r.troppoLungo);
    EXPECT_FALSE(r.TextFileMode);
}

TEST_F(RigaComandoTest, AnExerciseFileIsKeptWithoutTextMode) {
    const auto r = apri("/Corso.ftd");
    EXPECT_FALSE(r.TextFileMode);
    EXPECT_EQ(fs::path(r.ExerciseFile).filename(), "Corso.ftd");
}

TEST_F(RigaComandoTest, OtherNamesAreIgnoredAndTheLineCleared) {
    const std::string assoluto = "/" + (cartella / "Fuori.txt").string();
    for (const std::string riga : {"Lettera.txt", "/Nota.doc", "/Manca.txt", "/../Fuori.txt",
                                   "/..\\Fuori.txt", "/..Fuori.txt", "/", "", assoluto.c_str()}) {
        const auto r = apri(riga);
        EXPECT_TRUE(r.rigaComando.empty()) << riga;
        EXPECT_TRUE(r.ExerciseFile.empty()) << riga;
    }
}

// The system passes UTF-8 arguments; the folder's names are compared in
// Windows-1252: an accented name started on the built-in phrases instead.
TEST_F(RigaComandoTest, AnAccentedNameOnTheCommandLineIsFound) {
    scrivi("\xC3\x89t\xC3\xA9.txt", 10);
    scrivi("\xC3\x87"
           "a.ftd",
           10);
    const std::vector<std::pair<std::vector<std::string>, std::string>> casi = {
        {{"scrivolta", "/\xC3\x89t\xC3\xA9.txt"}, "\xC3\x89t\xC3\xA9.txt"},
        {{"scrivolta", "/\xC3\xA9T\xC3\xA9.TXT"}, "\xC3\x89t\xC3\xA9.txt"},
        {{"scrivolta", "/\xC3\x87"
                       "a.ftd"},
         "\xC3\x87"
         "a.ftd"},
        {{"scrivolta", "/Lettera", "bis.txt"}, ""},
        {{"scrivolta"}, ""},
    };
    for (const auto& [argomenti, atteso] : casi) {
        const auto r = apri(rigaDaArgomenti(argomenti));
        EXPECT_EQ(fs::path(r.ExerciseFile).filename().string(), atteso) << argomenti.back();
    }
}

TEST_F(RigaComandoTest, TheNameIsFoundWhateverItsLetterCase) {
    const auto r = apri("/lettera.TXT");
    EXPECT_TRUE(r.TextFileMode);
    EXPECT_EQ(fs::path(r.ExerciseFile).filename(), "Lettera.txt");
}
