// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/stamparisultati.h"

#include "reports/risultati.h"

#include <array>
#include <exception>

namespace scrivolta {

namespace {

constexpr Colore kNero = rgb(0, 0, 0);
constexpr std::array<float, 3> kAltezzeLivelli{48, 106, 164};
constexpr std::array<float, 3> kAltezzeSimboli{70, 130, 187};
constexpr std::array<Colore, 3> kColoriLivelli{rgb(0, 255, 0), rgb(230, 194, 0), rgb(255, 0, 0)};

// Runs every step of the print and remembers whether one failed
// (`erroreStampa`): the page is finished first and judged at the end.
class Stampa {
public:
    Stampa(SuperficieStampa& s, Classifica& c, const std::function<int(int)>& larghezza)
        : s_(s), c_(c), larghezzaNumero_(larghezza) {}

    template <class F> void passo(F&& f) {
        try {
            f();
        } catch (const std::exception&) {
            errore_ = true;
        }
    }
    bool errore() const { return errore_; }

    void intestazione(const std::string& data);
    void riga();
    void livello(int k);
    void totali();

private:
    void aCapo() {
        passo([&] { s_.scrivi({}, true); });
    }
    void rigaTabella(const std::string& etichetta, float velocita, int punteggio,
                     const std::string& voce);
    void titoloTotali();
    void medieTotali(const TotaliRisultati& tot);
    void erroriTotali(const TotaliRisultati& tot);
    void piede();

