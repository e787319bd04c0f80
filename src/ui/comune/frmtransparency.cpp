// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/frmtransparency.h"

#include "app/sagoma.h"
#include "ui/comune/gradiente.h"
#include "ui/comune/nomiaccessibili.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace scrivolta::ui {

namespace {

constexpr int kPassoScorrimento = 300 / 15; // pixels per step
constexpr int kPausaMs = 10;
constexpr AngoliGradiente kAngoli{rgb(255, 227, 212), rgb(255, 227, 212), rgb(254, 177, 137),
                                  rgb(254, 177, 137)};

// Only an X11 window can be cut to a shape the screen shows; elsewhere the
// overlay stays rectangular.
bool sagomaPossibile() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

frmTransparency::frmTransparency(ModTastiro& mod, Waiter& waiter, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      mod_(mod), waiter_(waiter) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    setObjectName(QStringLiteral("frmTransparency"));
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kPosizioneMani));
}

QPoint frmTransparency::bersaglio(const QWidget& tastiera, QPoint tastoQ) {
    return tastiera.mapToGlobal(tastoQ + QPoint(10, 0));
}

void frmTransparency::Form_Load(QPoint bersaglio) {
    const bool grande = mod_.ResizeOn;
    const sagoma::Dimensione d = sagoma::dimensione(grande);
    resize(d.larghezza, d.altezza);
    RitagliaForm(grande);
    const QScreen* schermo = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    int alto = schermo != nullptr ? schermo->geometry().bottom() + 1 : bersaglio.y();
    setWindowOpacity(1.0);
    move(bersaglio.x(), alto);
    show();
    // The slide stops on the last step at or below the target: up to one
    // step short of it, as the overlay always has.
    for (; alto >= bersaglio.y() && isVisible(); alto -= kPassoScorrimento) {
        move(bersaglio.x(), alto);
        waiter_.attendi(kPausaMs);
        waiter_.processEvents();
    }
    mod_.KeyMapShown = isVisible();
}

void frmTransparency::RitagliaForm(bool grande) {
    if (!sagomaPossibile()) {
        clearMask();
        return;
    }
    QRegion regione;
    for (const std::uint32_t voce : sagoma::tabella(grande)) {
        for (const sagoma::Rettangolo& r : sagoma::rettangoliVoce(voce))
            regione += QRect(r.x1, r.y1, r.x2 - r.x1, r.y2 - r.y1);
    }
    setMask(regione);
}

void frmTransparency::paintEvent(QPaintEvent*) {
    QPainter p(this);
    Gradiente(p, rect(), kAngoli, true);
}

void frmTransparency::Form_Unload() {
    mod_.KeyMapShown = false;
    if (mod_.ShadowOn && isVisible())
        Dissolvi();
    hide();
}

void frmTransparency::nascondi() {
    mod_.KeyMapShown = false;
    hide();
}

void frmTransparency::daRiportare() {
    mod_.KeyMapShown = true;
}

void frmTransparency::Dissolvi() {
    for (int opacita = 250; opacita >= 50 && isVisible(); opacita -= 5) {
        setWindowOpacity(opacita / 255.0);
        waiter_.attendi(kPausaMs);
        waiter_.processEvents();
    }
}

} // namespace scrivolta::ui
