// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/utf8.h"
#include "content/codifica.h"
#include "content/filetesto.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace scrivolta;
namespace fs = std::filesystem;

namespace {

class FileTestoTest : public ::testing::Test {
protected:
    FileTestoTest() {
        cartella = fs::temp_directory_path() / ("scrivolta-testo-" + std::to_string(::getpid()));
        fs::create_directories(cartella);
    }
    ~FileTestoTest() override { fs::remove_all(cartella); }
    std::string scrivi(const std::string& nome, const std::string& byte) {
        const auto percorso = cartella / nome;
        std::ofstream(percorso, std::ios::binary) << byte;
        return percorso.string();
    }
    fs::path cartella;
};

} // namespace

TEST(Codifica, Utf8AndWindows1252GiveTheSameText) {
    const std::string cp1252 = "L'\xE9t\xE9 \xE0 la mer co\xFBte 5 \x80.";
    const std::string utf8 = "L'\xC3\xA9t\xC3\xA9 \xC3\xA0 la mer co\xC3\xBBte 5 \xE2\x82\xAC.";
    EXPECT_EQ(testoDaFile(cp1252), cp1252);
    EXPECT_EQ(testoDaFile(utf8), cp1252);
    EXPECT_EQ(testoDaFile("\xEF\xBB\xBF" + utf8), cp1252) << "the byte-order mark is skipped";
    EXPECT_EQ(testoDaFile("\xEF\xBB\xBFplain"), "plain");
}

TEST(Codifica, CharactersWithoutACodeAreDroppedAndBrokenUtf8IsWindows1252) {
    // A Greek letter and an emoji have no Windows-1252 code.
    EXPECT_EQ(testoDaFile("a\xCE\xB1"
                          "b\xF0\x9F\x98\x80"
                          "c\xC3\xA8"),
              "abc\xE8");
    // "è" followed by a lone continuation byte is not UTF-8 at all.
    EXPECT_EQ(testoDaFile("\xC3\xA8\xA8"), "\xC3\xA8\xA8");
    // Overlong forms and surrogates are not UTF-8 either.
    EXPECT_FALSE(utf8::valido("\xC0\xAF"));
    EXPECT_FALSE(utf8::valido("\xED\xA0\x80"));
    EXPECT_FALSE(utf8::valido("\xF4\x90\x80\x80"));
    EXPECT_FALSE(utf8::valido("\xE2\x82"));
    EXPECT_TRUE(utf8::valido("\xF0\x9F\x98\x80"));
}

TEST(TestoPratica, LinesJoinWithOneBlankWhateverTheirEnds) {
    EXPECT_EQ(testoPratica("uno\r\ndue \r\ntre\nquattro\rcinque"), "uno due tre quattro cinque");
    EXPECT_EQ(testoPratica("\r\n  uno\r\n\r\n\r\ndue  \r\n"), "uno due");
    EXPECT_EQ(testoPratica("a\n\rb"), "a b");
}

TEST(TestoPratica, TabsAreBlanksAndOtherControlCharactersGo) {
    // Each character of the result is one the learner types, so display,
    // input line and marker keep step.
    EXPECT_EQ(testoPratica(std::string("a\tb\fc\x01"
                                       "d\x7F"
                                       "e\0f",
                                       11)),
              "a b cdef");
    EXPECT_EQ(testoPratica("fin\t\r\nsuite"), "fin suite");
    EXPECT_EQ(testoPratica("\t\f \r\n"), "");
}

TEST_F(FileTestoTest, ATextFileInEitherCodePageGivesTheSameExercise) {
    const auto a = CaricaFileTesto(scrivi("a.txt", "Ch\xE8re Julie,\r\nJe t'\xE9"
                                                   "cris.\r\n"));
    const auto b = CaricaFileTesto(scrivi("b.txt", "\xEF\xBB\xBF"
                                                   "Ch\xC3\xA8re Julie,\nJe t'\xC3\xA9"
                                                   "cris.\n"));
    EXPECT_EQ(a.testo, "Ch\xE8re Julie, Je t'\xE9"
                       "cris.");
    EXPECT_EQ(a.testo, b.testo);
}

TEST_F(FileTestoTest, TheLimitIsReadNoFurther) {
    EXPECT_TRUE(leggiFileTesto(scrivi("sotto.txt", std::string(25999, 'a'))).byte.has_value());
    const LetturaTesto limite = leggiFileTesto(scrivi("limite.txt", std::string(26000, 'a')));
    EXPECT_FALSE(limite.byte.has_value());
    EXPECT_TRUE(limite.troppoLungo);
    EXPECT_FALSE(leggiFileTesto(cartella.string()).byte.has_value()) << "a folder";
    EXPECT_FALSE(leggiFileTesto((cartella / "manca.txt").string()).troppoLungo);
    EXPECT_EQ(CaricaFileTesto(scrivi("vuoto.txt", " \r\n\t\r\n")).testo, "");
}
