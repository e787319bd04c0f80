// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/codifica.h"
#include "content/fileesercizio.h"
#include "engine/esercizio.h"
#include "settings/fileatomico.h"
#include "settings/segnalibro.h"

namespace scrivolta {

void Esercizio::optMenu_Click(Categoria categoria) {
    if (categoria == Categoria::Gioco) {
        AvviaGioco();
        return;
    }
    fermaLampeggioOra();
    scelta_.optMenu_Click(categoria, mod_.UserName);
    if (categoria == Categoria::FrasiInterne)
        mod_.ExerciseFile.clear();
    vista_.statoCambiato();
}

void Esercizio::AvviaGioco() {
    fermaLampeggioOra();
    scelta_.optMenu_Click(Categoria::FrasiInterne, mod_.UserName);
    servizi_.waiter.processEvents();
    vista_.MostraGioco();
    esercizioFinito_ = true;
    cmdStart_Click();
}

void Esercizio::usaFileScelto() {
    const FileScelto scelto = scelta_.SelezionaFile();
    mod_.ExerciseFile = scelto.ExerciseFile;
    mod_.TextFileMode = scelto.TextFileMode;
}

// After a course lesson the next one waits, selected, for Enter.
void Esercizio::prossimaLezione() {
    stato_.menuCategorie = true;
    scelta_.selezionaSuccessiva();
    usaFileScelto();
    abilitaAvvio(true);
    FlashBotton();
    vista_.statoCambiato();
}

// A level holding a sixth phrase is a pool of fifteen drawn at random;
// otherwise its five phrases come in order.
std::string Esercizio::fraseDelFile(int r) const {
    const auto lettura = fileatomico::leggi(mod_.ExerciseFile);
    if (lettura.stato != fileatomico::Lettura::Stato::Letto)
        return {};
    const std::string file = testoDaFile(lettura.contenuto);
    const int livello = mod_.CurrentLevel;
    const MisuraTesto& misura = vista_.misuraFrase();
    const bool estratte = !fraseDaTesto(file, livello, kFrasiPerLivello + 1, misura).empty();
    const int indice = estratte ? r - kFrasiInternePerLivello * (livello - 1)
                                : numeroFrase_ - kFrasiPerLivello * (livello - 1);
    return fraseDaTesto(file, livello, indice, misura);
}

bool Esercizio::ricominciaAltrove() const {
    return rigaComando_.empty() && !scelta_.voci().empty();
}

void Esercizio::salvaSegnalibro() {
    if (!scelta_.modoCorso())
        return;
    SalvaSegnalibro(scelta_.percorsi(), servizi_.messages, testi_, mod_.UserName, mod_.ExerciseFile,
                    scelta_.ultimaSelezionata());
}

} // namespace scrivolta
