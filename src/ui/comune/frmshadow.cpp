// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/frmshadow.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <cmath>

namespace scrivolta::ui {

namespace {

constexpr int kPausaMs = 10;
constexpr int kAttesaOmbraMs = 200;

} // namespace

frmShadow::frmShadow(Waiter& waiter, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      waiter_(waiter) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette nero = palette();
    nero.setColor(QPalette::Window, Qt::black);
    setPalette(nero);
    setAccessibleName(QStringLiteral("frmShadow"));
}

int frmShadow::opacitaDaPercento(int percento) {
    return static_cast<int>(std::nearbyint(percento * 255.0 / 100.0));
}

void frmShadow::Traspa(int percento) {
    setWindowOpacity(opacitaDaPercento(percento) / 255.0);
}

void frmShadow::Form_Load(const std::function<void(QWidget*)>& dialogo) {
    if (const QScreen* s =
            parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        setGeometry(s->geometry());
    Traspa(50);
    show();
    waiter_.processEvents();
    waiter_.attendi(kAttesaOmbraMs);
    waiter_.processEvents();
    dialogo(this);
    Dissolvi();
    hide();
}

void frmShadow::Dissolvi() {
    for (int opacita = 160; opacita >= 0; opacita -= 5) {
        setWindowOpacity(opacita / 255.0);
        waiter_.attendi(kPausaMs);
        waiter_.processEvents();
    }
}

} // namespace scrivolta::ui
