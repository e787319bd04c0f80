// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/lingua.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace scrivolta::prova {

inline constexpr std::array<const char*, 2> kLingueSpedite{"French", "English"};

// The language file the program ships for `lingua`.
inline FileLingua linguaSpedita(const char* lingua) {
    return FileLingua(std::string(SCRIVOLTA_SOURCE_DATA) + "/Lang/" + lingua + ".lng");
}

// Every id of a text table is there once, and every shipped language gives
// it a text: a learner must not meet the built-in Italian by accident.
template <typename Id> void idInOgniLinguaSpedita(const Id& ids) {
    EXPECT_EQ(std::set<std::string_view>(ids.begin(), ids.end()).size(), ids.size());
    for (const char* lingua : kLingueSpedite) {
        const FileLingua file = linguaSpedita(lingua);
        ASSERT_TRUE(file.caricato()) << lingua;
        for (const auto id : ids)
            EXPECT_FALSE(file.TestoLingua(id).empty()) << lingua << " " << id;
    }
}

} // namespace scrivolta::prova
