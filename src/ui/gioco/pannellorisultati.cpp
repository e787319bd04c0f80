// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/conversioni.h"
#include "ui/comune/gradiente.h"
#include "ui/comune/nomiaccessibili.h"
#include "ui/gioco/pannelligioco.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

namespace scrivolta::ui {

namespace {

constexpr int kAltezza = 80;
constexpr QSize kPulsante(110, 34);
constexpr int kRaggioDisco = 32;
const AngoliGradiente kColoriFondo{rgb(227, 245, 243), rgb(157, 196, 228), rgb(227, 245, 243),
                                   rgb(157, 196, 228)};

void impostaColore(QLabel* l, Colore colore) {
    const QColor c = qColore(colore);
    if (l->palette().color(QPalette::WindowText) == c)
        return;
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

// Labels change a few times a level, while the window shows its state ten
// times a second.
void impostaTesto(QLabel* l, const std::string& testo) {
    const QString t = daCp1252(testo);
    if (l->text() != t)
        l->setText(t);
}

} // namespace

// `lblImgWinner`: a cup drawn in the colour the record's flourish gives it.
class Trofeo final : public QWidget {
public:
    using QWidget::QWidget;
    void impostaColore(Colore colore) {
        if (colore == colore_)
            return;
        colore_ = colore;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(90, 70, 0), 1.5));
        p.setBrush(qColore(colore_));
        const double w = width();
        const double h = height();
        QPainterPath coppa;
        coppa.moveTo(w * 0.2, h * 0.1);
        coppa.lineTo(w * 0.8, h * 0.1);
        coppa.cubicTo(w * 0.8, h * 0.55, w * 0.6, h * 0.6, w * 0.55, h * 0.62);
        coppa.lineTo(w * 0.55, h * 0.78);
        coppa.lineTo(w * 0.72, h * 0.9);
        coppa.lineTo(w * 0.28, h * 0.9);
        coppa.lineTo(w * 0.45, h * 0.78);
        coppa.lineTo(w * 0.45, h * 0.62);
        coppa.cubicTo(w * 0.4, h * 0.6, w * 0.2, h * 0.55, w * 0.2, h * 0.1);
        p.drawPath(coppa);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(w * 0.05, h * 0.15, w * 0.3, h * 0.3), 90 * 16, 180 * 16);
        p.drawArc(QRectF(w * 0.65, h * 0.15, w * 0.3, h * 0.3), 270 * 16, 180 * 16);
    }

private:
    Colore colore_ = coloreGioco::Nero;
};

// `picProgressRound`: one line from the centre for every second that has
// gone by, until the disc is full when the time is up.
class DiscoTempo final : public QWidget {
public:
    using QWidget::QWidget;
    void mostra(const std::vector<int>& secondi, double gradiAlSecondo) {
        if (secondi == secondi_ && gradiAlSecondo == gradi_)
            return;
        secondi_ = secondi;
        gradi_ = gradiAlSecondo;
        if (!secondi_.empty())
            setAccessibleDescription(QStringLiteral("%1 s").arg(secondi_.back()));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF centro = QRectF(rect()).center();
        p.setPen(QPen(QColor(120, 140, 160), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(centro, kRaggioDisco, kRaggioDisco);
        p.setPen(QPen(QColor(0, 90, 200), 2));
        for (const int s : secondi_) {
            const double angolo = s * 0.01745 * gradi_;
            p.drawLine(centro, centro + QPointF(kRaggioDisco * std::cos(angolo),
                                                kRaggioDisco * std::sin(angolo)));
        }
    }

private:
    std::vector<int> secondi_;
    double gradi_ = 0;
};

PannelloRisultati::PannelloRisultati(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picBottom"));
    setAccessibleName(nomeAccessibileDi(nomeAccessibile::kRisultati));
    setFixedHeight(kAltezza);
    creaPannelloGioco();
    creaPannelloAllenamento();
    cmdNuovo_ = new QPushButton(QString(QChar(0x21BB)), this);
    cmdNuovo_->setObjectName(QStringLiteral("cmdNuovo"));
    QFont simbolo = cmdNuovo_->font();
    simbolo.setPointSize(18);
    cmdNuovo_->setFont(simbolo);
    cmdExit_ = new QPushButton(this);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    for (QPushButton* b : {cmdNuovo_, cmdExit_}) {
        b->setFixedSize(kPulsante);
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
    }
}

QLabel* PannelloRisultati::etichetta(QWidget* genitore, const QRect& zona, const char* nome,
                                     QColor colore) {
    auto* l = new QLabel(genitore);
    l->setGeometry(zona);
    l->setObjectName(QString::fromLatin1(nome));
    QFont f(QStringLiteral("Arial"), 16, QFont::Bold);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colore);
    l->setPalette(p);
    return l;
}

void PannelloRisultati::creaPannelloGioco() {
    picDisplayPlay_ = new QWidget(this);
    picDisplayPlay_->setObjectName(QStringLiteral("picDisplayPlay"));
    picDisplayPlay_->setGeometry(10, 8, 480, 64);
    lblPunti_ = etichetta(picDisplayPlay_, {10, 4, 110, 28}, "lblPunti", Qt::black);
    lblTotal_ = etichetta(picDisplayPlay_, {10, 32, 150, 30}, "lblTotal", Qt::blue);
    lblImgWinner_ = new Trofeo(picDisplayPlay_);
    lblImgWinner_->setObjectName(QStringLiteral("lblImgWinner"));
    lblImgWinner_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kRecord));
    lblImgWinner_->setGeometry(250, 6, 50, 54);
    lblWinner_ = etichetta(picDisplayPlay_, {310, 18, 160, 30}, "lblWinner", Qt::black);
    lblWinner_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kRecord));
    picDisplayPlay_->hide();
}

