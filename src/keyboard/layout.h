// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <string>
#include <string_view>

namespace scrivolta {

// The Belgian-French layout's name.
inline constexpr std::string_view kLayoutBelga = "0000080C";

// Makes the system's keyboard layout the one the program teaches, and puts
// the learner's own layout back when the program ends.
class ControlloLayout {
public:
    explicit ControlloLayout(KeyboardPlatform& piattaforma) : piattaforma_(piattaforma) {}

    // `VerificaLayoutTastiera`: true when `nome` is active, after trying to
    // activate it; with `ricorda` the layout it replaces is remembered.
    bool VerificaLayoutTastiera(const std::string& nome, bool ricorda);
    // Activates the remembered layout again, if the program replaced one.
    void RipristinaLayoutPrecedente();
    const std::string& layoutPrecedente() const { return layoutPrecedente_; }

private:
    KeyboardPlatform& piattaforma_;
    std::string layoutPrecedente_;
};

} // namespace scrivolta
