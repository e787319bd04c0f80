// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/codatasti.h"

namespace scrivolta::ui {

void CodaTasti::esegui(std::function<void()> gestore) {
    attesa_.push_back(std::move(gestore));
    if (occupata_)
        return;
    occupata_ = true;
    while (!attesa_.empty()) {
        const auto prossimo = std::move(attesa_.front());
        attesa_.pop_front();
        prossimo();
    }
    occupata_ = false;
}

} // namespace scrivolta::ui
