// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/lingua.h"
#include "settings/opzioni.h"
#include "settings/testi.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>
#include <set>

using namespace scrivolta;

namespace {

const std::string kLingue = std::string(SCRIVOLTA_SOURCE_DATA) + "/Lang/";

std::vector<std::string> intervallo(int da, int a) {
    std::vector<std::string> ids;
    for (int i = da; i <= a; ++i) {
        std::string id = std::to_string(i);
        ids.push_back(std::string(4 - id.size(), '0') + id);
    }
    return ids;
}

// The ids the other windows read: user name, results, free-text report,
// game, information and language windows.
std::set<std::string> idAltreFinestre() {
    std::set<std::string> ids = {"0012", "0066", "0096", "0138", "0135",       "0075",      "0091",
                                 "0092", "0101", "0103", "0152", "0017",       "0036",      "0203",
                                 "0115", "0143", "1010", "1031", "InfoAuthor", "MailAuthor"};
    for (const auto& [da, a] :
         {std::pair{76, 114}, {127, 136}, {139, 150}, {300, 313}, {66, 75}, {200, 207}}) {
        for (auto& id : intervallo(da, a))
            ids.insert(id);
    }
    return ids;
}

class LinguaSpedita : public ::testing::TestWithParam<std::string> {
protected:
    std::string contenuto() const { return prova::leggi(kLingue + GetParam() + ".lng"); }
};

// Bytes that are no character of the code page, or control characters.
bool byteValido(unsigned char b) {
    constexpr std::array<unsigned char, 5> kVuoti = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    return (b >= 0x20 && b != 0x7F && std::find(kVuoti.begin(), kVuoti.end(), b) == kVuoti.end()) ||
           b == '\r' || b == '\n';
}

// A lead byte followed by continuation bytes: text saved as UTF-8.
bool sequenzaUtf8(const std::string& s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0xC2 || b > 0xF4 || i + 1 >= s.size())
        return false;
    return (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80;
}

} // namespace

TEST_P(LinguaSpedita, IsWindows1252WithWindowsLineEnds) {
    const std::string c = contenuto();
    ASSERT_FALSE(c.empty());
    for (std::size_t i = 0; i < c.size(); ++i) {
        const auto b = static_cast<unsigned char>(c[i]);
        ASSERT_TRUE(byteValido(b)) << "byte " << int(b) << " at " << i;
        ASSERT_FALSE(sequenzaUtf8(c, i)) << "UTF-8 at " << i;
        if (b == '\n') {
            ASSERT_TRUE(i > 0 && c[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_EQ(c.substr(c.size() - 2), "\r\n");
}

TEST_P(LinguaSpedita, HasEveryTextOfEveryWindow) {
    const FileLingua lingua(kLingue + GetParam() + ".lng");
    std::set<std::string> ids = idAltreFinestre();
    for (const auto id : idTestiPrincipali())
        ids.insert(std::string(id));
    for (const auto& id : ids)
        EXPECT_FALSE(lingua.TestoLingua(id).empty()) << id;
}

TEST_P(LinguaSpedita, NoValueIsCut) {
    const std::string c = contenuto();
    std::size_t inizio = 0;
    while (inizio < c.size()) {
        const auto fine = c.find("\r\n", inizio);
        const std::string riga = c.substr(inizio, fine - inizio);
        EXPECT_LE(riga.size() - riga.find('=') - 1, 511U) << riga.substr(0, 10);
        inizio = fine + 2;
    }
}

INSTANTIATE_TEST_SUITE_P(Lang, LinguaSpedita, ::testing::Values("French", "English"));

TEST(LinguaSpedita, AFrenchDesktopStartsInFrench) {
    prova::CartellaTemporanea dir;
    std::filesystem::copy(kLingue, dir.file("Lang"));
    const auto percorsi = Percorsi::portatile(dir.percorso());
    const Opzioni o = CaricaOpzioni(percorsi, [](const std::string& nome) {
        return nome == "LANG" ? std::string("fr_BE.UTF-8") : std::string();
    });
    ASSERT_EQ(o.linguaCorrente, "French");
    ASSERT_TRUE(o.linguaCaricata);
    TestiPrincipali testi;
    ApplicaLingua(testi, fileLinguaCorrente(percorsi, o.linguaCorrente));
    EXPECT_EQ(testi.optMenu[0], "Phrases int\xE9gr\xE9"
                                "es");
    EXPECT_EQ(testi.messaggi[Messaggio::ScegliLivelloEPremiInvio].substr(
                  testi.messaggi[Messaggio::ScegliLivelloEPremiInvio].size() - 9),
              " <Entr\xE9"
              "e>");
    EXPECT_EQ(testi.messaggi[Messaggio::StampareTastieraDi], "Veux-tu imprimer le clavier de ");
    EXPECT_EQ(testi.nomeModalita(false), "D\xE9"
                                         "butant");
}
