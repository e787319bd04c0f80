// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/record.h"
#include "history/testiprogressi.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

class QWidget;

namespace scrivolta::ui {

// What a chart of the progress window plots from a day's work.
enum class Misura { Velocita, Errori };

// One line of a chart: a point per day, the day as milliseconds since the
// epoch at noon.
struct LineaGrafico {
    QString nome;
    QList<QPointF> punti;
};

// A chart in plain data, so that only the code that draws it needs Qt
// Charts.
struct DatiGrafico {
    QString titolo;
    std::vector<LineaGrafico> linee;
    // The highest value plotted, 0 without points.
    double massimo = 0;
    // The first and the last day plotted, as the points' x.
    qreal primoGiorno = 0;
    qreal ultimoGiorno = 0;
};

// A value beyond any real day's work: a damaged row is drawn at this edge
// rather than stretching the axis past what its labels can show.
inline constexpr double kMassimoGrafico = 10000;

// The chart widgets. The program loads them from a module of their own when
// the progress window first opens: Qt Charts (and the OpenGL libraries it
// brings) cost start-up time and memory that the first window never needs.
struct FunzioniGrafico {
    // A chart view, child of `genitore`.
    QWidget* (*crea)(QWidget* genitore) = nullptr;
    // Replaces what a view from `crea` shows.
    void (*riempi)(QWidget* vista, const DatiGrafico& dati) = nullptr;
};

// The charts module's functions, from beside the program in `cartella` (a
// build tree) or from its installed module folder; none when the module is
// missing, and the progress window then shows everything but its charts.
FunzioniGrafico caricaGrafici(const QString& cartella);

// One line per category and mode, a point per day, dates along the bottom
// and the measure up the side.
DatiGrafico datiGrafico(const std::vector<storico::PuntoAndamento>& punti, Misura misura,
                        const storico::TestiProgressi& testi);

// "Corso dattilo - Principiante": the name of a line.
QString nomeSerie(const storico::TestiProgressi& testi, storico::Categoria categoria, int modo);

} // namespace scrivolta::ui
