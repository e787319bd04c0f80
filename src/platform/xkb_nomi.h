// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// How the program names an X keyboard layout. The Belgian-French layout the
// program teaches is "0000080C", the name the rest of the program compares
// with; any other configuration is named by a description that holds every
// XKB setting, so that switching back to it restores the learner's keyboard
// exactly.
namespace scrivolta::platform {

inline constexpr const char* kLayoutBelga = "0000080C";

// The XKB settings of a keyboard, as the _XKB_RULES_NAMES property keeps
// them, and the active group (which of the comma-separated layouts is in use).
struct ConfigurazioneXkb {
    std::string rules;
    std::string model;
    std::string layout;
    std::string variant;
    std::string options;
    int group = 0;

    bool operator==(const ConfigurazioneXkb&) const = default;
};

// The items of a comma-separated XKB list; "" gives one empty item.
std::vector<std::string> elementiXkb(const std::string& lista);

// Only the plain Belgian layout counts: its variants move or drop keys the
// lessons rely on (dead keys, the Alt Gr signs), so a learner who uses one is
// switched to the plain layout for the session and given theirs back after.
bool eLayoutBelga(const std::string& layout, const std::string& variant);

// The group of `c` holding the plain Belgian layout, if any.
std::optional<int> gruppoBelga(const ConfigurazioneXkb& c);

// "0000080C" when the active group is the plain Belgian layout, otherwise
// "rules|model|layout|variant|options|group".
std::string nomeLayout(const ConfigurazioneXkb& c);

// The configuration a description names; nothing for "0000080C" or a text
// that is not a description.
std::optional<ConfigurazioneXkb> leggiDescrizione(const std::string& nome);

// The Belgian layout loaded in place of `attuale`, keeping its rules, model
// and options, as `setxkbmap be` does.
ConfigurazioneXkb configurazioneBelga(const ConfigurazioneXkb& attuale);

} // namespace scrivolta::platform
