// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inimanager.h"
#include "settings/opzioni.h"
#include "settings/percorsi.h"
#include "support/cartella_temporanea.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scrivolta;
using prova::CartellaTemporanea;

namespace {

IniManager su(const std::string& file, const std::string& sezione) {
    IniManager ini;
    ini.setNome(file);
    ini.setSezione(sezione);
    return ini;
}

// Runs `azione` in a child process and returns its exit code; the child's
// limits and identity cannot leak into the test.
template <typename F> int inFiglio(F&& azione) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(azione());
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

constexpr int kNonSiPuo = 77;

} // namespace

TEST(IniManager, ReadsDefaultsFromMissingFilesSectionsAndKeys) {
    CartellaTemporanea dir;
    const auto ini = su(dir.file("none.ini"), "Options");
    EXPECT_EQ(ini.Leggi("Song", "1"), "1");
    prova::scrivi(dir.file("a.ini"), "[Options]\r\nSong=\r\n");
    EXPECT_EQ(su(dir.file("a.ini"), "Options").Leggi("Song", "1"), "");
    EXPECT_EQ(su(dir.file("a.ini"), "Other").Leggi("Song", "1"), "1");
}

TEST(IniManager, CutsValuesAt254AndLanguageTextsAt511) {
    CartellaTemporanea dir;
    const std::string lungo(600, 'x');
    prova::scrivi(dir.file("a.ini"),
                  "[Strings]\r\n0001=" + lungo + "\r\n0002=ab" + std::string(1, '\0') + "cd\r\n");
    EXPECT_EQ(su(dir.file("a.ini"), "Strings").Leggi("0001", ""), std::string(254, 'x'));
    EXPECT_EQ(LeggiStringaIni(dir.file("a.ini"), "Strings", "0001"), std::string(511, 'x'));
    EXPECT_EQ(LeggiStringaIni(dir.file("a.ini"), "Strings", "0002"), "ab");
    EXPECT_EQ(LeggiStringaIni(dir.file("a.ini"), "Strings", "0003"), "");
}

TEST(IniManager, CreatesTheFileAndItsFolderWithWindowsLineEnds) {
    CartellaTemporanea dir;
    auto ini = su(dir.file("CorsoDattilo/Scrivolta.bmk"), "ANNA");
    EXPECT_TRUE(ini.Scrivi("Bookmark", "LEZIONE1"));
    EXPECT_EQ(prova::leggi(dir.file("CorsoDattilo/Scrivolta.bmk")),
              "[ANNA]\r\nBookmark=LEZIONE1\r\n");
    EXPECT_TRUE(ini.CancellaValore("Bookmark"));
    EXPECT_EQ(prova::leggi(dir.file("CorsoDattilo/Scrivolta.bmk")), "[ANNA]\r\n");
    EXPECT_TRUE(ini.CancellaSezione());
    EXPECT_EQ(prova::leggi(dir.file("CorsoDattilo/Scrivolta.bmk")), "");
    // Deleting from a file that does not exist creates nothing.
    EXPECT_TRUE(su(dir.file("none.ini"), "X").CancellaSezione());
    EXPECT_FALSE(std::filesystem::exists(dir.file("none.ini")));
}

TEST(IniManager, RefusesAValueThatWouldBreakTheFile) {
    CartellaTemporanea dir;
    prova::scrivi(dir.file("a.ini"), "[AccessName]\r\nName=ANNA\r\n");
    auto ini = su(dir.file("a.ini"), "AccessName");
    EXPECT_FALSE(ini.Scrivi("Name", "X\r\n[Options]\r\nSong=0"));
    EXPECT_EQ(prova::leggi(dir.file("a.ini")), "[AccessName]\r\nName=ANNA\r\n");
}

