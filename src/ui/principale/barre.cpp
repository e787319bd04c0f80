// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/principale/barre.h"

#include "ui/comune/conversioni.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/comune/sfondo.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace scrivolta::ui {

namespace {

QFont carattere(int pixel, bool grassetto = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    return f;
}

// Level colours: bright for the running level, dim when idle.
constexpr std::array<Colore, 3> kLivelliAccesi = {rgb(0, 255, 0), rgb(255, 255, 0), rgb(255, 0, 0)};
constexpr std::array<Colore, 3> kLivelliSpenti = {rgb(0, 192, 0), rgb(192, 192, 0),
                                                  rgb(192, 64, 0)};

QColor coloreLivello(int livello) {
    return qColore(kLivelliAccesi[static_cast<std::size_t>(std::clamp(livello, 1, 3) - 1)]);
}

// The hands of the rating: victory, OK, thumbs up, thumbs down. A screen
// reader says their names.
QString manoDelGiudizio(char lettera) {
    switch (lettera) {
    case 'A':
        return QStringLiteral("\u270C");
    case 'B':
        return QStringLiteral("\U0001F44C");
    case 'C':
        return QStringLiteral("\U0001F44D");
    default:
        return QStringLiteral("\U0001F44E");
    }
}

const QRect kContatoreEsatte(0, 4, 120, 24);
const QRect kContatoreErrate(0, 32, 120, 24);
const QRect kGiudizio(126, 8, 44, 44);
const QRect kNumeroFrase(186, 8, 44, 44);
const QRect kIndicatore(240, 4, 330, 42);
constexpr int kAltoMedie = 54;

// A smoothed outline falls a pixel outside the shape it frames: the area
// repainted when the shape goes takes that pixel too, or the outline stays.
QRect conTratto(const QRect& forma) {
    return forma.adjusted(-2, -2, 2, 2);
}

QRect rettangoloMedia(int i) {
    return QRect(kIndicatore.left() + i * 110, kAltoMedie, 100, 22);
}

// The score icons: one to five stars, blue for a beginner, red for an expert.
void dipingiIconaPunteggio(QPainter& p, const QRect& r, int fascia, const QFont& font) {
    const bool esperto = fascia >= 5;
    const int stelle = fascia % 5 + 1;
    p.setPen(Qt::NoPen);
    p.setBrush(esperto ? QColor(200, 40, 40) : QColor(30, 90, 200));
    p.drawEllipse(r);
    p.setPen(QColor(255, 220, 60));
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter, QString(stelle, QChar(0x2605)));
}

QFont fontSimboli(const QString& famiglia, int pixel) {
    QFont f(famiglia);
    f.setPixelSize(pixel);
    return f;
}

// A stretch of a bar between its old and its new end, from `alto` to `basso`.
QRect trattoCambiato(double prima, double dopo, int alto, int basso) {
    if (prima == dopo)
        return {};
    const double corta = std::min(prima, dopo);
    const double lunga = std::max(prima, dopo);
    const int x = kIndicatore.left();
    return QRect(QPoint(x + static_cast<int>(std::floor(corta)), alto),
                 QPoint(x + static_cast<int>(std::ceil(lunga)) + 2, basso))
        .intersected(kIndicatore.adjusted(-1, -1, 1, 1));
}

} // namespace

PannelloStato::PannelloStato(QWidget* parent)
    : QWidget(parent), fontContatori_(carattere(16, true)), fontSegni_(carattere(16)),
      fontNumero_(carattere(20, true)), fontMedie_(carattere(14, true)),
      fontMessaggio_(carattere(14)), fontMani_(fontSimboli(QStringLiteral("Symbola"), 28)),
      fontStelle_(carattere(9, true)) {
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kRisultati));
    rinnovaAccessibile(this);
}

int PannelloStato::larghezzaIndicatore() {
    return kIndicatore.width();
}

void PannelloStato::impostaTooltip(std::array<QString, 2> contatori, QString giudizio,
                                   QString numeroFrase, std::array<QString, 3> medie) {
    tooltipContatori_ = std::move(contatori);
    tooltipGiudizio_ = std::move(giudizio);
    tooltipNumeroFrase_ = std::move(numeroFrase);
    tooltipMedie_ = std::move(medie);
}

// Only the parts that changed are painted again: the counters change at
// every keystroke, the rest seldom.
void PannelloStato::mostra(const StatoVista& stato, int larghezzaBarra) {
    QRegion cambiata;
    if (stato.messaggioVisibile != stato_.messaggioVisibile ||
        (stato.messaggioVisibile &&
         (stato.messaggio != stato_.messaggio || stato.fasciaPunteggio != stato_.fasciaPunteggio)))
        cambiata = scala_.rettangoloProgetto();
    if (stato.contatori[0] != stato_.contatori[0])
        cambiata += kContatoreEsatte;
    if (stato.contatori[1] != stato_.contatori[1])
        cambiata += kContatoreErrate;
    if (stato.giudizio != stato_.giudizio)
        cambiata += conTratto(kGiudizio);
    if (stato.numeroFrase != stato_.numeroFrase)
        cambiata += conTratto(kNumeroFrase);
    cambiata += zonaIndicatore(stato, larghezzaBarra);
    if (stato.medie != stato_.medie || stato.livelloEvidenziato != stato_.livelloEvidenziato)
        cambiata += QRect(kIndicatore.left(), kAltoMedie, kIndicatore.width(), 24);
    stato_ = stato;
    larghezzaBarra_ = larghezzaBarra;
    if (!cambiata.isEmpty())
        update(scala_.suSchermo(cambiata));
}

