// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xkb_nomi.h"

#include <gtest/gtest.h>

using namespace scrivolta::platform;

namespace {

ConfigurazioneXkb conf(std::string layout, std::string variant, int group,
                       std::string options = "") {
    return {"evdev", "pc105", std::move(layout), std::move(variant), std::move(options), group};
}

} // namespace

TEST(NomeLayout, PlainBelgianInTheActiveGroupIsTheEightDigitName) {
    EXPECT_EQ(nomeLayout(conf("be", "", 0)), "0000080C");
    EXPECT_EQ(nomeLayout(conf("be", "basic", 0)), "0000080C");
    EXPECT_EQ(nomeLayout(conf("us,be", ",", 1)), "0000080C");
    EXPECT_EQ(nomeLayout(conf("us,be", "intl", 1)), "0000080C");
}

TEST(NomeLayout, BelgianVariantsAndInactiveGroupsAreDescribed) {
    EXPECT_EQ(nomeLayout(conf("be", "oss", 0)), "evdev|pc105|be|oss||0");
    EXPECT_EQ(nomeLayout(conf("us,be", "", 0, "grp:alt_shift_toggle")),
              "evdev|pc105|us,be||grp:alt_shift_toggle|0");
    EXPECT_EQ(nomeLayout(conf("fr", "", 0)), "evdev|pc105|fr|||0");
}

TEST(NomeLayout, GroupBeyondTheListIsNotBelgian) {
    EXPECT_NE(nomeLayout(conf("be", "", 2)), "0000080C");
}

TEST(LeggiDescrizione, GivesBackWhatWasDescribed) {
    for (const auto& c :
         {conf("us", "", 0),
          conf("us,be,de", "intl,,nodeadkeys", 2, "grp:win_space_toggle,ctrl:nocaps"),
          conf("be", "oss", 0)}) {
        const auto letta = leggiDescrizione(nomeLayout(c));
        ASSERT_TRUE(letta.has_value()) << nomeLayout(c);
        EXPECT_EQ(*letta, c);
    }
}

TEST(LeggiDescrizione, RefusesWhatIsNotADescription) {
    for (const std::string nome :
         {"0000080C", "", "us", "evdev|pc105|us||", "evdev|pc105|us|||0|7", "evdev|pc105|us|||x",
          "evdev|pc105|us|||4", "evdev|pc105|us|||-1", "evdev|pc105||||0", "evdev|pc105|us|||1 "})
        EXPECT_FALSE(leggiDescrizione(nome).has_value()) << nome;
}

TEST(GruppoBelga, FindsThePlainLayoutAmongSeveral) {
    EXPECT_EQ(gruppoBelga(conf("us,be", "", 0)), 1);
    EXPECT_EQ(gruppoBelga(conf("be,be", "oss,", 0)), 1);
    EXPECT_EQ(gruppoBelga(conf("be(oss),fr", "", 0)), std::nullopt);
    EXPECT_EQ(gruppoBelga(conf("us,de,fr,gb,be", "", 0)), std::nullopt) << "XKB has four groups";
}

TEST(ConfigurazioneBelga, KeepsRulesModelAndOptions) {
    const auto b = configurazioneBelga(conf("us,de", "intl,", 1, "ctrl:nocaps"));
    EXPECT_EQ(b, (ConfigurazioneXkb{"evdev", "pc105", "be", "", "ctrl:nocaps", 0}));
    EXPECT_EQ(nomeLayout(b), "0000080C");
}
