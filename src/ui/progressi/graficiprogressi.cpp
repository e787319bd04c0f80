// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progressi/graficiprogressi.h"

#include "app/installazione.h"
#include "ui/comune/conversioni.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QLibrary>
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

} // namespace

FunzioniGrafico caricaGrafici(const QString& cartella) {
    using Ingresso = const FunzioniGrafico* (*)();
    const QDir programma(cartella);
    for (const QString& moduli : {QStringLiteral("."), QString::fromLatin1(kModuliInstallati)}) {
        // Never unloaded: the windows it makes may outlive any owner here.
        QLibrary modulo(programma.filePath(moduli + QStringLiteral("/scrivolta-grafici")));
        if (const auto ingresso = reinterpret_cast<Ingresso>(modulo.resolve("scrivolta_grafici")))
            return *ingresso();
    }
    return {};
}

QString nomeSerie(const storico::TestiProgressi& testi, storico::Categoria categoria, int modo) {
    const auto primoModo = static_cast<int>(TestoProgressi::PrimoModo);
    const auto m = static_cast<TestoProgressi>(primoModo + (modo == 0 ? 0 : 1));
    return daCp1252(testi.categoria(static_cast<int>(categoria))) + QStringLiteral(" - ") +
           daCp1252(testi[m]);
}

DatiGrafico datiGrafico(const std::vector<storico::PuntoAndamento>& punti, Misura misura,
                        const storico::TestiProgressi& testi) {
    DatiGrafico dati;
    std::map<std::pair<int, int>, QList<QPointF>> linee;
    for (const auto& p : punti) {
        linee[{static_cast<int>(p.categoria), p.modo}].append(
            QPointF(static_cast<qreal>(msGiorno(p.giorno)), valore(p, misura)));
        dati.massimo = std::max(dati.massimo, valore(p, misura));
    }
    for (auto& [chiave, lista] : linee)
        dati.linee.push_back(
            {nomeSerie(testi, static_cast<storico::Categoria>(chiave.first), chiave.second),
             std::move(lista)});
    const TestoProgressi titolo =
        misura == Misura::Velocita ? TestoProgressi::Velocita : TestoProgressi::Errori;
    dati.titolo = daCp1252(testi[titolo]);
    return dati;
}

} // namespace scrivolta::ui
