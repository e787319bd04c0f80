#include "platform/avvio.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using scrivolta::platform::IstanzaUnica;

class IstanzaUnicaTest : public ::testing::Test {
protected:
    void SetUp() override {
        cartella_ = fs::temp_directory_path() / ("scrivolta-istanza-" + std::to_string(::getpid()));
        fs::create_directories(cartella_);
        blocco_ = (cartella_ / "scrivolta.lock").string();
    }
    void TearDown() override { fs::remove_all(cartella_); }

    fs::path cartella_;
    std::string blocco_;
};

TEST_F(IstanzaUnicaTest, ASecondCopyFindsTheFirstUntilItEnds) {
    {
        IstanzaUnica prima(blocco_);
        EXPECT_FALSE(prima.altraInEsecuzione());
        const IstanzaUnica seconda(blocco_);
        EXPECT_TRUE(seconda.altraInEsecuzione());
    }
    const IstanzaUnica dopo(blocco_);
    EXPECT_FALSE(dopo.altraInEsecuzione());
}

TEST_F(IstanzaUnicaTest, AKilledCopyLeavesNoLockBehind) {
    int segnale[2];
    ASSERT_EQ(::pipe(segnale), 0);
    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        const IstanzaUnica istanza(blocco_);
        const char pronto = 'x';
        [[maybe_unused]] const auto scritti = ::write(segnale[1], &pronto, 1);
        ::pause();
        ::_exit(0);
    }
    char letto = 0;
    ASSERT_EQ(::read(segnale[0], &letto, 1), 1);
    EXPECT_TRUE(IstanzaUnica(blocco_).altraInEsecuzione());
    ::kill(figlio, SIGKILL);
    ::waitpid(figlio, nullptr, 0);
    EXPECT_FALSE(IstanzaUnica(blocco_).altraInEsecuzione());
    ::close(segnale[0]);
    ::close(segnale[1]);
}

TEST_F(IstanzaUnicaTest, ALockThatCannotBeMadeLetsTheProgramStart) {
    EXPECT_FALSE(
        IstanzaUnica((cartella_ / "manca" / "scrivolta.lock").string()).altraInEsecuzione());
    fs::create_symlink(cartella_ / "altrove", cartella_ / "trappola");
    EXPECT_FALSE(IstanzaUnica((cartella_ / "trappola").string()).altraInEsecuzione());
    EXPECT_FALSE(fs::exists(cartella_ / "altrove")) << "the lock must not follow a symbolic link";
}

TEST(IstanzaUnicaPercorso, UsesTheRuntimeFolderWhenThereIsOne) {
    const char* prima = std::getenv("XDG_RUNTIME_DIR");
    const std::string salvato = prima != nullptr ? prima : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/1234", 1);
    EXPECT_EQ(IstanzaUnica::fileBloccoPredefinito(), "/run/user/1234/scrivolta.lock");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(IstanzaUnica::fileBloccoPredefinito(),
              "/tmp/scrivolta-" + std::to_string(::getuid()) + ".lock");
    if (prima != nullptr)
        ::setenv("XDG_RUNTIME_DIR", salvato.c_str(), 1);
}
