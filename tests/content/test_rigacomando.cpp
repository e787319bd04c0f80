// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/rigacomando.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

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

TEST_F(RigaComandoTest, TheNameIsFoundWhateverItsLetterCase) {
    const auto r = apri("/lettera.TXT");
    EXPECT_TRUE(r.TextFileMode);
    EXPECT_EQ(fs::path(r.ExerciseFile).filename(), "Lettera.txt");
}
