// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/progressi/graficiprogressi.h"

#include "app/moduli.h"
#include "ui/comune/conversioni.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace scrivolta::ui {

namespace {

using storico::TestoProgressi;

// A negative or absurd value comes only from a damaged file.
std::optional<double> valore(const storico::PuntoAndamento& p, Misura m) {
    const double v = m == Misura::Velocita ? p.velocita : p.errori;
    if (!std::isfinite(v))
        return std::nullopt;
    return std::clamp(v, 0.0, kMassimoGrafico);
}

} // namespace

FunzioniGrafico caricaGrafici(const QString& cartella) {
    using Ingresso = const FunzioniGrafico* (*)();
    const auto ingresso = reinterpret_cast<Ingresso>(ingressoModulo(
        QFile::encodeName(cartella).toStdString(), "scrivolta-grafici", "scrivolta_grafici"));
    return ingresso != nullptr ? *ingresso() : FunzioniGrafico{};
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
    bool primo = true;
    for (const auto& p : punti) {
        const auto v = valore(p, misura);
        const QDate giorno = QDate::fromString(QString::fromStdString(p.giorno), Qt::ISODate);
        if (!v || !giorno.isValid())
            continue;
        const auto x = static_cast<qreal>(QDateTime(giorno, QTime(12, 0)).toMSecsSinceEpoch());
        linee[{static_cast<int>(p.categoria), p.modo}].append(QPointF(x, *v));
        dati.massimo = std::max(dati.massimo, *v);
        dati.primoGiorno = primo ? x : std::min(dati.primoGiorno, x);
        dati.ultimoGiorno = primo ? x : std::max(dati.ultimoGiorno, x);
        primo = false;
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