    SuperficieStampa& s_;
    Classifica& c_;
    const std::function<int(int)>& larghezzaNumero_;
    bool errore_ = false;
};

void Stampa::intestazione(const std::string& data) {
    passo([&] { s_.coloreTesto(kNero); });
    passo([&] { s_.font("Arial"); });
    passo([&] { s_.dimensione(20); });
    passo([&] { s_.grassetto(true); });
    passo([&] { s_.corsivo(true); });
    passo([&] { s_.x(15); });
    passo([&] { s_.y(15); });
    passo([&] { s_.scrivi(kNomeProgramma, true); });
    passo([&] { s_.dimensione(12); });
    passo([&] { s_.grassetto(false); });
    passo([&] { s_.corsivo(false); });
    riga();
    passo([&] { s_.x(15); });
    passo([&] { s_.y(30); });
    passo([&] { s_.scrivi(c_.testi().testi[10] + c_.nomeUtente(), false); });
    passo([&] { s_.x(130); });
    passo([&] { s_.scrivi(data, true); });
    passo([&] { s_.immagine(Figura::Tastiera, 0, 167, 9, 15, 15); });
}

// `StampaRiga`: a rule of 120 dashes.
void Stampa::riga() {
    passo([&] { s_.x(15); });
    for (int i = 0; i < 10; ++i)
        passo([&] { s_.scrivi("------------", false); });
}

void Stampa::rigaTabella(const std::string& etichetta, float velocita, int punteggio,
                         const std::string& voce) {
    passo([&] { s_.scrivi(etichetta, false); });
    passo([&] { s_.scrivi(velocitaAlMinuto(velocita), false); });
    passo([&] { s_.x(100); });
    passo([&] { s_.scrivi(voce, false); });
    passo([&] { s_.x(130.0F - static_cast<float>(larghezzaNumero_(punteggio)) - 1.0F); });
    passo([&] { s_.scrivi(std::to_string(punteggio), true); });
}

// `StampaDati` of level `k` (0-2).
void Stampa::livello(int k) {
    const auto& t = c_.testi().testi;
    const std::string suffisso = c_.testi().suffissoVelocita();
    const auto i = static_cast<std::size_t>(k);
    passo([&] { s_.y(kAltezzeLivelli[i]); });
    passo([&] { s_.coloreTesto(kColoriLivelli[i]); });
    passo([&] { s_.dimensione(14); });
    passo([&] { s_.grassetto(true); });
    passo([&] { s_.x(15); });
    passo([&] { s_.scrivi(t[11] + std::to_string(k + 1), false); });
    passo([&] { s_.coloreTesto(kNero); });
    passo([&] { s_.dimensione(12); });
    passo([&] { s_.x(100); });
    passo([&] { s_.scrivi(t[12] + c_.mod().ModeName, true); });
    passo([&] { s_.grassetto(false); });
    riga();
    aCapo();
    aCapo();
    const LivelloRisultati& l = c_.livello(k);
    for (std::size_t r = 0; r < l.righe.size(); ++r) {
        passo([&] { s_.x(20); });
        rigaTabella(t[2] + std::to_string(r + 1) + suffisso, l.righe[r].velocita,
                    l.righe[r].punteggio, t[3]);
    }
    aCapo();
    passo([&] { s_.x(20); });
    passo([&] { s_.dimensione(12); });
    passo([&] { s_.grassetto(true); });
    rigaTabella(t[4] + suffisso, l.mediaVelocita, l.mediaPunteggio, "Punteggio");
    passo([&] {
        s_.immagine(Figura::Simbolo, FasciaRisultato(l.mediaPunteggio), 164, kAltezzeSimboli[i], 14,
                    14);
    });
}

// `Stampatotali`: the heading, the averages, the errors with their grade,
// and the foot of the page.
void Stampa::totali() {
    titoloTotali();
    const TotaliRisultati tot = c_.totali();
    medieTotali(tot);
    erroriTotali(tot);
    piede();
}

void Stampa::titoloTotali() {
    passo([&] { s_.dimensione(12); });
    passo([&] { s_.grassetto(true); });
    passo([&] { s_.corsivo(true); });
    passo([&] { s_.x(15); });
    passo([&] { s_.y(220); });
    aCapo();
    passo([&] { s_.x(15); });
    passo([&] { s_.coloreTesto(rgb(0, 0, 255)); });
    passo([&] { s_.scrivi(c_.testi().testi[15], true); });
    passo([&] { s_.grassetto(false); });
    passo([&] { s_.corsivo(false); });
    passo([&] { s_.coloreTesto(kNero); });
    riga();
    aCapo();
    aCapo();
}

void Stampa::medieTotali(const TotaliRisultati& tot) {
    const auto& t = c_.testi().testi;
    passo([&] { s_.x(20); });
    passo([&] { s_.grassetto(true); });
    passo([&] { s_.dimensione(14); });
    passo(
        [&] { s_.scrivi(t[16] + " " + c_.mod().MsgPerMinute + ":  " + tot.velocitaMedia, false); });
    passo([&] { s_.x(100); });
    passo([&] { s_.scrivi(t[17] + " " + std::to_string(tot.punteggioMedio), true); });
    passo([&] { s_.dimensione(12); });
    passo([&] { s_.grassetto(false); });
    passo([&] { s_.corsivo(true); });
    aCapo();
}

void Stampa::erroriTotali(const TotaliRisultati& tot) {
    const auto& t = c_.testi().testi;
    passo([&] { s_.x(20); });
    passo([&] { s_.scrivi(t[18] + " " + std::to_string(tot.errori), true); });
    passo([&] { s_.x(20); });
    passo([&] { s_.scrivi(t[19] + " " + std::to_string(tot.battute), true); });
    passo([&] { s_.x(20); });
    passo([&] { s_.scrivi(t[20] + " " + tot.rapportoErrori, false); });
    passo([&] { s_.dimensione(12); });
    passo([&] { s_.grassetto(true); });
    passo([&] { s_.scrivi("    (" + tot.valutazione + ")", true); });
    passo([&] { s_.grassetto(false); });
    passo([&] {
        s_.immagine(Figura::Simbolo, FasciaRisultato(tot.punteggioMedio), 164, 250, 14, 14);
    });
    passo([&] { s_.rettangolo(159, 245, 183, 269); });
}

// The practised source on the left, the program's credits on the right.
void Stampa::piede() {
    passo([&] { s_.y(276); });
    passo([&] { s_.x(15); });
    passo([&] { s_.dimensione(8); });
    passo([&] { s_.scrivi(c_.rigaFonte(), true); });
    passo([&] { s_.y(276); });
    passo([&] { s_.x(140); });
    passo([&] { s_.scrivi(std::string(kNomeProgramma) + kRigaCrediti, true); });
}

} // namespace

bool ChiediStampa(MessageBoxes& messaggi, const TestiClassifica& testi) {
    return messaggi.mostra(testi.testi[7], kNomeProgramma, Icona::Domanda, Pulsanti::SiNo) !=
           Risposta::No;
}

bool StampaRisultati(SuperficieStampa& stampante, Classifica& classifica,
                     const std::function<int(int)>& larghezzaNumero, const std::string& data,
                     MessageBoxes& messaggi) {
    Stampa stampa(stampante, classifica, larghezzaNumero);
    stampa.passo([&] { stampante.unitaMillimetri(); });
    stampa.passo([&] { stampante.verticale(); });
    stampa.passo([&] { stampante.cartaA4(); });
    stampa.intestazione(data);
    for (int k = 0; k < classifica.livelliMostrati(); ++k)
        stampa.livello(k);
    stampa.totali();
    const auto& t = classifica.testi().testi;
    if (stampa.errore()) {
        stampa.passo([&] { stampante.annulla(); });
        messaggi.mostra(t[9], kNomeProgramma, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    stampa.passo([&] { stampante.fine(); });
    if (stampa.errore()) {
        messaggi.mostra(t[9], kNomeProgramma, Icona::Errore, Pulsanti::Ok);
        return false;
    }
    messaggi.mostra(t[8], kNomeProgramma, Icona::Informazione, Pulsanti::Ok);
    return true;
}

} // namespace scrivolta
