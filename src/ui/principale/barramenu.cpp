// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/conversioni.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/comune/sfondo.h"
#include "ui/principale/barre.h"
#include "ui/principale/scorciatoie.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>

namespace scrivolta::ui {

namespace {

constexpr int kSalta = static_cast<int>(VoceMenu::Salta);
// Sound, key map and highlight, in this order, show whether they are on.
constexpr int kPrimaConStato = static_cast<int>(VoceMenu::Suoni);

// Symbols of the menu: close, start again, information, sound, key map,
// highlight, background colour, pass a character.
const std::array<QString, BarraMenu::kVoci> kSimboli = {
    QStringLiteral("\u2716"), QStringLiteral("\u21BA"), QStringLiteral("?"),
    QStringLiteral("\u266B"), QStringLiteral("\u2328"), QStringLiteral("\u25A3"),
    QStringLiteral("\u25D0"), QStringLiteral("\u21E5"),
};
constexpr int kLatoVoce = 34;
constexpr int kPassoVoce = 42;
// The hover frame's pen, which the screen beneath it masks.
constexpr QColor kPennaCornice(0, 90, 200);

} // namespace

BarraMenu::BarraMenu(QWidget* parent)
    : QWidget(parent), fontSimboli_(QStringLiteral("DejaVu Sans")),
      fontOrologio_(QStringLiteral("Courier New"), 14, QFont::Bold) {
    fontSimboli_.setPixelSize(20);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kMenu));
    rinnovaAccessibile(this);
}

// The clock ticks every second of an exercise: alone, it repaints only
// itself.
void BarraMenu::mostra(const StatoVista& stato, const std::array<bool, 3>& attive) {
    const bool voci = stato.voceSalto != stato_.voceSalto ||
                      stato.menuAttivo != stato_.menuAttivo ||
                      stato.menuInformazioni != stato_.menuInformazioni ||
                      stato.menuMappa != stato_.menuMappa || attive != attive_;
    const bool ora = stato.ora != stato_.ora || stato.oraOpaca != stato_.oraOpaca;
    stato_ = stato;
    attive_ = attive;
    if (voci)
        update();
    else if (ora)
        update(scala_.suSchermo(rettangoloOrologio()));
}

QRect BarraMenu::rettangoloVoce(int indice) const {
    const int alto = (scala_.progetto().height() - kLatoVoce) / 2;
    return QRect(10 + indice * kPassoVoce, alto, kLatoVoce, kLatoVoce);
}

QRect BarraMenu::rettangoloOrologio() const {
    const QSize s = scala_.progetto();
    return {s.width() - 90, (s.height() - 26) / 2, 80, 26};
}

bool BarraMenu::abilitata(int indice) const {
    if (!stato_.menuAttivo)
        return false;
    switch (static_cast<VoceMenu>(indice)) {
    case VoceMenu::Informazioni:
        return stato_.menuInformazioni;
    case VoceMenu::MappaColori:
        return stato_.menuMappa;
    case VoceMenu::Salta:
        return stato_.voceSalto;
    default:
        return true;
    }
}

int BarraMenu::voceSotto(const QPoint& punto) const {
    for (int i = 0; i < kVoci; ++i) {
        if (rettangoloVoce(i).contains(punto) && (i != kSalta || stato_.voceSalto))
            return i;
    }
    return -1;
}

void BarraMenu::resizeEvent(QResizeEvent*) {
    scala_.adatta(size());
    pronte_ = {};
}

// A second of the clock repaints only its box, from a picture of what lies
// under the time: stroking the box's rounded outline again every second
// costs more than the rest of the repaint.
void BarraMenu::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect orologio = scala_.suSchermo(rettangoloOrologio());
    if (orologio.contains(event->region().boundingRect()))
        pronte_.disegna(p, orologio, stato_.oraOpaca, [&](QPainter& q, const QRect&) {
            q.translate(-orologio.topLeft());
            dipingiFondo(q, QRegion(rettangoloOrologio()));
        });
    else
        dipingiFondo(p, scala_.inProgetto(event->region()));
    p.setTransform(scala_.trasformazione());
    p.setPen(Qt::black);
    p.setFont(fontOrologio_);
    testi_.disegnaLettere(p, rettangoloOrologio(), Qt::AlignCenter,
                          QString::fromStdString(stato_.ora));
}

// Everything but the time; `zona` in the design's coordinates.
void BarraMenu::dipingiFondo(QPainter& p, const QRegion& zona) {
    p.save();
    p.setTransform(scala_.trasformazione(), true);
    p.setRenderHint(QPainter::Antialiasing, false);
    DisegnaBarraTitolo(p, scala_.rettangoloProgetto());
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(fontSimboli_);
    for (int i = 0; i < kVoci; ++i) {
        if ((i == kSalta && !stato_.voceSalto) ||
            !zona.intersects(rettangoloVoce(i).adjusted(-2, -2, 2, 2)))
            continue;
        dipingiVoce(p, i);
    }
    if (sopra_ >= 0 && abilitata(sopra_))
        dipingiCornice(p);
    if (stato_.oraOpaca) {
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawRoundedRect(rettangoloOrologio(), 5, 5);
    }
    p.restore();
}

