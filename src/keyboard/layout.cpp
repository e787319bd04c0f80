// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/layout.h"

namespace scrivolta {

bool ControlloLayout::VerificaLayoutTastiera(const std::string& nome, bool ricorda) {
    // Where the window system has no layouts to read, there is nothing the
    // program could correct: the check succeeds.
    if (!piattaforma_.layoutsAvailable())
        return true;
    const std::string attivo = piattaforma_.activeLayout();
    if (attivo == nome)
        return true;
    if (ricorda)
        layoutPrecedente_ = attivo;
    piattaforma_.activateLayout(nome);
    if (piattaforma_.activeLayout() == nome)
        return true;
    if (!layoutPrecedente_.empty())
        piattaforma_.activateLayout(layoutPrecedente_);
    layoutPrecedente_.clear();
    return false;
}

void ControlloLayout::RipristinaLayoutPrecedente() {
    if (layoutPrecedente_.empty())
        return;
    const std::string precedente = layoutPrecedente_;
    VerificaLayoutTastiera(precedente, false);
}

} // namespace scrivolta
