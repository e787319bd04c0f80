// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/percorsi.h"

#include "app/cp1252.h"
#include "app/installazione.h"
#include "app/testo.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace scrivolta {

namespace fs = std::filesystem;

namespace {

std::string conBarra(std::string cartella) {
    if (cartella.empty() || cartella.back() != '/')
        cartella += '/';
    return cartella;
}

bool eCartella(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool haDati(const fs::path& cartella) {
    return eCartella(cartella / "Lang") || eCartella(cartella / "Esercizi") ||
           eCartella(cartella / "CorsoDattilo");
}

bool scrivibile(const std::string& cartella) {
    return ::access(cartella.c_str(), W_OK) == 0;
}

// An XDG base folder: the variable when it holds an absolute path (relative
// ones are invalid by the desktop's rules), else the usual place in $HOME.
std::string cartellaXdg(const Ambiente& ambiente, const std::string& variabile,
                        const std::string& sottoHome) {
    const std::string valore = ambiente(variabile);
    if (!valore.empty() && valore.front() == '/')
        return conBarra(valore);
    const std::string home = ambiente("HOME");
    if (!home.empty() && home.front() == '/')
        return conBarra(home) + sottoHome + "/";
    return {};
}

bool estensioneLng(const std::string& nome) {
    return nome.size() > 4 && testo::ugualiSenzaMaiuscole(nome.substr(nome.size() - 4), ".lng");
}

} // namespace

Percorsi Percorsi::portatile(const std::string& cartella) {
    Percorsi p;
    p.portatile_ = true;
    p.programma_ = p.dati_ = p.configurazione_ = p.scrivibile_ = conBarra(cartella);
    return p;
}

Percorsi Percorsi::perCartella(const std::string& cartellaProgramma, const Ambiente& ambiente) {
    std::error_code ec;
    const fs::path programma = fs::absolute(cartellaProgramma, ec).lexically_normal();
    const std::string base = conBarra(programma.string());
    const fs::path installati = (programma / kDatiInstallati).lexically_normal();
    const bool datiAccanto = haDati(programma) || !eCartella(installati);
    if (datiAccanto && scrivibile(base))
        return portatile(base);

    Percorsi p;
    p.portatile_ = false;
    p.programma_ = base;
    p.dati_ = datiAccanto ? base : conBarra(installati.string());
    const std::string config = cartellaXdg(ambiente, "XDG_CONFIG_HOME", ".config");
    const std::string dati = cartellaXdg(ambiente, "XDG_DATA_HOME", ".local/share");
    // Without a home there is nowhere to write: the files are looked for
    // beside the program, where writing fails quietly.
    p.configurazione_ = config.empty() ? base : config + "scrivolta/";
    p.scrivibile_ = dati.empty() ? base : dati + "scrivolta/";
    return p;
}

Percorsi Percorsi::perEseguibile(const Ambiente& ambiente) {
    std::error_code ec;
    const fs::path eseguibile = fs::read_symlink("/proc/self/exe", ec);
    const fs::path cartella = ec ? fs::current_path(ec) : eseguibile.parent_path();
    return perCartella(cartella.string(), ambiente);
}

std::string Percorsi::fileLingua(std::string_view nome) const {
    const bool sicuro = !nome.empty() && nome != "." && nome != ".." &&
                        nome.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
    if (!sicuro)
        return {};
    const std::string esatto = cartellaLingue() + cp1252::toUtf8(nome) + ".lng";
    std::error_code ec;
    if (fs::exists(esatto, ec))
        return esatto;
    // The list shows "english.LNG" as "english", and options written on a
    // system that ignores case may say "english" for "English.lng".
    const std::string cercato = std::string(nome) + ".lng";
    for (fs::directory_iterator it(cartellaLingue(), ec), fine; !ec && it != fine;
         it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (testo::ugualiSenzaMaiuscole(cp1252::fromUtf8(file), cercato))
            return it->path().string();
    }
    return esatto;
}

std::vector<std::string> Percorsi::lingueDisponibili() const {
    std::vector<std::string> nomi;
    std::error_code ec;
    for (fs::directory_iterator it(cartellaLingue(), ec), fine; !ec && it != fine;
         it.increment(ec)) {
        const std::string file = it->path().filename().string();
        std::error_code ecFile;
        if (!estensioneLng(file) || !it->is_regular_file(ecFile))
            continue;
        const std::string nome = file.substr(0, file.size() - 4);
        // The name goes into the options file as one line of text.
        if (std::any_of(nome.begin(), nome.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            continue;
        // A name the code page cannot hold could not be found again.
        const std::string cp = cp1252::fromUtf8(nome);
        if (cp1252::toUtf8(cp) == nome)
            nomi.push_back(cp);
    }
    std::sort(nomi.begin(), nomi.end(), [](const std::string& a, const std::string& b) {
        return testo::maiuscolo(a) < testo::maiuscolo(b);
    });
    return nomi;
}

} // namespace scrivolta
