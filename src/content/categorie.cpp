// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/categorie.h"

#include "app/testo.h"
#include "content/cartelle.h"
#include "content/filetesto.h"
#include "settings/segnalibro.h"

#include <algorithm>
#include <cmath>

namespace scrivolta {

namespace {

constexpr std::string_view kEstensioneEsercizi = ".ftd";
constexpr std::string_view kEstensioneTesto = ".txt";
constexpr double kBattuteVeloci = 300.0;
constexpr double kBattuteLente = 220.0;

// Minutes at a typing rate, rounded half to even, at least 1.
long long minuti(long long byte, double battuteAlMinuto) {
    const auto m =
        static_cast<long long>(std::nearbyint(static_cast<double>(byte) / battuteAlMinuto));
    return std::max(m, 1LL);
}

// The entry up to its text file extension, which a blank or the end of the
// entry must follow: the time estimate goes, a name such as "a.txt.ftd"
// stays whole.
std::string_view senzaStima(std::string_view voce) {
    const std::string maiuscola = testo::maiuscolo(voce);
    for (auto p = maiuscola.find(".TXT"); p != std::string::npos;
         p = maiuscola.find(".TXT", p + 1)) {
        const auto fine = p + 4;
        if (p > 0 && (fine == voce.size() || voce[fine] == ' '))
            return voce.substr(0, fine);
    }
    return voce;
}

bool fileDiTesto(std::string_view percorso) {
    const std::string m = testo::maiuscolo(percorso);
    return m.size() >= 4 && m.compare(m.size() - 4, 4, ".TXT") == 0;
}

std::vector<std::string> vociEsercizi(const std::string& cartella) {
    std::vector<std::string> voci;
    for (const auto& nome : elencoFile(cartella, kEstensioneEsercizi))
        voci.push_back(nomePerSchermo(nome));
    return voci;
}

std::vector<std::string> vociTesti(const std::string& cartella) {
    std::vector<std::string> voci;
    for (const auto& nome : elencoFile(cartella, kEstensioneTesto)) {
        const long long byte = dimensioneFile(cartella + nome);
        if (byte >= 0 && byte < static_cast<long long>(kLunghezzaMassimaTesto))
            voci.push_back(voceFileTesto(nomePerSchermo(nome), byte));
    }
    return voci;
}

} // namespace

std::string voceFileTesto(std::string_view nome, long long byte) {
    const long long a = minuti(byte, kBattuteVeloci);
    const long long b = minuti(byte, kBattuteLente);
    std::string voce = std::string(nome) + "    (";
    if (a != b)
        voce += std::to_string(a) + " \xF7 ";
    return voce + std::to_string(b) + " min)";
}

FileScelto SelezionaFile(std::string_view voce, bool modoCorso, const Percorsi& percorsi) {
    FileScelto scelto;
    scelto.ExerciseFile = modoCorso
                              ? trovaFile(percorsi.cartellaCorso(), std::string(voce) + ".ftd")
                              : trovaFile(percorsi.cartellaEsercizi(), senzaStima(voce));
    scelto.TextFileMode = !scelto.ExerciseFile.empty() && fileDiTesto(scelto.ExerciseFile);
    return scelto;
}

std::vector<std::string> vociCorso(const std::vector<std::string>& nomi) {
    std::vector<std::string> voci;
    for (const auto& nome : nomi) {
        const std::string mostrato = nomePerSchermo(nome);
        voci.push_back(testo::maiuscolo(mostrato.substr(0, mostrato.find('.'))));
    }
    return voci;
}

int voceDopo(const std::vector<std::string>& voci, std::string_view ultimoEsercizio) {
    if (voci.empty())
        return -1;
    if (ultimoEsercizio.empty())
        return 0;
    // The bookmark keeps the file's own name, the list shows it in capitals.
    const std::string cercato = testo::maiuscolo(nomePerSchermo(ultimoEsercizio));
    const auto it = std::find(voci.begin(), voci.end(), cercato);
    if (it == voci.end() || it + 1 == voci.end())
        return 0;
    return static_cast<int>(it - voci.begin()) + 1;
}

void SceltaTesto::AbilitaCategorie() {
    abilitate_[static_cast<std::size_t>(Categoria::Corso)] =
        !elencoFile(percorsi_.cartellaCorso(), kEstensioneEsercizi).empty();
    abilitate_[static_cast<std::size_t>(Categoria::Esercizi)] =
        !elencoFile(percorsi_.cartellaEsercizi(), kEstensioneEsercizi).empty();
    abilitate_[static_cast<std::size_t>(Categoria::FileDiTesto)] =
        !elencoFile(percorsi_.cartellaEsercizi(), kEstensioneTesto).empty();
    altreCategorie_ = abilitate_[1] || abilitate_[2] || abilitate_[3];
    optMenu_Click(Categoria::FrasiInterne, {});
}

void SceltaTesto::optMenu_Click(Categoria categoria, const std::string& userName) {
    categoria_ = categoria == Categoria::Gioco ? Categoria::FrasiInterne : categoria;
    riempi(categoria_, userName);
    avvisa();
}

void SceltaTesto::riempi(Categoria categoria, const std::string& userName) {
    voci_.clear();
    selezionata_ = -1;
    switch (categoria) {
    case Categoria::Corso:
        ultimoEsercizio_ = LeggiSegnalibro(percorsi_, userName);
        voci_ = vociCorso(elencoFile(percorsi_.cartellaCorso(), kEstensioneEsercizi));
        selezionata_ = voceDopo(voci_, ultimoEsercizio_);
        return;
    case Categoria::Esercizi:
        voci_ = vociEsercizi(percorsi_.cartellaEsercizi());
        break;
    case Categoria::FileDiTesto:
        voci_ = vociTesti(percorsi_.cartellaEsercizi());
        break;
    default:
        return;
    }
    selezionata_ = voci_.empty() ? -1 : 0;
}

void SceltaTesto::cboListFile_Click(int indice) {
    if (indice < 0 || indice >= static_cast<int>(voci_.size()))
        return;
    selezionata_ = indice;
    avvisa();
}

void SceltaTesto::selezionaSuccessiva() {
    if (voci_.empty())
        return;
    selezionata_ = (selezionata_ + 1) % static_cast<int>(voci_.size());
    avvisa();
}

bool SceltaTesto::abilitata(Categoria categoria) const {
    return abilitate_[static_cast<std::size_t>(categoria)];
}

std::string SceltaTesto::testo() const {
    return selezionata_ < 0 ? std::string() : voci_[static_cast<std::size_t>(selezionata_)];
}

bool SceltaTesto::ultimaSelezionata() const {
    return !voci_.empty() && selezionata_ == static_cast<int>(voci_.size()) - 1;
}

FileScelto SceltaTesto::SelezionaFile() const {
    if (selezionata_ < 0)
        return {};
    return scrivolta::SelezionaFile(testo(), modoCorso(), percorsi_);
}

void SceltaTesto::avvisa() {
    if (osservatore_)
        osservatore_->sceltaCambiata();
}

} // namespace scrivolta
