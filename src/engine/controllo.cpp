// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dominio.h"
#include "app/testo.h"
#include "content/cartelle.h"
#include "content/filetesto.h"
#include "content/frasi.h"
#include "engine/esercizio.h"

#include <algorithm>
#include <cmath>

namespace scrivolta {

namespace {

constexpr std::size_t kInizioTestoFile = 35;
constexpr std::size_t kMassimoTitoloFonte = 30;
constexpr Colore kMarcatorePrincipiante = rgb(0, 0, 255);
constexpr Colore kMarcatoreEsperto = rgb(255, 0, 0);
constexpr int kPausaSalutoMs = 125;

} // namespace

void Esercizio::impostaRigaComando(std::string rigaComando, bool testoDaRigaComando) {
    rigaComando_ = std::move(rigaComando);
    testoDaRigaComando_ = testoDaRigaComando;
}

void Esercizio::impostaSeparatore(std::string separatore) {
    separatore_ = std::move(separatore);
    stato_.contatori = {contatore(esatteFrase_, mod_.TotalCorrect),
                        contatore(errateFrase_, mod_.TotalErrors)};
}

void Esercizio::abilitaAvvio(bool abilitato) {
    avvioAbilitato_ = abilitato;
}

void Esercizio::abilitaMenu(bool attivo) {
    stato_.menuAttivo = attivo;
    vista_.statoCambiato();
}

void Esercizio::cmdStart_Click() {
    // An exercise that is already over (restart, the game, a new language)
    // goes straight back to the greeting instead of loading a phrase.
    const bool giaFinito = esercizioFinito_;
    if (mod_.KeyMapShown)
        vista_.scaricaMappaTasti();
    if (tastiera_.mappaColori && !tastiera_.strisciaVisibile())
        tastiera_.MostraMappaDita(true);
    stato_.menuInformazioni = false;
    fermaLampeggioOra();
    tastiera_.RipristinaTastiera();
    stato_.ora = "00:00";
    stato_.progressoVisibile = false;
    stato_.progresso = 0;
    stato_.marcatore.width = 0;
    mod_.TextFileMode = testoDaRigaComando_;
    mod_.TextElapsed = std::chrono::seconds(0);
    servizi_.waiter.processEvents();
    stato_.selettori = false;
    stato_.menuCategorie = false;
    if (scelta_.categoria() != Categoria::FrasiInterne)
        usaFileScelto();
    if (!giaFinito && !FraseSuccessiva())
        return;
    if (esercizioFinito_) {
        azzeraPerNuovoCiclo();
        return;
    }
    if (mod_.TextFileMode)
        mostraTestoFile();
    else
        mostraFrase();
    preparaDigitazione();
}

void Esercizio::tornaAlSaluto() {
    AvviaCronometro(false);
    scelta_.optMenu_Click(Categoria::FrasiInterne, mod_.UserName);
    esercizioFinito_ = true;
    cmdStart_Click();
}

void Esercizio::mostraTestoFile() {
    stato_.modo = ModoDisplay::TestoFile;
    inizioVisibile_ = 0;
    stato_.frase = testoCorrente_.substr(0, kInizioTestoFile);
    stato_.contatori = {"0", "0"};
    stato_.numeroFrase.clear();
    inizioLivello_ = true;
    mod_.CurrentLevel = 3;
    mod_.WordCount = 0;
    mod_.ReportText.clear();
    stato_.titolo =
        std::string(kNomeProgramma) + "  - File: " + nomeFileMostrato(mod_.ExerciseFile);
    stato_.progressoVisibile = true;
}

void Esercizio::mostraFrase() {
    stato_.modo = ModoDisplay::Frase;
    stato_.frase = testoCorrente_;
    stato_.contatori = {contatore(0, mod_.TotalCorrect), contatore(0, mod_.TotalErrors)};
    if (primaDelLivello(numeroFrase_)) {
        ImpostaBarraRecord(larghezzaBarra_, mod_.CurrentLevel);
        inizioLivello_ = true;
    }
}

void Esercizio::preparaDigitazione() {
    stato_.marcatore = {0, 0, 0, vista_.altezzaTesto("Hg")};
    stato_.tastoMenu = false;
    stato_.messaggioVisibile = false;
    testoFinito_ = false;
    spegniMaiuscole();
    stato_.inputBloccato = false;
    stato_.input.clear();
    stato_.barraVelocita = 0;
    abilitaAvvio(false);
    esatteFrase_ = 0;
    errateFrase_ = 0;
    suona(suono::InizioFrase);
    AvanzaCarattere(true);
    if (voce_ && !carattereAtteso_.empty())
        voce_->nuovoTesto(stato_.frase, static_cast<unsigned char>(carattereAtteso_.front()));
    vista_.statoCambiato();
}

// Back to the greeting with every count at zero, ready for a new cycle.
void Esercizio::azzeraPerNuovoCiclo() {
    stato_.menuInformazioni = true;
    stato_.tastoMenu = true;
    stato_.giudizio.reset();
    esercizioFinito_ = false;
    mod_.ExerciseFile.clear();
    stato_.frase.clear();
    stato_.modo = ModoDisplay::Saluto;
    stato_.messaggioVisibile = false;
    stato_.inputBloccato = true;
    stato_.input.clear();
    testoFinito_ = false;
    if (tastiera_.evidenzia)
        tastiera_.NascondiEvidenziazione();
    stato_.livelloEvidenziato = 0;
    stato_.medie = {};
    stato_.contatori = {contatore(0, 0), contatore(0, 0)};
    esatteFrase_ = 0;
    errateFrase_ = 0;
    stato_.numeroFrase.clear();
    carattereAtteso_.clear();
    stato_.voceSalto = false;
    stato_.indicatoriVelocita = false;
    stato_.titolo = kNomeProgramma;
    tastiera_.azzeraMarcatura();
    posizione_ = 0;
    mod_.TotalErrors = 0;
    mod_.TotalCorrect = 0;
    // The speeds of an abandoned cycle would show in the next results as
    // phrases the learner never typed in it.
    mod_.PhraseSpeed = {};
    numeroFrase_ = 0;
    sommaPunteggiLivello_ = 0;
    if (scelta_.modoCorso()) {
        prossimaLezione();
        return;
    }
    stato_.menuCategorie = scelta_.altreCategorie();
    stato_.selettori = true;
    MostraSaluto();
}

bool Esercizio::FraseSuccessiva() {
    if (mod_.TextFileMode)
        return CaricaFileTesto();
    fermaLampeggioOra();
    ++numeroFrase_;
    stato_.voceSalto = false;
    servizi_.waiter.processEvents();
    if (!fineLivello())
        return false;
    if (esercizioFinito_)
        return true;
    mostraLivello();
    const int r = estraiFrase(mod_.CurrentLevel * kFrasiInternePerLivello);
    frasiUsate_[static_cast<std::size_t>(numeroFrase_)] = r;
    testoCorrente_ = mod_.ExerciseFile.empty() ? std::string() : fraseDelFile(r);
    // A phrase missing from the file is replaced by the built-in one.
    if (testoCorrente_.empty())
        testoCorrente_ = std::string(FraseInterna(r));
    return true;
}

// The results window after each level. False when the learner chose to end
// the program.
bool Esercizio::fineLivello() {
    if (primaDelLivello(numeroFrase_) && numeroFrase_ > 1) {
        mod_.ResultsKind = TipoRisultati::Livello;
        if (voce_)
            voce_->risultati(stato_.medie);
        vista_.MostraFinestra(Finestra::Risultati);
        if (terminaDopoRisultati(mod_.ResultsAnswer)) {
            vista_.chiudiProgramma();
            return false;
        }
    } else if (numeroFrase_ > kFrasiPerCiclo) {
        mod_.ResultsKind = TipoRisultati::Ciclo;
        if (voce_)
            voce_->risultati(stato_.medie);
        vista_.MostraFinestra(Finestra::Risultati);
        servizi_.waiter.processEvents();
        if (terminaDopoRisultati(mod_.ResultsAnswer)) {
            salvaSegnalibro();
            vista_.chiudiProgramma();
            return false;
        }
        nuovoCiclo();
    }
    return true;
}

void Esercizio::nuovoCiclo() {
    numeroFrase_ = 1;
    mod_.CurrentLevel = 1;
    mod_.TotalErrors = 0;
    mod_.TotalCorrect = 0;
    frasiUsate_ = {};
    stato_.medie = {};
    mod_.PhraseSpeed = {};
    salvaSegnalibro();
    // A file from the list goes back to the list, where the learner picks
    // what comes next; the built-in phrases and a file from the command line
    // start again at once.
    if (ricominciaAltrove()) {
        esercizioFinito_ = true;
        numeroFrase_ = 0;
    }
}

void Esercizio::mostraLivello() {
    mod_.CurrentLevel = livelloDellaFrase(numeroFrase_);
    const int nelLivello = numeroFrase_ - kFrasiPerLivello * (mod_.CurrentLevel - 1);
    stato_.livelloEvidenziato = mod_.CurrentLevel;
    stato_.livelloBarra = mod_.CurrentLevel;
    stato_.numeroFrase = std::to_string(nelLivello);
    std::string fonte = mod_.ExerciseFile.empty() ? testi_.messaggi[Messaggio::FrasiInterne]
                                                  : " - " + nomeFileMostrato(mod_.ExerciseFile);
    fonte = fonte.substr(0, kMassimoTitoloFonte);
    stato_.titolo = std::string(kNomeProgramma) + " " + fonte + " " +
                    testi_.messaggi[messaggioLivello(mod_.CurrentLevel)] + " " +
                    std::to_string(nelLivello);
}

// A built-in phrase of the level not yet used in this cycle.
int Esercizio::estraiFrase(int ultimaDelLivello) {
    const auto usata = [this](int r) {
        return std::find(frasiUsate_.begin() + 1, frasiUsate_.end(), r) != frasiUsate_.end();
    };
    int r = 0;
    do {
        r = static_cast<int>(std::floor(servizi_.random.next() * kFrasiInternePerLivello +
                                        ultimaDelLivello - (kFrasiInternePerLivello - 1)));
    } while (usata(r));
    return r;
}

bool Esercizio::CaricaFileTesto() {
    const FileTestoCaricato file = scrivolta::CaricaFileTesto(mod_.ExerciseFile);
    // An empty text would leave nothing to type and no way on.
    if (file.testo.empty()) {
        const std::string avviso = file.troppoLungo
                                       ? testi_.messaggi[Messaggio::TestoTroppoLungo]
                                       : testi_.messaggi[Messaggio::ErroreApertura] + "\r\n" +
                                             nomePerSchermo(mod_.ExerciseFile);
        servizi_.messages.mostra(avviso, kNomeProgramma, Icona::Errore, Pulsanti::Ok);
        mod_.ExerciseFile.clear();
        mod_.TextFileMode = false;
        esercizioFinito_ = true;
        return true;
    }
    testoCorrente_ = file.testo;
    scalaAvanzamento_ = static_cast<double>(vista_.larghezzaProgresso()) /
                        static_cast<double>(testoCorrente_.size());
    return true;
}

void Esercizio::MostraSaluto() {
    // The game would interrupt the greeting's waits and the hands' slide,
    // at the program's start too.
    stato_.giocoAttivo = false;
    stato_.modo = ModoDisplay::Saluto;
    const std::string saluto = testi_.messaggi[Messaggio::Ciao] + " " + mod_.UserName;
    suona(suono::Saluto);
    stato_.frase = saluto;
    vista_.ridisegnaOra();
    servizi_.waiter.attendi(kPausaSalutoMs);
    stato_.frase = saluto + "\r\n" + testi_.messaggi[Messaggio::ScegliLivelloEPremiInvio];
    vista_.ridisegnaOra();
    servizi_.waiter.attendi(kPausaSalutoMs);
    if (mod_.ExerciseFile.empty() && scelta_.altreCategorie()) {
        stato_.menuCategorie = true;
        stato_.frase += testi_.messaggi[Messaggio::ScegliFileDallaLista];
    }
    stato_.selettori = true;
    vista_.ridisegnaOra();
    AttendiSecondi(servizi_.clock, servizi_.waiter, 1, true);
    abilitaAvvio(true);
    FlashBotton();
    if (!tastiera_.strisciaVisibile())
        tastiera_.MostraMappaDita(false);
    vista_.statoCambiato();
    if (voce_)
        voce_->saluto(stato_.frase);
    if (osservatore_)
        osservatore_->inAttesa();
    // Last: an Enter while the hands slide in starts the phrase at once.
    vista_.MostraMappaTasti();
    stato_.giocoAttivo = true;
    vista_.statoCambiato();
}

void Esercizio::Ricomincia() {
    if (!rigaComando_.empty()) {
        servizi_.messages.mostra(testi_.messaggi[Messaggio::PulsanteNonDisponibile], kNomeProgramma,
                                 Icona::Informazione, Pulsanti::Ok);
        return;
    }
    const bool interrotto = cronometro_;
    if (interrotto)
        AvviaCronometro(false);
    const Risposta r = servizi_.messages.mostra(testi_.messaggi[Messaggio::RicominciareDaCapo],
                                                kNomeProgramma, Icona::Domanda, Pulsanti::SiNo);
    if (r != Risposta::Si) {
        if (mod_.TextFileMode)
            vista_.chiudiProgramma();
        else if (interrotto)
            AvviaCronometro(true);
        return;
    }
    stato_.menuInformazioni = true;
    AvviaCronometro(false);
    scelta_.optMenu_Click(Categoria::FrasiInterne, mod_.UserName);
    esercizioFinito_ = true;
    vista_.MostraFinestra(Finestra::NomeUtente);
    cmdStart_Click();
}

void Esercizio::ImpostaModalita(int modo) {
    mod_.ModeIndex = modo == 0 ? 0 : 1;
    mod_.ExpertMode = modo != 0;
    mod_.ModeName = testi_.nomeModalita(mod_.ExpertMode);
    mod_.SpeedFactor = mod_.ExpertMode ? 0.2F : 0.4F;
    stato_.coloreMarcatore = mod_.ExpertMode ? kMarcatoreEsperto : kMarcatorePrincipiante;
    vista_.statoCambiato();
}

void Esercizio::optLevel_Click(int indice) {
    ImpostaModalita(indice);
    if (stato_.selettori)
        suona(suono::Opzione);
    if (indice == 1) {
        // Experts type without the finger colours.
        if (!tastiera_.mappaColori)
            tastiera_.mappaColori = true;
        toggleMappaColori();
        stato_.menuMappa = false;
    } else {
        stato_.menuMappa = true;
    }
    vista_.statoCambiato();
}

void Esercizio::lblMenu_Click(VoceMenu voce) {
    switch (voce) {
    case VoceMenu::Esci:
        vista_.chiudiProgramma();
        break;
    case VoceMenu::Ricomincia:
        Ricomincia();
        break;
    case VoceMenu::Informazioni:
        vista_.mostraInformazioni();
        break;
    case VoceMenu::Suoni:
        mod_.SoundOn = !mod_.SoundOn;
        suona(suono::Opzione);
        break;
    case VoceMenu::MappaColori:
        toggleMappaColori();
        break;
    case VoceMenu::Evidenzia:
        toggleEvidenzia();
        suona(suono::Opzione);
        break;
    case VoceMenu::Sfondo:
        mod_.coloreSfondo = (mod_.coloreSfondo + 1) % kSchemiSfondo;
        vista_.sfondoCambiato();
        suona(suono::Opzione);
        break;
    case VoceMenu::Salta:
        stato_.voceSalto = false;
        txtInput_KeyPress(
            static_cast<unsigned char>(carattereAtteso_.empty() ? 0 : carattereAtteso_.front()));
        break;
    }
    vista_.statoCambiato();
}

void Esercizio::toggleMappaColori() {
    tastiera_.mappaColori = !tastiera_.mappaColori;
    if (tastiera_.mappaColori)
        tastiera_.ColorTasti();
    else
        tastiera_.SpegniColori();
}

void Esercizio::toggleEvidenzia() {
    tastiera_.evidenzia = !tastiera_.evidenzia;
    if (!tastiera_.evidenzia)
        tastiera_.NascondiEvidenziazione();
    else if (!carattereAtteso_.empty() && !testoFinito_)
        rimarcaCarattereAtteso();
}

void Esercizio::avviaFile(const std::string& file) {
    // With the built-in phrases chosen, Start keeps the file instead of
    // taking the list's.
    scelta_.optMenu_Click(Categoria::FrasiInterne, mod_.UserName);
    mod_.ExerciseFile = file;
    cmdStart_Click();
}

} // namespace scrivolta
