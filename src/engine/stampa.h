// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace scrivolta {

// What printing the keyboard needs from the main window besides its
// drawing: the key overlay and the printer.
class VistaStampa {
public:
    virtual ~VistaStampa() = default;
    // The key overlay `frmTransparency`, taken away while the learner
    // decides and brought back afterwards.
    virtual void mostraMappaTasti(bool visibile) = 0;
    // Sends the keyboard as it is drawn now, without the symbol of the menu
    // key, to the printer on one page; false when nothing could be printed.
    virtual bool stampaTastiera() = 0;
};

} // namespace scrivolta