TEST(IniManager, SurvivesFilesThatAreNotIniFiles) {
    CartellaTemporanea dir;
    std::string binario;
    std::mt19937 rng(7);
    for (int i = 0; i < 100000; ++i)
        binario += static_cast<char>(rng());
    prova::scrivi(dir.file("bin.ini"), binario);
    auto ini = su(dir.file("bin.ini"), "Options");
    EXPECT_EQ(ini.Leggi("Song", "1"), "1");
    ASSERT_TRUE(ini.Scrivi("Song", "0"));
    EXPECT_EQ(ini.Leggi("Song", "1"), "0");
    // The binary bytes are all still there, only a section was added.
    EXPECT_EQ(prova::leggi(dir.file("bin.ini")).substr(0, binario.size()), binario);

    prova::scrivi(dir.file("flat.ini"), "Song=0\r\nKeyMap=0\r\n");
    EXPECT_EQ(su(dir.file("flat.ini"), "Options").Leggi("Song", "1"), "1");
}

TEST(IniManager, HandlesHugeFilesAndLines) {
    CartellaTemporanea dir;
    const std::string rigaLunga(100000, 'a');
    std::string grande = "[Options]\r\nLong=" + rigaLunga + "\r\n";
    while (grande.size() < 10 * 1024 * 1024)
        grande += "[S" + std::to_string(grande.size()) + "]\r\nk=" + rigaLunga + "\r\n";
    grande += "[Last]\r\nKey=found\r\n";
    prova::scrivi(dir.file("big.ini"), grande);
    auto ini = su(dir.file("big.ini"), "Last");
    EXPECT_EQ(ini.Leggi("Key", ""), "found");
    EXPECT_EQ(su(dir.file("big.ini"), "Options").Leggi("Long", "").size(), 254U);
    ASSERT_TRUE(ini.Scrivi("Key", "changed"));
    EXPECT_EQ(prova::leggi(dir.file("big.ini")).size(), grande.size() + 2);
    EXPECT_EQ(ini.Leggi("Key", ""), "changed");
}

TEST(IniManager, AFolderInPlaceOfTheFileIsLeftAlone) {
    CartellaTemporanea dir;
    std::filesystem::create_directories(dir.file("Scrivolta.ini/inside"));
    auto ini = su(dir.file("Scrivolta.ini"), "Options");
    EXPECT_EQ(ini.Leggi("Song", "1"), "1");
    EXPECT_FALSE(ini.Scrivi("Song", "0"));
    EXPECT_FALSE(ini.CancellaSezione());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Scrivolta.ini/inside")));
}

// A pipe at the options or records path held the program in open() for
// good. The read runs in a child with an alarm, so that a hang fails the test
// instead of stopping it.
TEST(IniManager, APipeInPlaceOfTheFileIsNeitherWaitedForNorReplaced) {
    for (const char* nome : {"Scrivolta.ini", "ScrivoltaWinner.ini"}) {
        CartellaTemporanea dir;
        ASSERT_EQ(::mkfifo(dir.file(nome).c_str(), 0600), 0);
        const int esito = inFiglio([&] {
            ::alarm(5);
            auto ini = su(dir.file(nome), "Options");
            const bool letto = ini.Leggi("Song", "1") == "1" && !ini.Scrivi("Song", "0");
            return letto ? 0 : 1;
        });
        EXPECT_EQ(esito, 0) << nome;
        struct stat st {};
        EXPECT_TRUE(::lstat(dir.file(nome).c_str(), &st) == 0 && S_ISFIFO(st.st_mode)) << nome;
    }
}

TEST(IniManager, AFailedWriteReportsFailureAndKeepsTheOldFile) {
    CartellaTemporanea dir;
    const std::string vecchio = "[Options]\r\nSong=0\r\n";
    prova::scrivi(dir.file("a.ini"), vecchio);
    // A full disk: the file size limit makes every write past 16 bytes fail.
    const int esito = inFiglio([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limite);
        return su(dir.file("a.ini"), "Options").Scrivi("Song", std::string(200, '1')) ? 1 : 0;
    });
    EXPECT_EQ(esito, 0);
    EXPECT_EQ(prova::leggi(dir.file("a.ini")), vecchio);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.percorso()), {}), 1);
}

