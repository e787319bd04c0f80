// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/servizi.h"
#include "engine/osservatore.h"
#include "history/storico.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scrivolta::storico {

// Something about the history the learner should know, told once.
struct Problema {
    enum class Tipo { Spostato, NonScrivibile, Trasferito };
    Tipo tipo = Tipo::NonScrivibile;
    // Spostato: where the damaged file went. NonScrivibile: the file.
    // Trasferito: where the history is kept now.
    std::string dettaglio;
    // NonScrivibile: SQLite's result code, which says why.
    int codice = 0;
    // Trasferito: the earlier history, left where it was.
    std::string precedente;
};

// What the closing of the program could not save.
struct Chiusura {
    // Damaged files moved aside that the learner was not told of yet.
    std::vector<Problema> spostati;
    // The work that did not reach the history file; empty when all did.
    Lotto nonSalvato;
    std::string file;
    int codice = 0;
    // The side file that keeps it for the next start, "" when it is lost.
    std::string inAttesa;

    bool daDire() const { return !spostati.empty() || !nonSalvato.vuoto(); }
};

// When the history moved from beside the program (`accanto`, "" when it
// never lived there) to `nuovo`: what the learner is told until the new file
// exists. Nothing when there is nothing to tell.
std::optional<Problema> storicoTrasferito(const std::string& accanto, const std::string& nuovo);

// Keeps the learner's work in the history file. Keystrokes are only counted
// in memory; a phrase, level, cycle or text file is written when it ends.
// A failure never reaches the exercise: the work waits in memory for the
// next attempt and the learner is told once, at the next greeting; what
// still waits when the program closes is kept beside the file (chiudi).
class RegistroStorico final : public OsservatoreEsercizio {
public:
    using Segnalatore = std::function<void(const Problema&)>;

    // `cartellaCorso` tells course files from other exercise files.
    RegistroStorico(std::string percorso, std::string cartellaCorso, const Clock& clock,
                    Segnalatore segnala);
    ~RegistroStorico() override;
    RegistroStorico(const RegistroStorico&) = delete;
    RegistroStorico& operator=(const RegistroStorico&) = delete;

    void tastoGiusto(unsigned char atteso) override;
    void tastoSbagliato(unsigned char atteso, int digitato) override;
    void fraseFinita(const EsitoFrase& esito) override;
    void livelloFinito(const EsitoLivello& esito) override;
    void cicloFinito(const EsitoCiclo& esito) override;
    void testoFinito(const EsitoTesto& esito) override;
    // Nothing is being typed: the unfinished phrase's keystrokes go, and
    // the problems met while writing are told.
    void inAttesa() override;

    // A game or training run, from the game window.
    void partitaFinita(const Partita& partita);

    // At start: adds in the work earlier sessions left in side files.
    void recupera();
    // Something to tell the learner at the next greeting.
    void annuncia(Problema problema);
    // At exit: tries once more to write what waits, and keeps what still
    // cannot be written in a side file; says what the learner must hear.
    Chiusura chiudi();

    const std::string& percorso() const { return percorso_; }
    // Records not yet in the file.
    std::size_t recordNonScritti() const { return lotto_.dimensione(); }

private:
    void scartaFraseInterrotta();
    void segnalaProblemi();

    struct Sostituita {
        unsigned char atteso;
        int digitato;
        int volte;
    };
    Categoria categoriaDi(const std::string& file) const;
    void aggiungiTasti(const std::string& studente);
    void azzeraTasti();
    void scrivi(bool riprova = true);
    bool apri();
    void fallito(int codice);

    std::string percorso_;
    std::string cartellaCorso_;
    const Clock& clock_;
    Segnalatore segnala_;
    std::unique_ptr<Storico> storico_;
    Lotto lotto_;
    std::array<int, 256> giusti_{};
    std::array<int, 256> sbagliati_{};
    std::vector<Sostituita> sostituite_;
    std::vector<Problema> daSegnalare_;
    bool erroreSegnalato_ = false;
    int ultimoCodice_ = 0;
};

} // namespace scrivolta::storico
