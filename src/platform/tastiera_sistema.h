// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <memory>
#include <string>

namespace scrivolta::platform {

// The system keyboard for the window system the program runs on: its X11
// keyboard (XKB layouts and the Caps Lock modifier) under X11; elsewhere a
// keyboard without layouts whose Caps Lock always reads off, so that the
// program keeps only its warnings. Needs the application object. Under X11
// it starts preparing the Belgian keymap at once, in the background, so
// that the switch to it is quick: read from `fileMappaBelga`, where the
// last start kept it, or else compiled and kept there ("" keeps none).
std::unique_ptr<KeyboardPlatform> creaTastieraSistema(const std::string& fileMappaBelga);

} // namespace scrivolta::platform
