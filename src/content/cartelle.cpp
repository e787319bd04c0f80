// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/cartelle.h"

#include "app/testo.h"
#include "content/codifica.h"

#include <algorithm>
#include <filesystem>

namespace scrivolta {

namespace fs = std::filesystem;

namespace {

bool estensioneUguale(const fs::path& file, std::string_view estensione) {
    return testo::ugualiSenzaMaiuscole(file.extension().string(), estensione);
}

bool primaSenzaMaiuscole(const std::string& a, const std::string& b) {
    const std::string ma = testo::maiuscolo(nomePerSchermo(a));
    const std::string mb = testo::maiuscolo(nomePerSchermo(b));
    return ma != mb ? ma < mb : a < b;
}

} // namespace

std::vector<std::string> elencoFile(const std::string& cartella, std::string_view estensione) {
    std::vector<std::string> nomi;
    std::error_code errore;
    fs::directory_iterator it(cartella, errore);
    for (; !errore && it != fs::directory_iterator(); it.increment(errore)) {
        std::error_code e;
        if (it->is_regular_file(e) && estensioneUguale(it->path(), estensione))
            nomi.push_back(it->path().filename().string());
    }
    std::sort(nomi.begin(), nomi.end(), primaSenzaMaiuscole);
    return nomi;
}

std::string nomePerSchermo(std::string_view nomeSuDisco) {
    return testoDaFile(nomeSuDisco);
}

std::string nomeFileMostrato(std::string_view percorso) {
    return nomePerSchermo(testo::NomeFile(percorso));
}

bool nomeNellaCartella(std::string_view nome) {
    if (nome.empty() || nome.find_first_of("/\\") != std::string_view::npos)
        return false;
    return nome.find("..") == std::string_view::npos;
}

std::string trovaFile(const std::string& cartella, std::string_view nome) {
    // A plain name that is on disk as it is needs no listing of the folder.
    const bool semplice = std::all_of(
        nome.begin(), nome.end(), [](char c) { return (c & 0x80) == 0 && c != '/' && c != '\\'; });
    std::error_code nonTrovato;
    if (semplice && fs::is_regular_file(cartella + std::string(nome), nonTrovato))
        return cartella + std::string(nome);
    std::string trovato;
    std::error_code errore;
    fs::directory_iterator it(cartella, errore);
    for (; !errore && it != fs::directory_iterator(); it.increment(errore)) {
        std::error_code e;
        if (!it->is_regular_file(e))
            continue;
        const std::string suDisco = it->path().filename().string();
        const std::string mostrato = nomePerSchermo(suDisco);
        if (mostrato == nome)
            return cartella + suDisco;
        if (trovato.empty() && testo::ugualiSenzaMaiuscole(mostrato, nome))
            trovato = cartella + suDisco;
    }
    return trovato;
}

long long dimensioneFile(const std::string& percorso) {
    std::error_code errore;
    const auto dimensione = fs::file_size(percorso, errore);
    return errore ? -1 : static_cast<long long>(dimensione);
}

} // namespace scrivolta
