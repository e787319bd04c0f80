// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/layout.h"

#include <gtest/gtest.h>
#include <vector>

using namespace scrivolta;

namespace {

// A system keyboard that switches only to the layouts it knows.
class TastieraDiSistema final : public KeyboardPlatform {
public:
    bool layoutsAvailable() const override { return disponibile; }
    std::string activeLayout() const override { return attivo; }
    bool activateLayout(const std::string& nome) override {
        richieste.push_back(nome);
        if (nome == "0000080C" && !accettaBelga)
            return false;
        attivo = nome;
        return true;
    }
    bool capsLockOn() const override { return false; }
    void toggleCapsLock() override {}

    bool disponibile = true;
    bool accettaBelga = true;
    std::string attivo = "us";
    std::vector<std::string> richieste;
};

} // namespace

TEST(ControlloLayout, SwitchesToBelgianAndRestoresTheLearnersLayoutAtTheEnd) {
    TastieraDiSistema s;
    ControlloLayout c(s);
    EXPECT_TRUE(c.VerificaLayoutTastiera("0000080C", true));
    EXPECT_EQ(s.attivo, "0000080C");
    EXPECT_EQ(c.layoutPrecedente(), "us");
    c.RipristinaLayoutPrecedente();
    EXPECT_EQ(s.attivo, "us");
}

TEST(ControlloLayout, AnActiveBelgianLayoutIsNeitherLoadedNorRemembered) {
    TastieraDiSistema s;
    s.attivo = "0000080C";
    ControlloLayout c(s);
    EXPECT_TRUE(c.VerificaLayoutTastiera("0000080C", true));
    EXPECT_TRUE(s.richieste.empty());
    c.RipristinaLayoutPrecedente();
    EXPECT_TRUE(s.richieste.empty());
}

TEST(ControlloLayout, AFailedSwitchPutsThePreviousLayoutBackAndForgetsIt) {
    TastieraDiSistema s;
    s.accettaBelga = false;
    ControlloLayout c(s);
    EXPECT_FALSE(c.VerificaLayoutTastiera("0000080C", true));
    EXPECT_EQ(s.richieste, (std::vector<std::string>{"0000080C", "us"}));
    EXPECT_TRUE(c.layoutPrecedente().empty());
}

TEST(ControlloLayout, SucceedsWhereTheSystemHasNoLayoutsToRead) {
    TastieraDiSistema s;
    s.disponibile = false;
    ControlloLayout c(s);
    EXPECT_TRUE(c.VerificaLayoutTastiera("0000080C", true));
    EXPECT_TRUE(s.richieste.empty());
}
