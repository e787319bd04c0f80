// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/fileesercizio.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace scrivolta;
namespace fs = std::filesystem;

namespace {

// Every character 10 pixels wide on a line of 100.
class MisuraFinta final : public MisuraTesto {
public:
    int larghezzaTesto(std::string_view testo) const override {
        return 10 * static_cast<int>(testo.size());
    }
    int larghezzaRiga() const override { return 100; }
};

class FileEsercizioTest : public ::testing::Test {
protected:
    FileEsercizioTest() {
        percorso =
            (fs::temp_directory_path() / ("scrivolta-ftd-" + std::to_string(::getpid()) + ".ftd"))
                .string();
    }
    ~FileEsercizioTest() override { fs::remove(percorso); }
    void scrivi(const std::string& contenuto) {
        std::ofstream(percorso, std::ios::binary) << contenuto;
    }
    std::string frase(int livello, int numero) {
        return LeggiFraseEsercizio(percorso, livello, numero, misura);
    }
    std::string percorso;
    MisuraFinta misura;
};

} // namespace

TEST(AdattaLarghezza, CutsToTheLineAndRepeatsVeryShortTexts) {
    const MisuraFinta m;
    EXPECT_EQ(AdattaLarghezza("abcdefghijkl", m), "abcdefghij");
    EXPECT_EQ(AdattaLarghezza("abcdefghij", m), "abcdefghij");
    EXPECT_EQ(AdattaLarghezza("f", m), "ffff");
    EXPECT_EQ(AdattaLarghezza("xy", m), "xyxy");
    EXPECT_EQ(AdattaLarghezza("abc", m), "abc");
    EXPECT_EQ(AdattaLarghezza("", m), "");
}

TEST(FiltraCaratteri, KeepsOnlyWhatAKeyTypes) {
    EXPECT_EQ(FiltraCaratteri("\xC9t\xE9 \x9C"
                              "uf \xAB"
                              "a\xBB \x85 \xEA\x80@"),
              "t\xE9 uf a  \xEA\x80@");
    EXPECT_EQ(FiltraCaratteri(std::string("a\0b\nc", 5)), "abc");
}

TEST_F(FileEsercizioTest, PhrasesAreTrimmedCutToTheLineThenFiltered) {
    scrivi("[1Livello]\r\n1=  la mer est belle  \r\n2=f\r\n3=\xC9"
           "abcdefghijk\r\n"
           "[2Livello]\r\n1= \xC9t\xE9 \xA6\xA6 Hiver \r\n");
    EXPECT_EQ(frase(1, 1), "la mer est");
    EXPECT_EQ(frase(1, 2), "ffff");
    EXPECT_EQ(frase(1, 3), "abcdefghi") << "cut before filtering";
    EXPECT_EQ(frase(2, 1), "t\xE9\r\nHiver");
    EXPECT_EQ(frase(2, 2), "");
    EXPECT_EQ(frase(3, 1), "");
}

TEST_F(FileEsercizioTest, AUtf8FileReadsLikeItsWindows1252Twin) {
    scrivi("\xEF\xBB\xBF[1livello]\n1=d\xC3\xA9j\xC3\xA0 \xC2\xA6\xC2\xA6voil\xC3\xA0\n");
    EXPECT_EQ(frase(1, 1), "d\xE9j\xE0\r\nvoil\xE0");
}

TEST_F(FileEsercizioTest, AMissingOrBrokenFileHasNoPhrases) {
    EXPECT_EQ(frase(1, 1), "");
    scrivi(std::string("\0\xFF[1Livello\n=\n1\n", 14));
    EXPECT_EQ(frase(1, 1), "");
    EXPECT_EQ(valoreFrase("[1Livello]\n6=  \n", 1, 6), "");
}
