#include "ui/graficiprogressi.h"

#include "ui/conversioni.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <map>

namespace scrivolta::ui {

namespace {

using storico::TestoProgressi;

qint64 msGiorno(const std::string& giorno) {
    const QDate d = QDate::fromString(QString::fromStdString(giorno), Qt::ISODate);
    return QDateTime(d, QTime(12, 0)).toMSecsSinceEpoch();
}

double valore(const storico::PuntoAndamento& p, Misura m) {
    return m == Misura::Velocita ? p.velocita : p.errori;
}

void assi(QChart& grafico, const QString& titolo, double massimo) {
    auto* date = new QDateTimeAxis(&grafico);
    date->setFormat(QStringLiteral("dd/MM/yy"));
    auto* valori = new QValueAxis(&grafico);
    valori->setRange(0, std::max(massimo * 1.1, 1.0));
    valori->applyNiceNumbers();
    valori->setLabelFormat(QStringLiteral("%d"));
    valori->setTitleText(titolo);
    grafico.addAxis(date, Qt::AlignBottom);
    grafico.addAxis(valori, Qt::AlignLeft);
    for (auto* s : grafico.series()) {
        s->attachAxis(date);
        s->attachAxis(valori);
    }
}

} // namespace

QString nomeSerie(const storico::TestiProgressi& testi, storico::Categoria categoria, int modo) {
    const auto primoModo = static_cast<int>(TestoProgressi::PrimoModo);
    const auto m = static_cast<TestoProgressi>(primoModo + (modo == 0 ? 0 : 1));
    return daCp1252(testi.categoria(static_cast<int>(categoria))) + QStringLiteral(" - ") +
           daCp1252(testi[m]);
}

void riempiGrafico(QChart& grafico, const std::vector<storico::PuntoAndamento>& punti,
                   Misura misura, const storico::TestiProgressi& testi) {
    grafico.removeAllSeries();
    for (auto* asse : grafico.axes())
        grafico.removeAxis(asse);
    std::map<std::pair<int, int>, QList<QPointF>> linee;
    double massimo = 0;
    for (const auto& p : punti) {
        linee[{static_cast<int>(p.categoria), p.modo}].append(
            QPointF(static_cast<qreal>(msGiorno(p.giorno)), valore(p, misura)));
        massimo = std::max(massimo, valore(p, misura));
    }
    for (const auto& [chiave, lista] : linee) {
        auto* serie = new QLineSeries(&grafico);
        serie->setName(
            nomeSerie(testi, static_cast<storico::Categoria>(chiave.first), chiave.second));
        // A single day is a point, not a line.
        serie->setPointsVisible(lista.size() == 1);
        serie->replace(lista);
        grafico.addSeries(serie);
    }
    const TestoProgressi titolo =
        misura == Misura::Velocita ? TestoProgressi::Velocita : TestoProgressi::Errori;
    grafico.setTitle(daCp1252(testi[titolo]));
    assi(grafico, QString(), massimo);
}

} // namespace scrivolta::ui