void PannelloRisultati::creaPannelloAllenamento() {
    picDisplayTraining_ = new QWidget(this);
    picDisplayTraining_->setObjectName(QStringLiteral("picDisplayTraining"));
    picDisplayTraining_->setGeometry(10, 4, 480, 72);
    picProgressRound_ = new DiscoTempo(picDisplayTraining_);
    picProgressRound_->setObjectName(QStringLiteral("picProgressRound"));
    picProgressRound_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kOrologio));
    picProgressRound_->setGeometry(0, 2, 2 * kRaggioDisco + 4, 2 * kRaggioDisco + 4);
    lblDigOK_ = etichetta(picDisplayTraining_, {90, 20, 80, 30}, "lblDigOK", QColor(0, 140, 0));
    lblDigOK_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kEsatte));
    lblDigKO_ = etichetta(picDisplayTraining_, {180, 20, 80, 30}, "lblDigKO", Qt::red);
    lblDigKO_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kErrate));
    lblTotDigit_ = etichetta(picDisplayTraining_, {270, 20, 80, 30}, "lblTotDigit", Qt::black);
    lblTotDigit_->setAccessibleName(nomeAccessibileDi(nomeAccessibile::kTotale));
    lblScoreTraining_ =
        etichetta(picDisplayTraining_, {360, 20, 110, 30}, "lblScoreTraining", Qt::blue);
    picDisplayTraining_->hide();
}

void PannelloRisultati::impostaGestori(std::function<void()> nuovo, std::function<void()> esci) {
    connect(cmdNuovo_, &QPushButton::clicked, this, std::move(nuovo));
    connect(cmdExit_, &QPushButton::clicked, this, std::move(esci));
}

void PannelloRisultati::applicaTesti(const TestiGioco& testi) {
    lblPunti_->setText(daCp1252(testi.punti));
    lblTotal_->setAccessibleName(daCp1252(testi.punti));
    lblScoreTraining_->setAccessibleName(daCp1252(testi.punti));
    cmdExit_->setText(daCp1252(testi.chiudi));
    cmdExit_->setAccessibleName(QString(daCp1252(testi.chiudi)).remove(QLatin1Char('&')));
    cmdNuovo_->setToolTip(daCp1252(testi.ricomincia));
    cmdNuovo_->setAccessibleName(daCp1252(testi.ricomincia));
}

void PannelloRisultati::mostra(const StatoGioco& stato) {
    picDisplayPlay_->setVisible(stato.pannelloGioco);
    picDisplayTraining_->setVisible(stato.pannelloAllenamento);
    impostaTesto(lblTotal_, stato.lblTotal);
    impostaColore(lblTotal_, stato.coloreTotale);
    lblImgWinner_->setVisible(stato.recordVisibili);
    lblWinner_->setVisible(stato.recordVisibili);
    impostaTesto(lblWinner_, stato.lblWinner);
    impostaColore(lblWinner_, stato.coloreWinner);
    lblImgWinner_->impostaColore(stato.coloreTrofeo);
    picProgressRound_->mostra(stato.disco, stato.gradiAlSecondo);
    impostaTesto(lblDigOK_, stato.lblDigOK);
    impostaTesto(lblDigKO_, stato.lblDigKO);
    impostaTesto(lblTotDigit_, stato.lblTotDigit);
    impostaTesto(lblScoreTraining_, stato.lblScoreTraining);
    cmdNuovo_->setEnabled(stato.cmdNuovo);
    cmdExit_->setEnabled(stato.cmdExit);
}

void PannelloRisultati::resizeEvent(QResizeEvent*) {
    fondo_ = QPixmap(size());
    QPainter p(&fondo_);
    Gradiente(p, rect(), kColoriFondo, true);
    const int y = (height() - kPulsante.height()) / 2;
    cmdExit_->move(width() - kPulsante.width() - 12, y);
    cmdNuovo_->move(cmdExit_->x() - kPulsante.width() - 10, y);
}

void PannelloRisultati::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, fondo_);
}

} // namespace scrivolta::ui
