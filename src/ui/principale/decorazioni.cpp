// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/decorazioni.h"

#include "keyboard/tasti.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace scrivolta::ui {

namespace {
constexpr qreal kRaggio = 10;
} // namespace

Pannello::Pannello(QColor alto, QColor basso, std::function<QColor(QPoint)> coloreEsterno,
                   QWidget* parent)
    : QWidget(parent), alto_(alto), basso_(basso), coloreEsterno_(std::move(coloreEsterno)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    rinnovaAccessibile(this);
}

void Pannello::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, alto_);
    g.setColorAt(1, basso_);
    const QRegion zona = event->region();
    for (const QRect& r : zona)
        p.fillRect(r, g);
    // Keystrokes repaint small places inside the panel: the outline and its
    // corners are stroked only when a repaint reaches them.
    // The rounded corners reach about 3 pixels in along the diagonal.
    const QRegion cornice = QRegion(rect()).subtracted(QRegion(rect().adjusted(4, 4, -4, -4)));
    if (!zona.intersects(cornice))
        return;
    dipingiAngoli(p, zona);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kRaggio, kRaggio);
}

// Each corner outside the rounded outline takes the colour around the panel.
void Pannello::dipingiAngoli(QPainter& p, const QRegion& zona) const {
    QPainterPath fuori;
    fuori.addRect(QRectF(rect()));
    QPainterPath dentro;
    dentro.addRoundedRect(QRectF(rect()), kRaggio, kRaggio);
    const QPainterPath angoli = fuori.subtracted(dentro);
    const int lato = static_cast<int>(kRaggio) + 1;
    const QPoint origine = mapTo(window(), QPoint(0, 0));
    for (const QPoint& a :
         {rect().topLeft(), rect().topRight(), rect().bottomLeft(), rect().bottomRight()}) {
        const QRect quadrato(a.x() < width() / 2 ? 0 : width() - lato,
                             a.y() < height() / 2 ? 0 : height() - lato, lato, lato);
        if (!zona.intersects(quadrato))
            continue;
        p.save();
        p.setClipRect(quadrato);
        p.fillPath(angoli, coloreEsterno_(origine + a));
        p.restore();
    }
}

StrisciaDita::StrisciaDita(QWidget* parent) : QWidget(parent) {
    resize(dimensione());
}

namespace {

struct VoceStriscia {
    Dito dito;
    int numero;
};

constexpr std::array<VoceStriscia, 10> kVoci = {{
    {Dito::MignoloSinistro, 5},
    {Dito::AnulareSinistro, 4},
    {Dito::MedioSinistro, 3},
    {Dito::IndiceSinistro, 2},
    {Dito::Pollici, 1},
    {Dito::Pollici, 1},
    {Dito::IndiceDestro, 2},
    {Dito::MedioDestro, 3},
    {Dito::AnulareDestro, 4},
    {Dito::MignoloDestro, 5},
}};

} // namespace

void StrisciaDita::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(250, 250, 250, 230));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    const int passo = width() / static_cast<int>(kVoci.size());
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    for (std::size_t i = 0; i < kVoci.size(); ++i) {
        const Colore c = coloreDito(kVoci[i].dito);
        const QRect r(static_cast<int>(i) * passo + 8, 8, passo - 16, height() - 16);
        p.setPen(QColor(90, 90, 90));
        p.setBrush(QColor(rosso(c), verde(c), blu(c)));
        p.drawRoundedRect(r, 12, 12);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QString::number(kVoci[i].numero));
    }
}

void StrisciaDita::mouseDoubleClickEvent(QMouseEvent*) {
    if (doppioClick_)
        doppioClick_();
}

} // namespace scrivolta::ui
