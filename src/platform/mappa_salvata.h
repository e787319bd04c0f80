// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

// Last: Xlib defines macros such as None, Bool and Status.
#include <X11/XKBlib.h>
#include <X11/extensions/XKM.h>

// A compiled keymap kept on disk for the next start. The X server needs
// 10-30 ms to compile one, and answers no other request meanwhile, which
// held back the first window; written back from the file, the same keymap
// takes about a millisecond.
namespace scrivolta::platform {

struct LiberaMappa {
    void operator()(XkbDescPtr mappa) const { XkbFreeKeyboard(mappa, XkbAllComponentsMask, True); }
};
using MappaXkb = std::unique_ptr<XkbDescRec, LiberaMappa>;

// What a keymap written to the server or kept holds: everything but the
// geometry, which only draws the keyboard.
inline constexpr unsigned kComponentiMappa = XkmKeymapLegal & ~XkmGeometryMask;

// Everything a compiled keymap depends on: `configurazione` (the settings
// the rules turn into components), the server that compiled it, and the
// size and time of the rules file, which change when the system's keyboard
// data is updated.
std::string chiaveMappa(Display* dpy, const std::string& configurazione,
                        const std::string& fileRegole);

// The keymap kept in `file` for `chiave`, ready to be written to `dpy`;
// nothing when there is none, or it was kept for another key, or it is
// damaged or incomplete.
MappaXkb leggiMappa(Display* dpy, const std::string& file, const std::string& chiave);

// Keeps `mappa` in `file` for `chiave`, replacing what was there at once or
// not at all. A failure only means that the next start compiles again. The
// actions the server derived are taken out of `mappa` too: written to the
// server, it derives them again, as from a kept keymap.
void salvaMappa(const std::string& file, const std::string& chiave, XkbDescPtr mappa);

} // namespace scrivolta::platform
