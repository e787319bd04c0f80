// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/pdfrisultati.h"

#include "app/colore.h"
#include "reports/esportapdf.h"
#include "reports/formati.h"

#include <algorithm>
#include <array>

namespace scrivolta {

namespace {

constexpr std::int32_t kNero = 0;
constexpr std::array<Colore, 3> kBandeLivelli{rgb(236, 255, 213), rgb(255, 255, 199),
                                              rgb(255, 226, 226)};

std::int32_t colore(Colore c) {
    return static_cast<std::int32_t>(c);
}

void linea(DocumentoPdf& d, float x1, float y1, float x2, float y2) {
    d.MoveTo(x1, y1);
    d.LineTo(x2, y2, 1);
}

void caricaFont(DocumentoPdf& d) {
    d.LoadFont("Fn1", "Arial", 0);
    d.LoadFont("Fn2", "Arial", 3);
    d.LoadFont("Fn3", "Arial", 1);
    d.LoadFont("Fn4", "Arial", 2);
}

void intestazione(DocumentoPdf& d, const Classifica& c, const std::string& data) {
    d.DrawText(2.0F, 27.5F, kNomeProgramma, "Fn2", 24, 0, 0);
    d.SetLineWidth(0.01F);
    linea(d, 2.0F, 27.3F, 20.0F, 27.3F);
    d.DrawText(2.0F, 26.7F, c.testi().testi[10] + c.nomeUtente(), "Fn1", 12, 0, 0);
    d.DrawText(20.0F, 26.7F, data, "Fn1", 10, 1, 0);
}

// The coloured bands behind the level headings, and the headings.
void titoliLivelli(DocumentoPdf& d, const Classifica& c) {
    d.SetLineWidth(0.7F);
    for (std::size_t k = 0; k < kBandeLivelli.size(); ++k) {
        const float y = 25.2F - 6.0F * static_cast<float>(k);
        d.SetColorStroke(colore(kBandeLivelli[k]));
        linea(d, 2.0F, y, 20.0F, y);
    }
    d.SetColorStroke(kNero);
    d.SetColorFill(kNero);
    d.SetLineWidth(0.01F);
    const auto& t = c.testi().testi;
    float y = 25.0F;
    for (int k = 1; k <= 3; ++k) {
        d.DrawText(2.0F, y, t[11] + std::to_string(k), "Fn1", 16, 0, 0);
        d.DrawText(12.0F, y, t[12] + c.mod().ModeName, "Fn3", 12, 0, 0);
        linea(d, 2.0F, y - 0.3F, 20.0F, y - 0.3F);
        y -= 6.0F;
    }
}

struct Colonne {
    float velocita;
    float punteggio;
};

void bloccoLivello(DocumentoPdf& d, const Classifica& c, int k, Colonne col) {
    const auto& t = c.testi().testi;
    const std::string suffisso = c.testi().suffissoVelocita();
    const LivelloRisultati& l = c.livello(k);
    float y = 24.0F - 6.0F * static_cast<float>(k);
    for (std::size_t r = 0; r < l.righe.size(); ++r) {
        d.DrawText(2.5F, y, t[2] + std::to_string(r + 1) + suffisso, "Fn1", 12, 0, 0);
        d.DrawText(col.velocita, y, velocitaAlMinuto(l.righe[r].velocita), "Fn1", 12, 1, 0);
        d.DrawText(12.0F, y, t[3], "Fn1", 12, 0, 0);
        d.DrawText(col.punteggio, y, std::to_string(l.righe[r].punteggio), "Fn1", 12, 1, 0);
        y -= 0.5F;
    }
    d.DrawText(2.5F, y - 1, t[4] + suffisso, "Fn3", 12, 0, 0);
    d.DrawText(col.velocita + 0.1F, y - 1, velocitaAlMinuto(l.mediaVelocita), "Fn3", 12, 1, 0);
    d.DrawText(12.0F, y - 1, t[3] + "  ", "Fn3", 12, 0, 0);
    d.DrawText(col.punteggio, y - 1, std::to_string(l.mediaPunteggio), "Fn3", 12, 1, 0);
}

void totali(DocumentoPdf& d, Classifica& c) {
    const auto& t = c.testi().testi;
    d.DrawText(2.0F, 7.0F, t[15], "Fn2", 14, 0, 0);
    d.SetLineWidth(0.01F);
    linea(d, 2.0F, 6.7F, 20.0F, 6.7F);
    d.SetColorStroke(colore(rgb(244, 244, 244)));
    d.SetLineWidth(2.8F);
    linea(d, 2.0F, 5.1F, 20.0F, 5.1F);
    const TotaliRisultati tot = c.totali();
    d.DrawText(2.5F, 6.0F, t[16] + " " + c.mod().MsgPerMinute + ":  " + tot.velocitaMedia, "Fn1",
               12, 0, 0);
    d.DrawText(12.0F, 6.0F, t[17] + " " + std::to_string(tot.punteggioMedio), "Fn1", 12, 0, 0);
    d.DrawText(2.5F, 5.0F, t[18] + " " + std::to_string(tot.errori), "Fn1", 10, 0, 0);
    d.DrawText(2.5F, 4.5F, t[19] + " " + std::to_string(tot.battute), "Fn1", 10, 0, 0);
    d.DrawText(12.0F, 4.8F, t[20] + " " + tot.rapportoErrori + "  (" + tot.valutazione + ")", "Fn1",
               10, 0, 0);
}

void piede(DocumentoPdf& d, const Classifica& c) {
    d.SetColorStroke(kNero);
    d.SetLineWidth(0.01F);
    linea(d, 2.0F, 3.5F, 20.0F, 3.5F);
    d.DrawText(2.0F, 1.5F, c.rigaFonte(), "Fn1", 7, 0, 0);
    d.DrawText(20.0F, 1.5F, std::string(kNomeProgramma) + kRigaCrediti, "Fn1", 7, 1, 0);
}

void pagina(DocumentoPdf& d, Classifica& c, const std::string& data) {
    caricaFont(d);
    d.BeginPage();
    d.SetColorFill(kNero);
    intestazione(d, c, data);
    titoliLivelli(d, c);
    const auto& t = c.testi().testi;
    // The numbers of a column end a centimetre after the longest label
    // before them, measured in its own font: the level's average is bold and,
    // in French, longer than a phrase's label.
    const std::string suffisso = c.testi().suffissoVelocita();
    const Colonne colonne{
        std::max(d.Length(t[2] + "1" + suffisso, "Fn1", 12), d.Length(t[4] + suffisso, "Fn3", 12)) +
            2.5F + 1,
        std::max(d.Length(t[3], "Fn1", 12), d.Length(t[3], "Fn3", 12)) + 12.0F + 1};
    for (int k = 0; k < 3; ++k)
        bloccoLivello(d, c, k, colonne);
    totali(d, c);
    piede(d, c);
}

} // namespace

std::optional<std::string> CreaPDF(DocumentoPdf& documento, Classifica& classifica,
                                   const std::string& cartella, const std::string& data,
                                   MessageBoxes& messaggi) {
    classifica.nomePerPdf();
    return scriviPdf(documento, percorsoPdf(cartella, classifica.nomeUtente()),
                     classifica.testi().testi[28], messaggi,
                     [&](DocumentoPdf& d) { pagina(d, classifica, data); });
}

} // namespace scrivolta
