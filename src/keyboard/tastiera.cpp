// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/tastiera.h"

#include "keyboard/mappatasti.h"

#include <cmath>

namespace scrivolta {

namespace {

constexpr Colore kGrigioRilievo = rgb(128, 128, 128);
constexpr Colore kBianco = rgb(255, 255, 255);
constexpr int kSchiarimentoRilievo = 50;
constexpr int kCorniceInvioAlto = 2;
constexpr int kCorniceInvioBasso = 3;

int arrotonda(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace

Tastiera::Tastiera() : coloriRilievo_{kGrigioRilievo, kBianco, kGrigioRilievo, kBianco} {
    for (int i = 0; i < kNumeroTasti; ++i)
        tasti_[static_cast<std::size_t>(i)].didascalia =
            std::string(kTasti[static_cast<std::size_t>(i)].didascalia);
    cornici_[0] = {true, false, {0, 0, kAltezzaCornice, kAltezzaCornice}};
}

void Tastiera::impostaScala(bool scalata) {
    scalata_ = scalata;
    const Rettangolo cornice = inPixel(
        {0, 0, kAltezzaCornice * kTwipsPerPixel, kAltezzaCornice * kTwipsPerPixel}, scalata);
    cornici_[0].r.height = cornice.height;
    avvisaSegni();
}

Rettangolo Tastiera::rettangolo(int tasto) const {
    return rettangoloPixel(tasto, scalata_);
}

const StatoTasto& Tastiera::stato(int tasto) const {
    return tasti_.at(static_cast<std::size_t>(tasto));
}

std::vector<Segmento> Tastiera::contorno(int tasto) const {
    const StatoTasto& s = stato(tasto);
    return contornoTasto(rettangolo(tasto), s.sfondo, s.premuto, tastieraSemplice, spessoreRilievo);
}

void Tastiera::DisegnaTasto(int tasto, bool premuto) {
    StatoTasto& s = tasti_.at(static_cast<std::size_t>(tasto));
    s.premuto = premuto;
    s.grassetto = premuto;
    avvisaTasto(tasto);
}

void Tastiera::RipristinaTastiera() {
    for (int i = 0; i < kNumeroTasti; ++i)
        DisegnaTasto(i, false);
    for (const auto& d : kDidascalieEsecuzione) {
        auto& didascalia = tasti_[static_cast<std::size_t>(d.tasto)].didascalia;
        didascalia.assign(d.primaRiga).append("\r\n").append(d.secondaRiga);
        avvisaTasto(d.tasto);
    }
}

bool Tastiera::MostraTastoSuccessivo(unsigned char carattere) {
    if (evidenzia)
        NascondiEvidenziazione();
    const auto voce = cercaCarattere(carattere);
    if (!voce)
        return false;
    const VoceMappa& v = mappaTasti[static_cast<std::size_t>(*voce)];

    if (ripristinoNecessario_) {
        RipristinaTastiera();
        ripristinoNecessario_ = false;
    } else {
        DisegnaTasto(tastoCorrente_, false);
        DisegnaTasto(indiceTasto::ShiftSinistro, false);
        DisegnaTasto(indiceTasto::ShiftDestro, false);
    }
    if (evidenzia)
        incorniciaTasto(0, v.tasto);
    DisegnaTasto(v.tasto, true);

    if (*voce == kVoceInvio) {
        if (evidenzia) {
            PreparaEvidenziaInvio();
            cornici_[kCorniceInvioAlto].visibile = true;
            cornici_[kCorniceInvioBasso].visibile = true;
        }
        DisegnaTasto(indiceTasto::InvioAlto, true);
        ripristinoNecessario_ = true;
    }

    int cornice = 1;
    for (const int extra : tastiExtra(v.modificatore)) {
        if (evidenzia)
            incorniciaTasto(cornice++, extra);
        DisegnaTasto(extra, true);
    }
    if (richiedeRipristino(v.modificatore))
        ripristinoNecessario_ = true;
    tastoCorrente_ = v.tasto;
    avvisaSegni();
    return true;
}

void Tastiera::incorniciaTasto(int cornice, int tasto) {
    Cornice& c = cornici_[static_cast<std::size_t>(cornice)];
    // A frame that was never created cannot be shown; the key is still drawn.
    if (!c.esiste)
        return;
    const Rettangolo r = rettangolo(tasto);
    c.r = {r.left, r.top, r.width, c.r.height};
    c.visibile = true;
}

void Tastiera::NascondiEvidenziazione() {
    for (auto& c : cornici_)
        c.visibile = false;
    erroreVisibile_ = false;
    avvisaSegni();
}

void Tastiera::PreparaEvidenziaInvio() {
    for (std::size_t i = 1; i < cornici_.size(); ++i) {
        if (!cornici_[i].esiste)
            cornici_[i] = {true, false, cornici_[0].r};
    }
    cornici_[kCorniceInvioAlto].r = rettangolo(indiceTasto::InvioAlto);
    cornici_[kCorniceInvioBasso].r = rettangolo(indiceTasto::InvioBasso);
    avvisaSegni();
}

void Tastiera::coloraTutti(bool perDito) {
    for (int i = 0; i < kNumeroTasti; ++i) {
        tasti_[static_cast<std::size_t>(i)].sfondo =
            perDito ? coloreDito(kTasti[static_cast<std::size_t>(i)].dito) : kGrigioTasti;
        DisegnaTasto(i, false);
    }
    const Colore rilievo = perDito ? kColoreIndici : kGrigioTasti;
    ColoraRilievo(rilievo, 0);
    ColoraRilievo(rilievo, 2);
}

void Tastiera::ColorTasti() {
    coloraTutti(true);
    if (!strisciaVisibile_)
        MostraMappaDita(true);
}

void Tastiera::coloraTasto(int tasto, Colore sfondo) {
    tasti_.at(static_cast<std::size_t>(tasto)).sfondo = sfondo;
    avvisaTasto(tasto);
}

void Tastiera::SpegniColori() {
    coloraTutti(false);
    MostraMappaDita(false);
    strisciaVisibile_ = false;
    avvisaSegni();
}

void Tastiera::ColoraRilievo(Colore colore, int linea) {
    coloriRilievo_.at(static_cast<std::size_t>(linea) + 1) =
        schiarito(colore, kSchiarimentoRilievo);
    coloriRilievo_.at(static_cast<std::size_t>(linea)) = schiarito(colore, -kSchiarimentoRilievo);
    avvisaSegni();
}

void Tastiera::MostraMappaDita(bool visibile) {
    ditaVisibili_ = visibile;
    avvisaSegni();
}

void Tastiera::PosizionaMappaDita(bool schermoGrande) {
    const int d = schermoGrande ? 0 : 4;
    for (std::size_t i = 0; i < kTastiBaseDita.size(); ++i) {
        const Rettangolo k = rettangolo(kTastiBaseDita[i]);
        posizioniDita_[i] = {k.left + k.width - kLatoImmagine + d,
                             k.top + k.height - kLatoImmagine + d};
    }
    const Rettangolo spazio = rettangolo(indiceTasto::Spazio);
    const int alto = spazio.top + spazio.height - kLatoImmagine;
    posizioniDita_[8] = {spazio.left, alto};
    posizioniDita_[9] = {spazio.left + spazio.width - kLatoImmagine, alto};
    avvisaSegni();
}

void Tastiera::NascondiDitaMostraStriscia() {
    ditaVisibili_ = false;
    strisciaVisibile_ = true;
    avvisaSegni();
}

void Tastiera::NascondiStrisciaMostraDita() {
    strisciaVisibile_ = false;
    ditaVisibili_ = true;
    avvisaSegni();
}

bool Tastiera::MostraErrore(unsigned char carattere) {
    const auto voce = cercaCarattere(carattere);
    if (!voce)
        return false;
    const Rettangolo k = rettangolo(mappaTasti[static_cast<std::size_t>(*voce)].tasto);
    posizioneErrore_ = {arrotonda(k.left + k.width / 2.0 - kLatoImmagine / 2.0),
                        arrotonda(k.top + k.height / 2.0 - kLatoImmagine / 2.0)};
    erroreVisibile_ = true;
    avvisaSegni();
    return true;
}

void Tastiera::NascondiErrore() {
    erroreVisibile_ = false;
    avvisaSegni();
}

void Tastiera::impostaEvidenziaInvio(bool grassetto, Colore testo) {
    StatoTasto& s = tasti_[indiceTasto::InvioAlto];
    s.grassetto = grassetto;
    s.testo = testo;
    avvisaTasto(indiceTasto::InvioAlto);
}

void Tastiera::azzeraMarcatura() {
    tastoCorrente_ = 0;
    ripristinoNecessario_ = false;
}

void Tastiera::avvisaTasto(int tasto) {
    if (osservatore_)
        osservatore_->tastoCambiato(tasto);
}

void Tastiera::avvisaSegni() {
    if (osservatore_)
        osservatore_->segniCambiati();
}

} // namespace scrivolta
