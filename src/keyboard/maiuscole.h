// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

namespace scrivolta {

// The system keyboard with a Caps Lock state of its own where the window
// system cannot report it (a native Wayland desktop): the state is inferred
// from the keys that arrive, so the program can still warn about it. Where
// the system does report it, the system's state is the truth.
class MaiuscoleDedotte final : public KeyboardPlatform {
public:
    // `leggibile`: the system reports Caps Lock; `commutabile`: the system
    // can switch it.
    MaiuscoleDedotte(KeyboardPlatform& sistema, bool leggibile, bool commutabile)
        : sistema_(sistema), leggibile_(leggibile), commutabile_(commutabile) {}

    // The Caps Lock key went down.
    void tastoBloccaMaiuscole();
    // A character arrived; `shift` tells whether Shift was held. A letter in
    // the other case than Shift gives means Caps Lock is on.
    void carattere(unsigned char codice, bool shift);

    bool layoutsAvailable() const override { return sistema_.layoutsAvailable(); }
    std::string activeLayout() const override { return sistema_.activeLayout(); }
    bool activateLayout(const std::string& nome) override { return sistema_.activateLayout(nome); }
    bool capsLockOn() const override;
    void toggleCapsLock() override;
    bool capsLockSwitchable() const override { return commutabile_; }

private:
    KeyboardPlatform& sistema_;
    bool leggibile_;
    bool commutabile_;
    bool attivo_ = false;
};

} // namespace scrivolta
