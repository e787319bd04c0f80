// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key and character codes the exercise and the game both receive from
// the windows: Windows-1252 characters, and the virtual codes of the keys
// that type none.
namespace scrivolta {

namespace codiceTasto {
inline constexpr int Backspace = 8;
inline constexpr int Invio = 13;
inline constexpr int Esc = 27;
// A typed character with no Windows-1252 code, such as an emoji from an
// input method: it matches nothing, so it is always a wrong key.
inline constexpr int SenzaCodice = 0x100;

inline constexpr int VkPausa = 19;
inline constexpr int VkBloccaMaiuscole = 20;
inline constexpr int VkEsc = 27;
inline constexpr int VkSinistra = 37;
inline constexpr int VkGiu = 40;
inline constexpr int VkF1 = 112;
inline constexpr int VkF4 = 115;
} // namespace codiceTasto

} // namespace scrivolta
