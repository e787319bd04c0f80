#include "ui/decorazioni.h"

#include "keyboard/tasti.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <array>

namespace scrivolta::ui {

Pannello::Pannello(QColor alto, QColor basso, QWidget* parent)
    : QWidget(parent), alto_(alto), basso_(basso) {}

void Pannello::paintEvent(QPaintEvent* event) {
    if (dipinto_.size() != size()) {
        dipinto_ = QPixmap(size());
        dipinto_.fill(Qt::transparent);
        QPainter p(&dipinto_);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, alto_);
        g.setColorAt(1, basso_);
        p.setPen(QPen(QColor(255, 255, 255, 180), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    }
    QPainter p(this);
    p.drawPixmap(event->rect(), dipinto_, event->rect());
}

StrisciaDita::StrisciaDita(QWidget* parent) : QWidget(parent) { setFixedSize(dimensione()); }

namespace {

struct VoceStriscia {
    Dito dito;
    int numero;
};

constexpr std::array<VoceStriscia, 10> kVoci = {{
    {Dito::MignoloSinistro, 5}, {Dito::AnulareSinistro, 4}, {Dito::MedioSinistro, 3},
    {Dito::IndiceSinistro, 2},  {Dito::Pollici, 1},         {Dito::Pollici, 1},
    {Dito::IndiceDestro, 2},    {Dito::MedioDestro, 3},     {Dito::AnulareDestro, 4},
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