void BarraMenu::dipingiVoce(QPainter& p, int i) const {
    const QRect r = rettangoloVoce(i);
    const bool haStato = i >= kPrimaConStato && i < kPrimaConStato + 3;
    const bool acceso = haStato && attive_[static_cast<std::size_t>(i - kPrimaConStato)];
    p.setPen(QPen(acceso ? QColor(0, 140, 60) : QColor(150, 150, 150), acceso ? 2 : 1));
    p.setBrush(i == kSalta ? QColor(255, 240, 150)
                           : (acceso ? QColor(220, 255, 220) : QColor(245, 245, 245)));
    p.drawRoundedRect(r, 6, 6);
    p.setPen(abilitata(i) ? QColor(30, 30, 30) : QColor(170, 170, 170));
    p.drawText(r, Qt::AlignCenter, kSimboli[static_cast<std::size_t>(i)]);
    if (haStato && !acceso) {
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(r.topRight() + QPoint(-6, 6), r.bottomLeft() + QPoint(6, -6));
    }
}

// The hover frame is drawn from the screen beneath it: the inverse of pen
// and screen together while the pointer rests, the plain inverse of the
// screen while the button is down, so that the entry looks pressed.
void BarraMenu::dipingiCornice(QPainter& p) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(premuto_ ? QPainter::RasterOp_NotDestination
                                  : QPainter::RasterOp_NotSourceOrNotDestination);
    p.setPen(QPen(kPennaCornice, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rettangoloVoce(sopra_).adjusted(-3, -3, 3, 3));
    p.restore();
}

void BarraMenu::mouseMoveEvent(QMouseEvent* event) {
    const int voce = voceSotto(scala_.inProgetto(event->position().toPoint()));
    if (voce != sopra_) {
        sopra_ = voce;
        update();
    }
}

void BarraMenu::mousePressEvent(QMouseEvent* event) {
    premuto_ = event->button() == Qt::LeftButton;
    update();
}

void BarraMenu::mouseReleaseEvent(QMouseEvent* event) {
    premuto_ = false;
    const int voce = voceSotto(scala_.inProgetto(event->position().toPoint()));
    sopra_ = -1;
    update();
    if (event->button() == Qt::LeftButton)
        scegli(voce);
}

void BarraMenu::scegli(int voce) {
    if (voce >= 0 && abilitata(voce) && click_)
        click_(static_cast<VoceMenu>(voce));
}

void BarraMenu::collegaTasti() {
    for (int i = 0; i < kVoci; ++i) {
        for (const QKeySequence& tasto : tastiCifra(kCifraPrimaVoce + i, Qt::ControlModifier)) {
            auto* scorciatoia = new QShortcut(tasto, this);
            connect(scorciatoia, &QShortcut::activated, this, [this, i] { scegli(i); });
        }
    }
}

void BarraMenu::leaveEvent(QEvent*) {
    sopra_ = -1;
    update();
}

bool BarraMenu::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* aiuto = static_cast<QHelpEvent*>(event);
    const int voce = voceSotto(scala_.inProgetto(aiuto->pos()));
    if (voce >= 0 && !tooltip_[static_cast<std::size_t>(voce)].isEmpty())
        QToolTip::showText(aiuto->globalPos(), tooltip_[static_cast<std::size_t>(voce)], this);
    else
        QToolTip::hideText();
    return true;
}

std::vector<ParteAccessibile> BarraMenu::partiAccessibili() const {
    std::vector<ParteAccessibile> parti;
    for (int i = 0; i < kVoci; ++i) {
        const QString tasto = tastiCifra(kCifraPrimaVoce + i, Qt::ControlModifier)
                                  .front()
                                  .toString(QKeySequence::NativeText);
        const QString& tooltip = tooltip_[static_cast<std::size_t>(i)];
        const QString nome =
            i == kSalta && tooltip.isEmpty() ? nomeAccessibileDi(nomeAccessibile::kSalta) : tooltip;
        ParteAccessibile p{QStringLiteral("%1 (%2)").arg(nome, tasto),
                           QString(),
                           rettangoloVoce(i),
                           QAccessible::Button,
                           abilitata(i),
                           i != kSalta || stato_.voceSalto};
        p.premibile = true;
        if (i >= kPrimaConStato && i < kPrimaConStato + 3) {
            p.ruolo = QAccessible::CheckBox;
            p.acceso = attive_[static_cast<std::size_t>(i - kPrimaConStato)];
        }
        parti.push_back(p);
    }
    parti.push_back({nomeAccessibileDi(nomeAccessibile::kOrologio),
                     QString::fromStdString(stato_.ora), scala_.suSchermo(rettangoloOrologio())});
    return parti;
}

} // namespace scrivolta::ui
