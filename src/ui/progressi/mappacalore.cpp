// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progressi/mappacalore.h"

#include "ui/comune/conversioni.h"
#include "ui/tastiera/widgettastiera.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace scrivolta::ui {

namespace {

// A key wrong this often is as bad as the scale shows.
constexpr double kTassoPieno = 0.25;
constexpr Colore kVerde = rgb(150, 220, 150);
constexpr Colore kGiallo = rgb(250, 225, 110);
constexpr Colore kRosso = rgb(235, 85, 70);

int misto(int a, int b, double t) {
    return static_cast<int>(std::lround(a + (b - a) * t));
}

Colore tra(Colore a, Colore b, double t) {
    return rgb(misto(rosso(a), rosso(b), t), misto(verde(a), verde(b), t),
               misto(blu(a), blu(b), t));
}

} // namespace

MappaCalore::MappaCalore(QWidget* parent) : QWidget(parent) {
    const Rettangolo area = areaTastiera(tastiera_.scalata());
    setFixedSize(area.width, area.height);
    tastiera_.RipristinaTastiera();
    for (int i = 0; i < kNumeroTasti; ++i)
        tastiera_.coloraTasto(i, kGrigioTasti);
}

Colore MappaCalore::coloreTasso(double tasso) {
    const double t = std::clamp(tasso / kTassoPieno, 0.0, 1.0);
    return t < 0.5 ? tra(kVerde, kGiallo, t * 2) : tra(kGiallo, kRosso, (t - 0.5) * 2);
}

void MappaCalore::mostra(const Tassi& tassi) {
    tassi_ = tassi;
    for (std::size_t i = 0; i < tassi.size(); ++i)
        tastiera_.coloraTasto(static_cast<int>(i),
                              tassi[i] ? coloreTasso(*tassi[i]) : kGrigioTasti);
    update();
}

void MappaCalore::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    for (int i = 0; i < kNumeroTasti; ++i)
        dipingiTasto(p, tastiera_, i, font_);
    dipingiMaschereInvio(p, tastiera_);
}

int MappaCalore::tastoSotto(const QPoint& punto) const {
    for (int i = 0; i < kNumeroTasti; ++i) {
        const Rettangolo r = rettangoloPixel(i);
        if (QRect(r.left, r.top, r.width, r.height).contains(punto))
            return i;
    }
    return -1;
}

// Hovering a key tells its rate in figures.
bool MappaCalore::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    auto* aiuto = static_cast<QHelpEvent*>(e);
    const int tasto = tastoSotto(aiuto->pos());
    const auto i = static_cast<std::size_t>(tasto);
    if (tasto < 0 || !tassi_[i]) {
        QToolTip::hideText();
        return true;
    }
    const QString nome =
        testoTasto(tasto, tastiera_.stato(tasto)).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QToolTip::showText(
        aiuto->globalPos(),
        QStringLiteral("%1: %2 %").arg(nome.simplified()).arg(std::lround(*tassi_[i] * 100)), this);
    return true;
}

} // namespace scrivolta::ui
