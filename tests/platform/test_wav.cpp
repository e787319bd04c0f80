// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/suoni.h"
#include "platform/wav.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using namespace scrivolta::platform;

namespace {

void aggiungi(std::string& s, std::uint32_t v, int byte) {
    for (int i = 0; i < byte; ++i)
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::string blocco(const std::string& id, const std::string& corpo, std::uint32_t lunghezza) {
    std::string s = id;
    aggiungi(s, lunghezza, 4);
    return s + corpo;
}

std::string formato(int codifica, int canali, int frequenza, int bit) {
    std::string f;
    aggiungi(f, static_cast<std::uint32_t>(codifica), 2);
    aggiungi(f, static_cast<std::uint32_t>(canali), 2);
    aggiungi(f, static_cast<std::uint32_t>(frequenza), 4);
    aggiungi(f, static_cast<std::uint32_t>(frequenza * canali * bit / 8), 4);
    aggiungi(f, static_cast<std::uint32_t>(canali * bit / 8), 2);
    aggiungi(f, static_cast<std::uint32_t>(bit), 2);
    return blocco("fmt ", f, 16);
}

std::string riff(const std::string& blocchi) {
    return blocco("RIFF", "WAVE" + blocchi, static_cast<std::uint32_t>(4 + blocchi.size()));
}

std::string dati(const std::string& campioni) {
    return blocco("data", campioni, static_cast<std::uint32_t>(campioni.size()));
}

} // namespace

TEST(LeggiWav, ReadsFormatAndSamples) {
    const auto wav = leggiWav(riff(formato(1, 2, 44100, 16) + dati("abcdefgh")));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->canali, 2);
    EXPECT_EQ(wav->frequenza, 44100);
    EXPECT_EQ(wav->bitPerCampione, 16);
    EXPECT_EQ(wav->campioni, "abcdefgh");
}

TEST(LeggiWav, SkipsOtherChunksWithTheirPadding) {
    const std::string lista = blocco("LIST", "xyz", 3) + std::string(1, '\0');
    const auto wav = leggiWav(riff(lista + formato(1, 1, 8000, 8) + lista + dati("pq")));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->campioni, "pq");
}

TEST(LeggiWav, CutsDataToWhatIsThereAndToWholeFrames) {
    const std::string troncato = blocco("data", "abcde", 1000);
    const auto wav = leggiWav(riff(formato(1, 1, 22050, 16) + troncato));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->campioni, "abcd");
}

TEST(LeggiWav, RefusesWhatCannotBePlayed) {
    const std::string buoni = dati("abcd");
    const std::string casi[] = {
        "",
        "RIFF",
        riff(""),
        riff(buoni),
        riff(formato(1, 1, 22050, 16)),
        riff(formato(1, 1, 22050, 16) + dati("")),
        riff(formato(3, 1, 22050, 32) + buoni),
        riff(formato(1, 0, 22050, 16) + buoni),
        riff(formato(1, 6, 22050, 16) + buoni),
        riff(formato(1, 1, 0, 16) + buoni),
        riff(formato(1, 1, 22050, 24) + buoni),
        riff(blocco("fmt ", "\x01\x00", 2) + buoni),
        blocco("RIFX", "WAVE" + formato(1, 1, 22050, 16) + buoni, 40),
        riff(formato(1, 1, 22050, 16) + dati("abcd")).substr(0, 40),
    };
    for (const auto& caso : casi)
        EXPECT_FALSE(leggiWav(caso).has_value()) << caso.size();
}

TEST(LeggiWav, HugeChunkLengthsDoNotRunPastTheImage) {
    const std::string enorme = blocco("junk", "zz", 0xFFFFFFF0);
    EXPECT_FALSE(leggiWav(riff(formato(1, 1, 8000, 8) + enorme + dati("ab"))).has_value());
}

TEST(SuoniDelProgramma, EveryOneIsAPlayableWav) {
    for (int id = 101; id <= 112; ++id) {
        const QByteArray immagine = immagineSuono(id);
        const auto wav = leggiWav(
            std::string_view(immagine.constData(), static_cast<std::size_t>(immagine.size())));
        ASSERT_TRUE(wav) << id;
        // Short enough to sit between two keystrokes or under a window opening.
        const auto byteAlSecondo =
            static_cast<std::size_t>(wav->frequenza * wav->canali * wav->bitPerCampione / 8);
        EXPECT_LE(wav->campioni.size(), byteAlSecondo) << id;
    }
    EXPECT_LT(immagineSuono(107).size(), immagineSuono(101).size()) << "a right key only clicks";
    EXPECT_TRUE(immagineSuono(100).isEmpty());
    EXPECT_TRUE(immagineSuono(113).isEmpty());
}