// The live bar, or a text file's progress, moves at every keystroke: only
// the stretch between its old and its new end is painted again.
QRect PannelloStato::zonaIndicatore(const StatoVista& stato, int larghezzaBarra) const {
    const bool stessoDisegno =
        stato.indicatoriVelocita == stato_.indicatoriVelocita &&
        stato.progressoVisibile == stato_.progressoVisibile &&
        stato.barraRecord == stato_.barraRecord && stato.livelloBarra == stato_.livelloBarra &&
        stato.livelloRecord == stato_.livelloRecord && larghezzaBarra == larghezzaBarra_;
    if (!stessoDisegno)
        return kIndicatore.adjusted(-1, -1, 1, 1);
    const int alto = kIndicatore.top();
    if (stato.indicatoriVelocita) {
        const double scala = static_cast<double>(kIndicatore.width()) / larghezzaBarra;
        return trattoCambiato(stato_.barraVelocita * scala, stato.barraVelocita * scala, alto + 2,
                              alto + 20);
    }
    if (stato.progressoVisibile)
        return trattoCambiato(stato_.progresso, stato.progresso, alto + 11, alto + 31);
    return {};
}

void PannelloStato::resizeEvent(QResizeEvent*) {
    scala_.adatta(size());
}

void PannelloStato::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setTransform(scala_.trasformazione());
    if (stato_.messaggioVisibile) {
        p.setRenderHint(QPainter::Antialiasing);
        dipingiMessaggio(p);
        return;
    }
    const QRegion zona = scala_.inProgetto(event->region());
    dipingiContatori(p, zona);
    p.setRenderHint(QPainter::Antialiasing);
    if (stato_.giudizio && zona.intersects(conTratto(kGiudizio)))
        dipingiGiudizio(p);
    if (!stato_.numeroFrase.empty() && zona.intersects(conTratto(kNumeroFrase)))
        dipingiNumeroFrase(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (zona.intersects(kIndicatore.adjusted(-1, -1, 1, 1))) {
        if (stato_.indicatoriVelocita)
            dipingiIndicatore(p);
        else if (stato_.progressoVisibile)
            dipingiProgresso(p);
    }
    if (zona.intersects(QRect(kIndicatore.left(), kAltoMedie, kIndicatore.width(), 24)))
        dipingiMedie(p);
}

void PannelloStato::dipingiContatori(QPainter& p, const QRegion& zona) const {
    if (zona.intersects(kContatoreEsatte)) {
        p.setPen(QColor(0, 120, 0));
        dipingiContatore(p, kContatoreEsatte, QStringLiteral("\u2714"), stato_.contatori[0]);
    }
    if (zona.intersects(kContatoreErrate)) {
        p.setPen(QColor(180, 0, 0));
        dipingiContatore(p, kContatoreErrate, QStringLiteral("\u2718"), stato_.contatori[1]);
    }
}

// The mark in the regular weight, the count in bold: the program's face has
// no such marks, and the bold face that has them would be loaded for two
// glyphs.
void PannelloStato::dipingiContatore(QPainter& p, const QRect& area, const QString& segno,
                                     const std::string& numero) const {
    constexpr int kAllineamento = Qt::AlignVCenter | Qt::AlignLeft;
    p.setFont(fontSegni_);
    testi_.disegnaLettere(p, area, kAllineamento, segno);
    const int rientro = QFontMetrics(fontSegni_).horizontalAdvance(segno + QLatin1Char(' '));
    p.setFont(fontContatori_);
    testi_.disegnaLettere(p, area.adjusted(rientro, 0, 0, 0), kAllineamento, daCp1252(numero));
}

void PannelloStato::dipingiGiudizio(QPainter& p) const {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(qColore(stato_.giudizio->sfondo));
    p.drawRoundedRect(kGiudizio, 6, 6);
    p.setFont(fontMani_);
    p.setPen(Qt::black);
    p.drawText(kGiudizio, Qt::AlignCenter, manoDelGiudizio(stato_.giudizio->lettera));
}

void PannelloStato::dipingiNumeroFrase(QPainter& p) const {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(kNumeroFrase);
    p.setFont(fontNumero_);
    p.drawText(kNumeroFrase, Qt::AlignCenter, daCp1252(stato_.numeroFrase));
}

