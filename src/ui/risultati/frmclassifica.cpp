// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/risultati/frmclassifica.h"

#include "reports/formati.h"
#include "reports/pdfrisultati.h"
#include "settings/lingua.h"
#include "ui/comune/conversioni.h"
#include "ui/risultati/figurerisultati.h"
#include "ui/risultati/uscitereport.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace scrivolta::ui {

namespace {

constexpr QSize kDimensione(527, 572);
constexpr QRect kBarra(-1, 512, 530, 60);
constexpr std::array<int, 3> kAltoLivelli{36, 165, 298};
constexpr std::array<int, 3> kAltoBarre{34, 162, 296};
constexpr std::array<int, 3> kAltoSimboli{90, 224, 352};
constexpr std::array<double, 3> kAltoTabelle{16, 50, 85};
constexpr double kMmPerPollice = 25.4;

TestiClassifica testiDi(const ModTastiro& mod, const Percorsi& percorsi) {
    const auto lingua = linguaInUso(mod, percorsi);
    return lingua ? testiClassifica(*lingua, mod.ModeName) : testiClassifica(mod.ModeName);
}

QLabel* etichetta(QWidget* genitore, const QString& testo, const QFont& font) {
    auto* l = new QLabel(testo, genitore);
    l->setFont(font);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->adjustSize();
    return l;
}

} // namespace

frmClassifica::frmClassifica(ModTastiro& mod, const Percorsi& percorsi, Servizi& servizi,
                             UsciteReport uscite, QWidget* parent)
    : QDialog(parent), servizi_(servizi), uscite_(std::move(uscite)),
      classifica_(mod, testiDi(mod, percorsi)), banner_(bannerNote()) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(kNomeProgramma));
    setAccessibleName(windowTitle());
    setFixedSize(kDimensione);
    costruisci();
    lblShowMess_->setText(righeDaCp1252(classifica_.messaggioFinale()));
    cmdPrint_->setEnabled(uscite_.stampanteDisponibile && uscite_.stampanteDisponibile());
    MostraLivelli();
    if (mod.SoundOn)
        servizi_.sound.suona(kSuonoRisultati);
    cmdRisp_[0]->setFocus();
}

void frmClassifica::costruisci() {
    QFont didascalia(QStringLiteral("Arial"));
    didascalia.setPointSizeF(9.75);
    didascalia.setBold(true);
    const auto& t = classifica_.testi();
    for (std::size_t k = 0; k < lbllivelli_.size(); ++k) {
        auto* l = etichetta(this, daCp1252(t.livelli[k]), didascalia);
        l->setGeometry(0, kAltoLivelli[k], 510, 20);
        l->setObjectName(QStringLiteral("lbllivelli%1").arg(k));
        const bool raggiunto = static_cast<int>(k) < classifica_.livelliMostrati();
        l->setVisible(raggiunto);
        lbllivelli_[k] = l;
        imgRisultato_[k] = new QLabel(this);
        imgRisultato_[k]->setGeometry(430, kAltoSimboli[k], 32, 32);
        imgRisultato_[k]->setScaledContents(true);
        imgRisultato_[k]->setObjectName(QStringLiteral("imgRisultato%1").arg(k));
        imgRisultato_[k]->setVisible(raggiunto);
    }
    QFont messaggio(QStringLiteral("Arial"));
    messaggio.setPointSizeF(9.75);
    lblShowMess_ = etichetta(this, {}, messaggio);
    lblShowMess_->setGeometry(12, 440, 470, 70);
    lblShowMess_->setWordWrap(true);
    lblShowMess_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblShowMess_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255)"));
    lblShowMess_->setObjectName(QStringLiteral("lblShowMess"));
    creaPulsanti();
}

// In the order Tab visits them: the two answers, then the PDF and the print.
void frmClassifica::creaPulsanti() {
    QWidget* barra = nuovaBarraPulsanti(this, kBarra);
    const auto& t = classifica_.testi();
    cmdRisp_[0] =
        pulsanteBarra(barra, t.risposte[0], {42, 14, 82, 30}, "cmdRisp0", t.tooltipRisposte[0]);
    cmdRisp_[1] =
        pulsanteBarra(barra, t.risposte[1], {174, 14, 82, 30}, "cmdRisp1", t.tooltipRisposte[1]);
    cmdPDF_ = pulsanteBarra(barra, t.cmdPDF, {306, 14, 80, 30}, "cmdPDF", t.tooltipPDF);
    cmdPrint_ = pulsanteBarra(barra, t.cmdPrint, {436, 14, 80, 30}, "cmdPrint", t.tooltipPrint);
    cmdRisp_[0]->setDefault(true);
    for (std::size_t i = 0; i < cmdRisp_.size(); ++i) {
        connect(cmdRisp_[i], &QPushButton::clicked, this, [this, i] {
            classifica_.rispondi(i == 0 ? RispostaRisultati::Continua : RispostaRisultati::Termina);
            accept();
        });
    }
    connect(cmdPrint_, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdPDF_, &QPushButton::clicked, this, [this] { cmdPDF_Click(); });
}

