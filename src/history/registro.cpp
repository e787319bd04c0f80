// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/registro.h"

#include "app/testo.h"

#include <algorithm>
#include <filesystem>
#include <sqlite3.h>
#include <unistd.h>

namespace scrivolta::storico {

namespace {

// Work kept in memory while the file cannot be written; beyond this the
// oldest waiting records give way, so that a long session on a read-only
// folder cannot fill the memory.
constexpr std::size_t kMassimoInAttesa = 20000;

// The history keeps a practice file's name without its folder; a name that
// has none stays whole.
template <typename Esito> Esito senzaCartella(Esito e) {
    if (e.file.find_first_of("/\\") != std::string::npos)
        e.file = testo::NomeFile(e.file);
    return e;
}

template <typename T> void limita(std::vector<T>& v) {
    if (v.size() > kMassimoInAttesa)
        v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() - kMassimoInAttesa));
}

} // namespace

std::optional<Problema> storicoTrasferito(const std::string& accanto, const std::string& nuovo) {
    std::error_code ec;
    if (accanto.empty() || accanto == nuovo || !std::filesystem::is_regular_file(accanto, ec) ||
        std::filesystem::exists(nuovo, ec))
        return std::nullopt;
    return Problema{Problema::Tipo::Trasferito, nuovo, 0, accanto};
}

RegistroStorico::RegistroStorico(std::string percorso, std::string cartellaCorso,
                                 const Clock& clock, Segnalatore segnala)
    : percorso_(std::move(percorso)), cartellaCorso_(std::move(cartellaCorso)), clock_(clock),
      segnala_(std::move(segnala)) {
    sostituite_.reserve(64);
}

RegistroStorico::~RegistroStorico() = default;

void RegistroStorico::tastoGiusto(unsigned char atteso) {
    ++giusti_[atteso];
}

void RegistroStorico::tastoSbagliato(unsigned char atteso, int digitato) {
    ++sbagliati_[atteso];
    for (Sostituita& s : sostituite_) {
        if (s.atteso == atteso && s.digitato == digitato) {
            ++s.volte;
            return;
        }
    }
    sostituite_.push_back({.atteso = atteso, .digitato = digitato, .volte = 1});
}

Categoria RegistroStorico::categoriaDi(const std::string& file) const {
    if (file.empty())
        return Categoria::FrasiInterne;
    const bool corso = !cartellaCorso_.empty() && file.rfind(cartellaCorso_, 0) == 0;
    return corso ? Categoria::Corso : Categoria::Esercizi;
}

void RegistroStorico::fraseFinita(const EsitoFrase& e) {
    lotto_.frasi.push_back({senzaCartella(e), categoriaDi(e.file)});
    aggiungiTasti(e.studente);
    scrivi();
}

void RegistroStorico::livelloFinito(const EsitoLivello& e) {
    lotto_.livelli.push_back({senzaCartella(e), categoriaDi(e.file)});
    scrivi();
}

void RegistroStorico::cicloFinito(const EsitoCiclo& e) {
    lotto_.cicli.push_back({senzaCartella(e), categoriaDi(e.file)});
    scrivi();
}

void RegistroStorico::testoFinito(const EsitoTesto& e) {
    lotto_.testi.push_back(senzaCartella(e));
    aggiungiTasti(e.studente);
    scrivi();
}

void RegistroStorico::partitaFinita(const Partita& partita) {
    lotto_.partite.push_back(partita);
    scrivi();
}

void RegistroStorico::inAttesa() {
    scartaFraseInterrotta();
    segnalaProblemi();
}

// Keystrokes of a phrase left unfinished do not count.
void RegistroStorico::scartaFraseInterrotta() {
    azzeraTasti();
}

void RegistroStorico::segnalaProblemi() {
    auto problemi = std::move(daSegnalare_);
    daSegnalare_.clear();
    if (segnala_) {
        for (const Problema& p : problemi)
            segnala_(p);
    }
}

void RegistroStorico::aggiungiTasti(const std::string& studente) {
    for (int c = 0; c < 256; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (giusti_[i] != 0 || sbagliati_[i] != 0)
            lotto_.tasti.push_back({.studente = studente,
                                    .carattere = static_cast<unsigned char>(c),
                                    .giusti = giusti_[i],
                                    .sbagliati = sbagliati_[i]});
    }
    for (const Sostituita& s : sostituite_)
        lotto_.sostituzioni.push_back(
            {.studente = studente, .atteso = s.atteso, .digitato = s.digitato, .volte = s.volte});
    azzeraTasti();
}

void RegistroStorico::azzeraTasti() {
    giusti_.fill(0);
    sbagliati_.fill(0);
    sostituite_.clear();
}

void RegistroStorico::scrivi(bool riprova) {
    if (!storico_ && !apri())
        return;
    try {
        storico_->registra(lotto_);
        lotto_ = {};
    } catch (const sql::Errore& e) {
        storico_.reset();
        // A file found damaged while writing goes aside like one found so
        // at opening; the waiting work goes into the new file.
        if (riprova && e.fileRovinato()) {
            const std::string spostato = spostaDaParte(percorso_, clock_.now());
            if (!spostato.empty()) {
                daSegnalare_.push_back({Problema::Tipo::Spostato, spostato, 0, {}});
                scrivi(false);
                return;
            }
        }
        fallito(e.codice());
    }
}

bool RegistroStorico::apri() {
    // SQLite opens a read-only file read-only, and its logs then made
    // read-only too outlive the file's own protection: the history stayed
    // unwritable after the file was made writable again.
    if (::access(percorso_.c_str(), F_OK) == 0 && ::access(percorso_.c_str(), W_OK) != 0) {
        fallito(SQLITE_READONLY);
        return false;
    }
    Apertura a = apriStorico(percorso_, clock_.now());
    if (!a.spostatoIn.empty())
        daSegnalare_.push_back({Problema::Tipo::Spostato, a.spostatoIn, 0, {}});
    if (!a.storico) {
        fallito(a.codice);
        return false;
    }
    storico_ = std::move(a.storico);
    // Work an earlier session could not write is added as soon as the file
    // can be written again.
    try {
        recuperaInAttesa(*storico_, percorso_);
    } catch (const sql::Errore&) {
    }
    return true;
}

void RegistroStorico::recupera() {
    if (!storico_ && !fileInAttesa(percorso_).empty())
        apri();
}

void RegistroStorico::annuncia(Problema problema) {
    daSegnalare_.push_back(std::move(problema));
}

Chiusura RegistroStorico::chiudi() {
    Chiusura c;
    if (!lotto_.vuoto())
        scrivi();
    if (!lotto_.vuoto()) {
        c.file = percorso_;
        c.codice = ultimoCodice_;
        c.inAttesa = scriviInAttesa(percorso_, lotto_, clock_.now());
        c.nonSalvato = std::move(lotto_);
        lotto_ = {};
    }
    for (Problema& p : daSegnalare_) {
        if (p.tipo == Problema::Tipo::Spostato)
            c.spostati.push_back(std::move(p));
    }
    daSegnalare_.clear();
    return c;
}

void RegistroStorico::fallito(int codice) {
    ultimoCodice_ = codice;
    limita(lotto_.frasi);
    limita(lotto_.tasti);
    limita(lotto_.sostituzioni);
    limita(lotto_.livelli);
    limita(lotto_.cicli);
    limita(lotto_.testi);
    limita(lotto_.partite);
    if (erroreSegnalato_)
        return;
    erroreSegnalato_ = true;
    daSegnalare_.push_back({Problema::Tipo::NonScrivibile, percorso_, codice, {}});
}

} // namespace scrivolta::storico
