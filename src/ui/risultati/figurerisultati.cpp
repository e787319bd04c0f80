// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/risultati/figurerisultati.h"

#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace scrivolta::ui {

namespace {

constexpr int kLatoSimbolo = 64;
constexpr std::array<QRgb, 5> kColoriFasce{qRgb(220, 40, 40), qRgb(240, 130, 30),
                                           qRgb(235, 200, 20), qRgb(130, 200, 40),
                                           qRgb(30, 160, 60)};
constexpr std::array<Colore, 3> kColoriLivelli{rgb(192, 255, 192), rgb(255, 255, 128),
                                               rgb(255, 128, 128)};

QImage vuota(int larghezza, int altezza) {
    QImage img(larghezza, altezza, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A face whose mouth bends from a frown (band 0) to a broad smile (band 4).
void faccia(QPainter& p, int fascia) {
    const QColor colore = QColor::fromRgb(kColoriFasce[static_cast<std::size_t>(fascia)]);
    p.setPen(QPen(colore.darker(150), 3));
    p.setBrush(colore);
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(21, 22, 5, 7));
    p.drawEllipse(QRectF(38, 22, 5, 7));
    const double curva = (fascia - 2) * 8.0;
    QPainterPath bocca(QPointF(18, 42 - curva / 2));
    bocca.quadTo(QPointF(32, 42 + curva), QPointF(46, 42 - curva / 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bocca);
}

QPolygonF stella(QPointF centro, double raggio) {
    QPolygonF punti;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? raggio : raggio * 0.45;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        punti << centro + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return punti;
}

// One to five stars on a medal of the band's colour.
void medaglia(QPainter& p, int fascia) {
    const QColor colore = QColor::fromRgb(kColoriFasce[static_cast<std::size_t>(fascia)]);
    p.setPen(QPen(colore.darker(150), 3));
    p.setBrush(colore.lighter(150));
    p.drawEllipse(QRectF(4, 4, 56, 56));
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(255, 215, 0));
    const int stelle = fascia + 1;
    for (int i = 0; i < stelle; ++i) {
        const double a = 2 * std::numbers::pi * i / stelle - std::numbers::pi / 2;
        const double d = stelle == 1 ? 0.0 : 15.0;
        p.drawPolygon(stella(QPointF(32 + d * std::cos(a), 32 + d * std::sin(a)), 9));
    }
}

} // namespace

QImage simboloRisultato(int fascia, bool esperto) {
    QImage img = vuota(kLatoSimbolo, kLatoSimbolo);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int f = std::clamp(fascia, 0, 4);
    if (esperto)
        medaglia(p, f);
    else
        faccia(p, f);
    return img;
}

QImage barraLivello(int livello) {
    QImage img(256, 20, QImage::Format_RGB32);
    QPainter p(&img);
    const Colore c = kColoriLivelli[static_cast<std::size_t>(std::clamp(livello, 0, 2))];
    constexpr Colore kBianco = rgb(255, 255, 255);
    Gradiente(p, img.rect(), {c, kBianco, c, kBianco}, true);
    return img;
}

QImage tastierina() {
    QImage img = vuota(64, 64);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 210, 225));
    p.drawRoundedRect(QRectF(2, 16, 60, 34), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int riga = 0; riga < 3; ++riga) {
        for (int tasto = 0; tasto < 7; ++tasto)
            p.drawRect(QRectF(7 + tasto * 7.5 + riga * 1.5, 20 + riga * 8, 6, 6));
    }
    p.drawRect(QRectF(18, 43, 28, 4));
    return img;
}

QImage bannerNote() {
    QImage img(48, 22, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sfumatura(0, 0, 0, img.height());
    sfumatura.setColorAt(0, QColor(120, 160, 210));
    sfumatura.setColorAt(1, QColor(200, 220, 245));
    p.fillRect(img.rect(), sfumatura);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QRectF(8, 11, 7, 5));
    p.drawRect(QRectF(13.5, 3, 1.5, 11));
    p.drawEllipse(QRectF(30, 8, 7, 5));
    p.drawRect(QRectF(35.5, 0, 1.5, 11));
    return img;
}

QImage figuraStampa(Figura figura, int fascia, bool esperto) {
    return figura == Figura::Tastiera ? tastierina() : simboloRisultato(fascia, esperto);
}

void DisegnaSfondo(QPainter& painter, const QRect& superficie, const QImage& banner) {
    const int w = superficie.width();
    const int h = superficie.height();
    constexpr Colore kBianco = rgb(255, 255, 255);
    Gradiente(painter, QRect(0, 0, w, std::max(0, h - 250)),
              {rgb(244, 244, 244), kBianco, kBianco, kBianco}, true);
    if (!banner.isNull()) {
        for (int k = 0; k <= w / banner.width(); ++k)
            painter.drawImage(k * banner.width(), 0, banner);
    }
    constexpr int kPasso = 26;
    const int inizio = banner.height() + 5;
    painter.setPen(qColore(rgb(218, 218, 218)));
    for (int k = 0; k <= h / kPasso; ++k)
        painter.drawLine(0, inizio + kPasso * k, w, inizio + kPasso * k);
    for (int k = 0; k <= w / kPasso; ++k)
        painter.drawLine(kPasso * k, inizio, kPasso * k, h);
}

} // namespace scrivolta::ui
