// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/colore.h"
#include "app/indirizzi.h"
#include "app/testo.h"
#include "content/cartelle.h"
#include "reports/classifica.h"
#include "reports/esportapdf.h"
#include "reports/formati.h"
#include "reports/rapporto.h"

namespace scrivolta {

namespace {

constexpr std::int32_t kNero = 0;
// The Symbol font's lozenge.
constexpr const char* kRombo = "\xE0";

std::int32_t colore(Colore c) {
    return static_cast<std::int32_t>(c);
}

void linea(DocumentoPdf& d, float y) {
    d.MoveTo(2.0F, y);
    d.LineTo(20.0F, y, 1);
}

void intestazione(DocumentoPdf& d, const Rapporto& r, const std::string& data) {
    const auto& t = r.testi().testi;
    d.BeginPage();
    d.SetColorFill(kNero);
    d.DrawText(2.0F, 27.0F, kNomeProgramma, "Fn2", 24, 0, 0);
    d.SetLineWidth(0.01F);
    linea(d, 26.5F);
    d.SetColorStroke(colore(rgb(244, 244, 244)));
    d.SetLineWidth(0.7F);
    linea(d, 26.1F);
    d.SetColorStroke(kNero);
    d.DrawText(2.0F, 26.0F, t[12] + " " + r.nomeUtente(), "Fn1", 12, 0, 0);
    d.DrawText(20.0F, 26.0F, data, "Fn1", 10, 1, 0);
    d.SetLineWidth(0.01F);
    linea(d, 25.7F);
    d.DrawText(10.5F, 24.0F, t[8], "Fn1", 18, 2, 0);
    d.DrawText(10.5F, 22.8F, nomeFileMostrato(r.mod().ExerciseFile), "Fn1", 14, 2, 0);
    d.SetLineWidth(0.7F);
    d.SetColorStroke(colore(r.mod().ExpertMode ? rgb(255, 226, 226) : rgb(236, 255, 213)));
    linea(d, 21.6F);
    d.SetColorStroke(kNero);
    d.SetLineWidth(0.01F);
    linea(d, 21.95F);
    linea(d, 21.2F);
    d.DrawText(10.5F, 21.45F, t[7] + ": " + r.mod().ModeName, "Fn3", 12, 2, 0);
}

void voce(DocumentoPdf& d, float y, const std::string& testo, const char* font) {
    d.DrawText(2.0F, y, kRombo, "Fn5", 12, 0, 0);
    d.DrawText(2.5F, y, testo, font, 12, 0, 0);
}

void cifre(DocumentoPdf& d, const Rapporto& r) {
    const auto& t = r.testi().testi;
    const TotaliTesto& n = r.totali();
    const bool esperto = r.mod().ExpertMode;
    const ParoleValutazione parole = r.testi().parole();
    voce(d, 19.0F, t[9] + ": " + n.tempoTesto, "Fn1");
    voce(d, 18.0F, t[4] + ": " + std::to_string(n.battute), "Fn1");
    voce(d, 17.0F, t[2] + ": " + std::to_string(n.esatte), "Fn1");
    voce(d, 16.0F, t[10] + ": " + formatoPercento(n.rapportoEsatte), "Fn3");
    voce(d, 14.5F, t[5] + ": " + std::to_string(n.errori), "Fn1");
    voce(d, 13.5F, t[6] + ": " + formatoPercento(n.rapportoErrori), "Fn3");
    const Voto errori = ValutaErrori(n.rapportoErrori * 100.0, esperto);
    d.DrawText(10.5F, 13.5F, t[24] + ": " + parolaDi(errori, parole), "Fn1", 12, 0, 0);
    voce(d, 12.0F, t[1] + ": " + formatoDecimale(n.battuteMinuto), "Fn3");
    const Voto velocita = ValutaVelocita(n.battuteMinuto, esperto);
    d.DrawText(10.5F, 12.0F, t[24] + ": " + parolaDi(velocita, parole), "Fn1", 12, 0, 0);
    voce(d, 11.0F, t[0] + ": " + formatoDecimale(n.battuteSecondo), "Fn1");
    linea(d, 10.2F);
    d.DrawText(2.5F, 9.5F, t[3] + ": " + std::to_string(n.parole), "Fn1", 12, 0, 0);
}

void caratteri(DocumentoPdf& d, const Rapporto& r, const ConteggioCaratteri& c) {
    const auto& t = r.testi().testi;
    const auto scrivi = [&](float x, float y, const std::string& testo, int numero) {
        d.DrawText(x, y, testo + ": " + std::to_string(numero), "Fn1", 10, 0, 0);
    };
    scrivi(2.5F, 8.5F, t[13] + " (ABC)", c.maiuscole);
    scrivi(10.5F, 8.5F, t[14] + " (abc)", c.minuscole);
    scrivi(2.5F, 8.0F, t[15] + " (123)", c.cifre);
    scrivi(10.5F, 8.0F, t[16] + " (;,:?!)", c.punteggiatura);
    scrivi(2.5F, 7.5F, t[17], c.spazi);
    scrivi(10.5F, 7.5F, t[18] + " (\xE0\xEC+#/)", c.speciali);
}

void valutazione(DocumentoPdf& d, const Rapporto& r) {
    const auto& t = r.testi().testi;
    const TotaliTesto& n = r.totali();
    const bool esperto = r.mod().ExpertMode;
    linea(d, 7.0F);
    d.SetLineWidth(0.7F);
    d.SetColorStroke(colore(rgb(236, 236, 236)));
    linea(d, 5.2F);
    const Voto complessivo = ValutazioneComplessiva(
        ValutaVelocita(n.battuteMinuto, esperto), ValutaErrori(n.rapportoErrori * 100.0, esperto));
    d.DrawText(10.5F, 5.0F, t[23] + ": " + parolaDi(complessivo, r.testi().parole()), "Fn1", 14, 2,
               0);
    d.SetColorStroke(kNero);
    d.SetLineWidth(0.01F);
    for (const float y : {5.6F, 4.8F, 2.5F, 2.35F})
        linea(d, y);
    d.DrawText(10.5F, 1.9F, std::string(kNomeProgramma) + kRigaCrediti, "Fn1", 8, 2, 0);
    if (!kIndirizzi.sito.empty())
        d.DrawText(10.5F, 1.5F, std::string(kIndirizzi.sito), "Fn1", 8, 2, 0);
}

} // namespace

std::optional<std::string> Rapporto::CreaPDFRapporto(DocumentoPdf& documento,
                                                     const std::string& cartella,
                                                     const std::string& data,
                                                     MessageBoxes& messaggi) {
    const ConteggioCaratteri conteggio = ContaCaratteri(mod_.ReportText);
    if (nomeUtente_.empty())
        nomeUtente_ = kNomeProgramma;
    return scriviPdf(documento, percorsoPdf(cartella, nomeUtente_), testi_.testi[11], messaggi,
                     [&](DocumentoPdf& d) {
                         d.LoadFont("Fn1", "Arial", 0);
                         d.LoadFont("Fn2", "Arial", 3);
                         d.LoadFont("Fn3", "Arial", 1);
                         d.LoadFont("Fn5", "Symbol", 0);
                         intestazione(d, *this, data);
                         cifre(d, *this);
                         caratteri(d, *this, conteggio);
                         valutazione(d, *this);
                     });
}

} // namespace scrivolta
