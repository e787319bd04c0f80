// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/risultati/frmreportfreetxt.h"

#include "reports/classifica.h"
#include "settings/lingua.h"
#include "ui/comune/conversioni.h"
#include "ui/risultati/figurerisultati.h"
#include "ui/risultati/uscitereport.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace scrivolta::ui {

namespace {

constexpr QSize kDimensione(421, 415);
constexpr QRect kBarra(-1, 356, 423, 54);
constexpr QPoint kTitolo(14, 39);
constexpr int kPrimaRiga = 100;
constexpr int kSpazioRighe = 12;

TestiRapporto testiDi(const ModTastiro& mod, const Percorsi& percorsi) {
    const auto lingua = linguaInUso(mod, percorsi);
    return lingua ? testiRapporto(*lingua) : testiRapporto();
}

QFont arial(double punti, bool grassetto) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

} // namespace

frmReportFreeTXT::frmReportFreeTXT(const ModTastiro& mod, const Percorsi& percorsi,
                                   Servizi& servizi, UsciteReport uscite, QWidget* parent)
    : QDialog(parent), servizi_(servizi), uscite_(std::move(uscite)),
      rapporto_(mod, testiDi(mod, percorsi)), banner_(bannerNote()), fontTitolo_(arial(14, true)) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromLatin1(kNomeProgramma));
    setAccessibleName(windowTitle());
    setFixedSize(kDimensione);
    if (mod.SoundOn)
        servizi_.sound.suona(kSuonoRisultati);
    MostraRapporto();
    creaPulsanti();
    cmdChiudi_->setFocus();
}

// The heading, then one figure a line; their texts are labels, so that a
// screen reader reads them as they stand.
void frmReportFreeTXT::MostraRapporto() {
    const auto righe = righeRapporto(rapporto_.testi(), rapporto_.totali());
    auto* titolo = new QLabel(daCp1252(righe[0]), this);
    titolo->setFont(fontTitolo_);
    titolo->adjustSize();
    titolo->move(kTitolo);
    titolo->setObjectName(QStringLiteral("lblTitolo"));
    int y = kPrimaRiga;
    for (std::size_t i = 1; i < righe.size(); ++i) {
        auto* l = new QLabel(daCp1252(righe[i]), this);
        l->setFont(arial(12, false));
        l->adjustSize();
        l->move(15, y);
        l->setObjectName(QStringLiteral("lblRiga%1").arg(i));
        y += l->height() + kSpazioRighe;
    }
}

void frmReportFreeTXT::creaPulsanti() {
    QWidget* barra = nuovaBarraPulsanti(this, kBarra);
    cmdChiudi_ = pulsanteBarra(barra, rapporto_.testi().cmdChiudi, {48, 9, 105, 36}, "cmdChiudi");
    cmdCreaPDF_ =
        pulsanteBarra(barra, rapporto_.testi().cmdCreaPDF, {302, 9, 105, 36}, "cmdCreaPDF");
    cmdChiudi_->setDefault(true);
    connect(cmdChiudi_, &QPushButton::clicked, this, [this] { accept(); });
    connect(cmdCreaPDF_, &QPushButton::clicked, this, [this] { cmdCreaPDF_Click(); });
}

void frmReportFreeTXT::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    DisegnaSfondo(p, rect(), banner_);
    // The heading's grey shadow, one pixel below and to the right.
    p.setFont(fontTitolo_);
    p.setPen(QColor(224, 224, 224));
    const QFontMetrics metriche(fontTitolo_);
    p.drawText(kTitolo + QPoint(1, 1 + metriche.ascent()), daCp1252(rapporto_.testi().testi[8]));
}

void frmReportFreeTXT::cmdCreaPDF_Click() {
    pdf_.esporta(this, servizi_.waiter, uscite_, [this](DocumentoPdf& documento) {
        return rapporto_.CreaPDFRapporto(documento, uscite_.cartellaTemporanea(),
                                         dataEOra(servizi_.clock, " - ", ""), servizi_.messages);
    });
}

void frmReportFreeTXT::done(int risultato) {
    pdf_.elimina();
    QDialog::done(risultato);
}

} // namespace scrivolta::ui
