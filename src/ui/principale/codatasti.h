// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>

namespace scrivolta::ui {

// Runs the handlers of the learner's keys one after the other. A handler
// that waits (the flash of a wrong key, the pause at the end of a phrase)
// lets window events in, and with them the next keys: those wait their turn
// here, in the order they came, instead of running inside the handler still
// at work. A fast typist can no longer pile up handlers until the stack
// gives out, and no key is lost.
class CodaTasti final {
public:
    void esegui(std::function<void()> gestore);
    // Forgets the keys still waiting (the window is closing).
    void svuota() { attesa_.clear(); }
    bool occupata() const { return occupata_; }

private:
    std::deque<std::function<void()>> attesa_;
    bool occupata_ = false;
};

} // namespace scrivolta::ui
