// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct _XDisplay;

namespace scrivolta::platform {

// The X display the windows are on, or null when the program does not run on
// X11 (offscreen, Wayland): Qt reports a native X11 interface under
// offscreen too, so the platform name is what tells. Needs the application
// object.
_XDisplay* displayX11();

} // namespace scrivolta::platform