TEST(IniManager, AReadOnlyFolderKeepsTheOldSettings) {
    CartellaTemporanea dir;
    const std::string vecchio = "[Options]\r\nSong=0\r\n";
    prova::scrivi(dir.file("ro/a.ini"), vecchio);
    ::chmod(dir.file("ro").c_str(), 0555);
    ::chmod(dir.percorso().c_str(), 0755);
    const int esito = inFiglio([&] {
        // Root writes anywhere: the attempt is made as an ordinary user.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return kNonSiPuo;
        auto ini = su(dir.file("ro/a.ini"), "Options");
        const bool scritto = ini.Scrivi("Song", "1") || ini.CancellaSezione();
        return scritto ? 1 : 0;
    });
    if (esito == kNonSiPuo)
        GTEST_SKIP() << "cannot drop privileges here";
    EXPECT_EQ(esito, 0);
    EXPECT_EQ(prova::leggi(dir.file("ro/a.ini")), vecchio);
}

TEST(IniManager, AKilledSaveLeavesTheOldOrTheNewOptionsWhole) {
    CartellaTemporanea dir;
    const auto percorsi = Percorsi::portatile(dir.percorso());
    Opzioni a;
    a.linguaCorrente = std::string(3000, 'a');
    Opzioni b = a;
    b.SoundOn = false;
    b.coloreSfondo = 7;
    b.linguaCorrente = "French";
    ASSERT_TRUE(SalvaOpzioni(percorsi, b));
    const std::string testoB = prova::leggi(percorsi.fileOpzioni());
    ASSERT_TRUE(SalvaOpzioni(percorsi, a));
    const std::string testoA = prova::leggi(percorsi.fileOpzioni());

    std::mt19937 rng(42);
    for (int giro = 0; giro < 40; ++giro) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (;;) {
                SalvaOpzioni(percorsi, b);
                SalvaOpzioni(percorsi, a);
            }
        }
        ::usleep(200 + rng() % 3000);
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string dopo = prova::leggi(percorsi.fileOpzioni());
        ASSERT_TRUE(dopo == testoA || dopo == testoB)
            << "round " << giro << ", " << dopo.size() << " bytes";
    }
}

TEST(IniManager, ASaveThroughALinkUpdatesTheLinkedFileAndKeepsTheLink) {
    CartellaTemporanea dir;
    prova::scrivi(dir.file("shared/a.ini"), "[Options]\r\nSong=0\r\n");
    std::filesystem::create_symlink(dir.file("shared/a.ini"), dir.file("a.ini"));
    ASSERT_TRUE(su(dir.file("a.ini"), "Options").Scrivi("Song", "1"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("a.ini")));
    EXPECT_EQ(prova::leggi(dir.file("shared/a.ini")), "[Options]\r\nSong=1\r\n");
}

// Even the administrator, who may write anywhere, leaves a file alone that
// was made read-only on purpose.
TEST(IniManager, AReadOnlyFileIsLeftAloneAndTheSaveFails) {
    CartellaTemporanea dir;
    const std::string vecchio = "[Options]\r\nSong=0\r\n";
    prova::scrivi(dir.file("a.ini"), vecchio);
    ::chmod(dir.file("a.ini").c_str(), 0444);
    auto ini = su(dir.file("a.ini"), "Options");
    EXPECT_FALSE(ini.Scrivi("Song", "1"));
    EXPECT_FALSE(ini.CancellaSezione());
    EXPECT_EQ(prova::leggi(dir.file("a.ini")), vecchio);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("a.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444U);
}

TEST(IniManager, TemporaryFilesOfKilledWritersAreRemovedOnTheNextSave) {
    CartellaTemporanea dir;
    const pid_t morto = ::fork();
    if (morto == 0)
        ::_exit(0);
    ::waitpid(morto, nullptr, 0);
    const std::string orfano = dir.file(".a.ini." + std::to_string(morto) + ".tmp");
    const std::string vivo = dir.file(".b.ini." + std::to_string(::getppid()) + ".tmp");
    const std::string altro = dir.file(".appunti.tmp");
    for (const auto& f : {orfano, vivo, altro})
        prova::scrivi(f, "x");
    ASSERT_TRUE(su(dir.file("a.ini"), "Options").Scrivi("Song", "1"));
    EXPECT_FALSE(std::filesystem::exists(orfano));
    EXPECT_TRUE(std::filesystem::exists(vivo));
    EXPECT_TRUE(std::filesystem::exists(altro));
}
