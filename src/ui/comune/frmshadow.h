// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"

#include <QWidget>
#include <functional>

namespace scrivolta::ui {

// `frmShadow`: a black, half-transparent window over the whole screen that
// dims the program while one of the exercise's dialogs is open, then fades
// away. Used only where windows can be translucent (`ShadowOn`).
class frmShadow final : public QWidget {
public:
    explicit frmShadow(Waiter& waiter, QWidget* parent = nullptr);

    // `Traspa`: the window's opacity as a percentage, 50 giving 128 of 255.
    void Traspa(int percento);
    static int opacitaDaPercento(int percento);

    // Dims the screen, runs `dialogo` (which opens the dialog modally, owned
    // by this window), then fades out.
    void Form_Load(const std::function<void(QWidget* proprietario)>& dialogo);

private:
    void Dissolvi();

    Waiter& waiter_;
};

} // namespace scrivolta::ui
