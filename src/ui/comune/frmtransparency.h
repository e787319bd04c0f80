// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/modtastiro.h"
#include "app/servizi.h"

#include <QWidget>

namespace scrivolta::ui {

// `frmTransparency`: the key overlay, a borderless window cut to the shape
// of two hands that slides up from the bottom of the screen onto the home
// row of the on-screen keyboard and fades out when it goes. It takes no
// input: clicks and keys reach the windows below.
class frmTransparency final : public QWidget {
public:
    frmTransparency(ModTastiro& mod, Waiter& waiter, QWidget* parent = nullptr);

    // Shows the overlay with its top left corner at `bersaglio` (screen
    // pixels), sliding in from the bottom of the screen.
    void Form_Load(QPoint bersaglio);
    // Fades the overlay out (only where windows can be translucent) and
    // hides it.
    void Form_Unload();
    // Hides it at once, keeping it ready to show again.
    void nascondi();
    // Counts a hidden overlay as shown again, for whoever gives the keyboard
    // back next (the keyboard's printing) to bring it onto the screen.
    void daRiportare();

    // Where the overlay sits for the keyboard `tastiera` whose key 10 (Q)
    // is at `tastoQ`: 10 pixels right of the key's left edge, at its top.
    static QPoint bersaglio(const QWidget& tastiera, QPoint tastoQ);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RitagliaForm(bool grande);
    void Dissolvi();

    ModTastiro& mod_;
    Waiter& waiter_;
};

} // namespace scrivolta::ui