QPoint frmClassifica::punto(double xMm, double yMm) const {
    const double scala = logicalDpiX() / kMmPerPollice;
    return {qRound(xMm * scala), qRound(yMm * scala)};
}

int frmClassifica::LarghezzaNumero(int valore) const {
    const double px = QFontMetricsF(fontTabelle_).horizontalAdvance(QString::number(valore));
    return arrotondaPari(px * kMmPerPollice / logicalDpiX());
}

// A text of the tables at a position in millimetres.
void frmClassifica::riga(double xMm, double yMm, const std::string& testo) {
    QLabel* l = etichetta(this, daCp1252(testo), fontTabelle_);
    l->move(punto(xMm, yMm));
}

// The height of a line of the tables, by which the next line comes lower.
double frmClassifica::altezzaRiga() const {
    return QFontMetricsF(fontTabelle_).height() * kMmPerPollice / logicalDpiY();
}

void frmClassifica::numeroADestra(double yMm, int valore) {
    riga(98.0 - LarghezzaNumero(valore), yMm, std::to_string(valore));
}

void frmClassifica::MostraLivelli() {
    fontTabelle_ = QFont(QStringLiteral("Arial"));
    fontTabelle_.setPointSizeF(10);
    for (int k = 0; k < classifica_.livelliMostrati(); ++k)
        MostraTabellaLivello(k, kAltoTabelle[static_cast<std::size_t>(k)]);
}

void frmClassifica::MostraTabellaLivello(int k, double altoMm) {
    const auto& t = classifica_.testi().testi;
    const std::string suffisso = classifica_.testi().suffissoVelocita();
    const LivelloRisultati& l = classifica_.livello(k);
    fontTabelle_.setBold(false);
    double y = altoMm;
    for (std::size_t r = 0; r < l.righe.size(); ++r) {
        riga(8, y, t[2] + std::to_string(r + 1) + suffisso + velocitaAlMinuto(l.righe[r].velocita));
        riga(72, y, t[3]);
        numeroADestra(y, l.righe[r].punteggio);
        y += altezzaRiga();
    }
    y += 1;
    fontTabelle_.setBold(true);
    riga(8, y, t[4] + suffisso + velocitaAlMinuto(l.mediaVelocita));
    riga(72, y, "Punteggio");
    numeroADestra(y, l.mediaPunteggio);
    QLabel* simbolo = imgRisultato_[static_cast<std::size_t>(k)];
    simbolo->setPixmap(QPixmap::fromImage(
        simboloRisultato(FasciaRisultato(l.mediaPunteggio), classifica_.mod().ModeIndex == 1)));
    simbolo->setAccessibleName(daCp1252(t[4] + " " + std::to_string(l.mediaPunteggio)));
}

void frmClassifica::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    DisegnaSfondo(p, rect(), banner_);
    for (int k = 0; k < classifica_.livelliMostrati(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        p.drawImage(QRect(26, kAltoBarre[i], 470, 20), barraLivello(k));
    }
}

void frmClassifica::cmdPrint_Click() {
    if (!ChiediStampa(servizi_.messages, classifica_.testi()) || !uscite_.nuovaStampante)
        return;
    const bool esperto = classifica_.mod().ModeIndex == 1;
    const auto stampante = uscite_.nuovaStampante(
        [esperto](Figura f, int fascia) { return figuraStampa(f, fascia, esperto); });
    if (!stampante)
        return;
    StampaRisultati(
        *stampante, classifica_, [this](int valore) { return LarghezzaNumero(valore); },
        dataLunga(servizi_.clock), servizi_.messages);
}

// The viewer the PDF opens in must be able to come to the front: the
// window no longer stays above the others, for the rest of its showing.
void frmClassifica::cmdPDF_Click() {
    pdf_.esporta(this, servizi_.waiter, uscite_, [this](DocumentoPdf& documento) {
        const auto percorso = CreaPDF(documento, classifica_, uscite_.cartellaTemporanea(),
                                      dataEOra(servizi_.clock, " (", ")"), servizi_.messages);
        servizi_.waiter.processEvents();
        return percorso;
    });
}

void frmClassifica::done(int risultato) {
    pdf_.elimina();
    QDialog::done(risultato);
}

} // namespace scrivolta::ui
