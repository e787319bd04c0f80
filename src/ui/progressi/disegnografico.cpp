// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progressi/disegnografico.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace scrivolta::ui {

namespace {

void assi(QChart& grafico, double massimo) {
    auto* date = new QDateTimeAxis(&grafico);
    date->setFormat(QStringLiteral("dd/MM/yy"));
    auto* valori = new QValueAxis(&grafico);
    valori->setRange(0, std::max(massimo * 1.1, 1.0));
    valori->applyNiceNumbers();
    valori->setLabelFormat(QStringLiteral("%d"));
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
        // A single day is a point, not a line.
        serie->setPointsVisible(linea.punti.size() == 1);
        serie->replace(linea.punti);
        grafico.addSeries(serie);
    }
    grafico.setTitle(dati.titolo);
    assi(grafico, dati.massimo);
}

} // namespace

FunzioniGrafico graficiQtCharts() {
    return {crea, riempi};
}

} // namespace scrivolta::ui
