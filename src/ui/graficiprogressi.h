#pragma once

#include "history/record.h"
#include "history/testiprogressi.h"

#include <QString>
#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace scrivolta::ui {

// What a chart of the progress window plots from a day's work.
enum class Misura { Velocita, Errori };

// Fills `grafico` with one line per category and mode, a point per day,
// dates along the bottom and the measure up the side.
void riempiGrafico(QChart& grafico, const std::vector<storico::PuntoAndamento>& punti,
                   Misura misura, const storico::TestiProgressi& testi);

// "Corso dattilo - Principiante": the name of a line.
QString nomeSerie(const storico::TestiProgressi& testi, storico::Categoria categoria, int modo);

} // namespace scrivolta::ui
