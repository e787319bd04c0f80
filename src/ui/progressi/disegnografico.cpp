// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progressi/disegnografico.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace scrivolta::ui {

namespace {

constexpr qint64 kMsGiorno = 24LL * 60 * 60 * 1000;
// Large enough to be seen on its own, when a line has a single day.
constexpr qreal kDiametroPunto = 9;

// A day either side of the points, so that a single day sits in the middle
// of the chart; over a short span a tick falls on every day's noon, where
// the points are.
QDateTimeAxis* asseDate(QChart& grafico, const DatiGrafico& dati) {
    constexpr int kTaccheMassime = 9;
    auto* date = new QDateTimeAxis(&grafico);
    date->setFormat(QStringLiteral("dd/MM/yy"));
    // A learner without history has no dates to show (the epoch would).
    date->setLabelsVisible(!dati.linee.empty());
    const auto primo = static_cast<qint64>(dati.primoGiorno) - kMsGiorno;
    const auto ultimo = static_cast<qint64>(dati.ultimoGiorno) + kMsGiorno;
    date->setRange(QDateTime::fromMSecsSinceEpoch(primo), QDateTime::fromMSecsSinceEpoch(ultimo));
    const auto giorni = static_cast<int>(std::llround(double(ultimo - primo) / kMsGiorno));
    date->setTickCount(std::min(giorni + 1, kTaccheMassime));
    return date;
}

QValueAxis* asseValori(QChart& grafico, double massimo) {
    const ScalaValori scala = scalaValori(massimo);
    auto* valori = new QValueAxis(&grafico);
    valori->setRange(0, scala.alto);
    valori->setTickCount(scala.alto / scala.passo + 1);
    valori->setMinorTickCount(0);
    valori->setLabelFormat(QStringLiteral("%d"));
    return valori;
}

void assi(QChart& grafico, const DatiGrafico& dati) {
    auto* date = asseDate(grafico, dati);
    auto* valori = asseValori(grafico, dati.massimo);
    grafico.addAxis(date, Qt::AlignBottom);
    grafico.addAxis(valori, Qt::AlignLeft);
    for (auto* s : grafico.series()) {
        s->attachAxis(date);
        s->attachAxis(valori);
    }
}

QWidget* crea(QWidget* genitore) {
    auto* vista = new QChartView(genitore);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->chart()->legend()->setAlignment(Qt::AlignRight);
    return vista;
}

void riempi(QWidget* vista, const DatiGrafico& dati) {
    auto* v = qobject_cast<QChartView*>(vista);
    if (v == nullptr)
        return;
    QChart& grafico = *v->chart();
    grafico.removeAllSeries();
    for (auto* asse : grafico.axes())
        grafico.removeAxis(asse);
    for (const LineaGrafico& linea : dati.linee) {
        auto* serie = new QLineSeries(&grafico);
        serie->setName(linea.nome);
        // Every day is a point, joined to the next when there are several.
        serie->setPointsVisible(true);
        serie->setMarkerSize(kDiametroPunto);
        serie->replace(linea.punti);
        grafico.addSeries(serie);
    }
    grafico.setTitle(dati.titolo);
    assi(grafico, dati);
}

} // namespace

ScalaValori scalaValori(double massimo) {
    constexpr int kPassiMassimi = 6;
    const double m = std::clamp(massimo, 0.0, kMassimoGrafico);
    // 1, 2, 5, 10, 20, 50... the first step that needs few ticks.
    int passo = 1;
    for (int decade = 1;; decade *= 10) {
        const std::array<int, 3> passi = {decade, 2 * decade, 5 * decade};
        const auto adatto = std::find_if(passi.begin(), passi.end(), [m](int p) {
            return std::floor(m / p) + 1 <= kPassiMassimi;
        });
        if (adatto != passi.end()) {
            passo = *adatto;
            break;
        }
    }
    const int alto = passo * (static_cast<int>(std::floor(m / passo)) + 1);
    return {alto, passo};
}

FunzioniGrafico graficiQtCharts() {
    return {crea, riempi};
}

} // namespace scrivolta::ui
