// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/avvio.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <signal.h>
#include <string>
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

// Sets an environment variable (or removes it, for null) for the life of
// the object.
class Ambiente {
public:
    Ambiente(const char* nome, const char* valore) : nome_(nome) {
        const char* prima = std::getenv(nome);
        if (prima != nullptr)
            prima_ = prima;
        if (valore != nullptr)
            ::setenv(nome, valore, 1);
        else
            ::unsetenv(nome);
    }
    ~Ambiente() {
        if (prima_)
            ::setenv(nome_, prima_->c_str(), 1);
        else
            ::unsetenv(nome_);
    }
    Ambiente(const Ambiente&) = delete;
    Ambiente& operator=(const Ambiente&) = delete;

private:
    const char* nome_;
    std::optional<std::string> prima_;
};

// Without a display in the environment, as where the tests run from a
// desktop the lock's name would hold the desktop's.
TEST(IstanzaUnicaPercorso, UsesTheRuntimeFolderWhenThereIsOne) {
    const Ambiente x11("DISPLAY", nullptr);
    const Ambiente wayland("WAYLAND_DISPLAY", nullptr);
    {
        const Ambiente runtime("XDG_RUNTIME_DIR", "/run/user/1234");
        EXPECT_EQ(IstanzaUnica::fileBloccoPredefinito(), "/run/user/1234/scrivolta.lock");
    }
    const Ambiente senzaRuntime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(IstanzaUnica::fileBloccoPredefinito(),
              "/tmp/scrivolta-" + std::to_string(::getuid()) + ".lock");
}