void PannelloStato::dipingiIndicatore(QPainter& p) const {
    const double scala = static_cast<double>(kIndicatore.width()) / larghezzaBarra_;
    const int x = kIndicatore.left();
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawRect(kIndicatore);
    QLinearGradient vivo(x, 0, x + kIndicatore.width(), 0);
    vivo.setColorAt(0, Qt::white);
    vivo.setColorAt(1, coloreLivello(stato_.livelloBarra));
    p.setPen(Qt::NoPen);
    p.setBrush(vivo);
    p.drawRect(QRectF(x + 1, kIndicatore.top() + 3, stato_.barraVelocita * scala, 16));
    QLinearGradient record(x, 0, x + kIndicatore.width(), 0);
    record.setColorAt(0, coloreLivello(stato_.livelloRecord).lighter(160));
    record.setColorAt(1, coloreLivello(stato_.livelloRecord).darker(130));
    p.setBrush(record);
    p.drawRect(QRectF(x + 1, kIndicatore.top() + 23, stato_.barraRecord * scala, 16));
}

// A text file: how much of it has been typed, over the gauge's whole width.
void PannelloStato::dipingiProgresso(QPainter& p) const {
    p.setPen(QColor(120, 120, 120));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawRect(kIndicatore);
    p.fillRect(QRect(kIndicatore.left() + 1, kIndicatore.top() + 12,
                     std::min(stato_.progresso, kIndicatore.width() - 1), 18),
               QColor(0, 120, 215));
}

void PannelloStato::dipingiMedie(QPainter& p) const {
    p.setFont(fontMedie_);
    for (int i = 0; i < 3; ++i) {
        const QRect r = rettangoloMedia(i);
        const bool acceso = stato_.livelloEvidenziato == i + 1;
        const auto colore = (acceso ? kLivelliAccesi : kLivelliSpenti)[static_cast<std::size_t>(i)];
        p.setPen(QColor(80, 80, 80));
        p.setBrush(qColore(colore));
        p.drawRoundedRect(QRect(r.left(), r.top() + 3, 16, 16), 3, 3);
        p.setPen(Qt::black);
        p.drawText(r.adjusted(22, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   daCp1252(stato_.medie[static_cast<std::size_t>(i)]));
    }
}

void PannelloStato::dipingiMessaggio(QPainter& p) const {
    const QRect box = scala_.rettangoloProgetto().adjusted(2, 2, -2, -2);
    p.setPen(QColor(90, 110, 140));
    p.setBrush(QColor(255, 255, 240));
    p.drawRoundedRect(box, 8, 8);
    dipingiIconaPunteggio(p, QRect(box.left() + 10, box.top() + (box.height() - 48) / 2, 48, 48),
                          stato_.fasciaPunteggio, fontStelle_);
    p.setPen(Qt::black);
    p.setFont(fontMessaggio_);
    p.drawText(box.adjusted(70, 4, -8, -4), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
               righeDaCp1252(stato_.messaggio));
}

bool PannelloStato::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* aiuto = static_cast<QHelpEvent*>(event);
    QString testo;
    if (kContatoreEsatte.contains(scala_.inProgetto(aiuto->pos())))
        testo = tooltipContatori_[0];
    else if (kContatoreErrate.contains(scala_.inProgetto(aiuto->pos())))
        testo = tooltipContatori_[1];
    else if (kGiudizio.contains(scala_.inProgetto(aiuto->pos())))
        testo = tooltipGiudizio_;
    else if (kNumeroFrase.contains(scala_.inProgetto(aiuto->pos())))
        testo = tooltipNumeroFrase_;
    for (int i = 0; i < 3; ++i) {
        if (rettangoloMedia(i).contains(scala_.inProgetto(aiuto->pos())))
            testo = tooltipMedie_[static_cast<std::size_t>(i)];
    }
    if (testo.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(aiuto->globalPos(), testo, this);
    return true;
}

std::vector<ParteAccessibile> PannelloStato::partiAccessibili() const {
    const bool numeri = !stato_.messaggioVisibile;
    std::vector<ParteAccessibile> parti = {
        {tooltipContatori_[0], daCp1252(stato_.contatori[0]), kContatoreEsatte},
        {tooltipContatori_[1], daCp1252(stato_.contatori[1]), kContatoreErrate},
        {tooltipGiudizio_, stato_.giudizio ? manoDelGiudizio(stato_.giudizio->lettera) : QString(),
         kGiudizio},
        {tooltipNumeroFrase_, daCp1252(stato_.numeroFrase), kNumeroFrase},
    };
    for (int i = 0; i < 3; ++i)
        parti.push_back({tooltipMedie_[static_cast<std::size_t>(i)],
                         daCp1252(stato_.medie[static_cast<std::size_t>(i)]), rettangoloMedia(i)});
    for (ParteAccessibile& p : parti) {
        p.visibile = numeri;
        p.rettangolo = scala_.suSchermo(p.rettangolo);
    }
    parti.push_back({nomeAccessibileDi(nomeAccessibile::kMessaggio),
                     righeDaCp1252(stato_.messaggio), rect(), QAccessible::StaticText, true,
                     stato_.messaggioVisibile});
    return parti;
}

} // namespace scrivolta::ui
