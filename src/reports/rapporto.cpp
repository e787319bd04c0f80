// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/rapporto.h"

#include "reports/formati.h"
#include "reports/soglie.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace scrivolta {

namespace {

constexpr std::string_view kPunteggiatura = "!,.:;?";

struct Soglie {
    double ottimo;
    double buono;
    double sufficiente;
};

std::string dueCifre(long long n) {
    char testo[24];
    std::snprintf(testo, sizeof testo, "%02lld", n);
    return testo;
}

} // namespace

ConteggioCaratteri ContaCaratteri(std::string_view testo) {
    ConteggioCaratteri n;
    for (const char carattere : testo) {
        const auto c = static_cast<unsigned char>(carattere);
        if (c < 32)
            continue;
        if (c == ' ')
            ++n.spazi;
        else if (kPunteggiatura.find(carattere) != std::string_view::npos)
            ++n.punteggiatura;
        else if (c >= '0' && c <= '9')
            ++n.cifre;
        else if (c >= 'A' && c <= 'Z')
            ++n.maiuscole;
        else if (c >= 'a' && c <= 'z')
            ++n.minuscole;
        else
            ++n.speciali;
    }
    return n;
}

Voto ValutaVelocita(double battuteMinuto, bool esperto) {
    const Soglie s = esperto ? Soglie{240, 180, 120} : Soglie{150, 100, 50};
    if (battuteMinuto > s.ottimo)
        return Voto::Ottimo;
    if (battuteMinuto > s.buono)
        return Voto::Buono;
    return battuteMinuto > s.sufficiente ? Voto::Sufficiente : Voto::Insufficiente;
}

Voto ValutaErrori(double rapportoPercento, bool esperto) {
    const SoglieErrori s = soglieErrori(esperto);
    if (!(rapportoPercento > s.ottimo))
        return Voto::Ottimo;
    if (!(rapportoPercento > s.buono))
        return Voto::Buono;
    return rapportoPercento > s.sufficiente ? Voto::Insufficiente : Voto::Sufficiente;
}

Voto ValutazioneComplessiva(Voto velocita, Voto errori) {
    if (velocita == Voto::Insufficiente || errori == Voto::Insufficiente)
        return Voto::Insufficiente;
    if (errori == Voto::Sufficiente)
        return Voto::Sufficiente;
    if (velocita == Voto::Sufficiente)
        return Voto::Buono;
    return errori;
}

const std::string& parolaDi(Voto voto, const ParoleValutazione& parole) {
    switch (voto) {
    case Voto::Ottimo:
        return parole[0];
    case Voto::Buono:
        return parole[1];
    case Voto::Sufficiente:
        return parole[2];
    case Voto::Insufficiente:
        break;
    }
    return parole[3];
}

TotaliTesto CalcolaTotali(const ModTastiro& mod) {
    TotaliTesto t;
    t.secondiTotali = std::max<long long>(mod.TextElapsed.count(), 0);
    t.tempoTesto = dueCifre(t.secondiTotali / 3600) + ":" + dueCifre(t.secondiTotali / 60 % 60) +
                   ":" + dueCifre(t.secondiTotali % 60);
    t.battute = mod.TotalCorrect;
    t.errori = mod.TotalErrors;
    t.esatte = mod.TotalCorrect - mod.TotalErrors;
    t.parole = mod.WordCount;
    if (t.battute > 0) {
        t.rapportoErrori = t.errori / static_cast<double>(t.battute);
        t.rapportoEsatte = t.esatte / static_cast<double>(t.battute);
    }
    if (t.secondiTotali > 0) {
        t.battuteSecondo = t.battute / static_cast<double>(t.secondiTotali);
        t.battuteMinuto = t.battuteSecondo * 60.0;
    }
    return t;
}

std::array<std::string, 9> righeRapporto(const TestiRapporto& testi, const TotaliTesto& t) {
    const auto& s = testi.testi;
    return {s[8],
            s[9] + ": " + t.tempoTesto,
            s[4] + ": " + std::to_string(t.battute),
            s[2] + ": " + std::to_string(t.esatte),
            s[10] + ": " + formatoPercento(t.rapportoEsatte),
            s[5] + ": " + std::to_string(t.errori),
            s[6] + ": " + formatoPercento(t.rapportoErrori),
            s[1] + ": " + formatoDecimale(t.battuteMinuto),
            s[3] + ": " + std::to_string(t.parole)};
}

Rapporto::Rapporto(const ModTastiro& mod, TestiRapporto testi)
    : mod_(mod), testi_(std::move(testi)), nomeUtente_(mod.UserName), totali_(CalcolaTotali(mod)) {}

} // namespace scrivolta
