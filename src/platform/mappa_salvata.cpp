// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/mappa_salvata.h"

#include "settings/fileatomico.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <vector>

// Last: Xlib defines macros such as None, Bool and Status.
#include <X11/extensions/XKBfile.h>

namespace scrivolta::platform {

namespace {

constexpr const char* kIntestazione = "scrivolta-xkm 1\n";
// A compiled keymap is some tens of kilobytes.
constexpr std::size_t kDimensioneMassima = 1024 * 1024;

// FNV-1a: the file is only checked against damage, not against forgery.
std::string impronta(std::string_view dati) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : dati) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    char testo[17];
    std::snprintf(testo, sizeof testo, "%016llx", static_cast<unsigned long long>(h));
    return testo;
}

std::string rigaDiControllo(std::string_view mappa) {
    return std::to_string(mappa.size()) + ' ' + impronta(mappa) + '\n';
}

// The compiled keymap inside `contenuto` when it is whole and kept for
// `chiave`.
std::optional<std::string_view> corpo(std::string_view contenuto, const std::string& chiave) {
    const std::string testa = kIntestazione + chiave + '\n';
    if (contenuto.substr(0, testa.size()) != testa)
        return std::nullopt;
    contenuto.remove_prefix(testa.size());
    const std::size_t finePrimaRiga = contenuto.find('\n');
    if (finePrimaRiga == std::string_view::npos)
        return std::nullopt;
    const std::string_view mappa = contenuto.substr(finePrimaRiga + 1);
    if (contenuto.substr(0, finePrimaRiga + 1) != rigaDiControllo(mappa))
        return std::nullopt;
    return mappa;
}

std::string senzaRitorni(std::string testo) {
    for (char& c : testo)
        if (c == '\n')
            c = ' ';
    return testo;
}

// A keymap read back from the server carries the actions the server derived
// from the compatibility map for every key; kept in the file, they would come
// back as actions set by hand, which no later change of modifiers updates.
// Only the actions set by hand stay: the server derives the others again
// when the keymap is written to it.
void togliAzioniDerivate(XkbDescRec& mappa) {
    XkbServerMapPtr server = mappa.server;
    if (server == nullptr || server->key_acts == nullptr || server->c_explicit == nullptr)
        return;
    for (int k = mappa.min_key_code; k <= mappa.max_key_code; ++k) {
        if ((server->c_explicit[k] & XkbExplicitInterpretMask) == 0)
            server->key_acts[k] = 0;
    }
}

// Every atom of libxkbfile's own table, as the server numbers it. Asked one
// by one, the eighty-odd names of a keymap took as many round trips, several
// milliseconds at start; they are asked in one request.
std::optional<std::vector<Atom>> atomiTradotti(Display* dpy) {
    // Each name is a copy the caller frees.
    std::vector<std::unique_ptr<char, decltype(&std::free)>> copie;
    std::vector<char*> nomi;
    for (Atom locale = 1;; ++locale) {
        char* nome = XkbAtomGetString(nullptr, locale);
        if (nome == nullptr)
            break;
        copie.emplace_back(nome, &std::free);
        nomi.push_back(nome);
    }
    std::vector<Atom> delServer(nomi.size() + 1, None);
    if (!nomi.empty() && XInternAtoms(dpy, nomi.data(), static_cast<int>(nomi.size()), False,
                                      delServer.data() + 1) == 0)
        return std::nullopt;
    return delServer;
}

// Gives `mappa`, read without a display, the server's atoms: in its names
// and in its key types, the only places a keymap without geometry keeps them.
bool atomiDelServer(Display* dpy, XkbDescRec& mappa) {
    const auto tradotti = atomiTradotti(dpy);
    if (!tradotti)
        return false;
    const auto traduci = [&tradotti](Atom& atomo) {
        atomo = atomo < tradotti->size() ? (*tradotti)[atomo] : None;
    };
    if (XkbNamesPtr n = mappa.names) {
        for (Atom* a :
             {&n->keycodes, &n->geometry, &n->symbols, &n->types, &n->compat, &n->phys_symbols})
            traduci(*a);
        for (Atom& a : n->vmods)
            traduci(a);
        for (Atom& a : n->indicators)
            traduci(a);
        for (Atom& a : n->groups)
            traduci(a);
        for (int i = 0; n->radio_groups != nullptr && i < n->num_rg; ++i)
            traduci(n->radio_groups[i]);
    }
    for (int t = 0; mappa.map != nullptr && t < mappa.map->num_types; ++t) {
        XkbKeyTypeRec& tipo = mappa.map->types[t];
        traduci(tipo.name);
        for (int l = 0; tipo.level_names != nullptr && l < tipo.num_levels; ++l)
            traduci(tipo.level_names[l]);
    }
    return true;
}

} // namespace

std::string chiaveMappa(Display* dpy, const std::string& configurazione,
                        const std::string& fileRegole) {
    struct stat regole {};
    const bool trovate = ::stat(fileRegole.c_str(), &regole) == 0;
    const char* venditore = ServerVendor(dpy);
    return senzaRitorni(configurazione + '|' + (venditore != nullptr ? venditore : "") + ' ' +
                        std::to_string(VendorRelease(dpy)) + '|' + fileRegole + ' ' +
                        (trovate ? std::to_string(regole.st_size) + ' ' +
                                       std::to_string(regole.st_mtim.tv_sec) + '.' +
                                       std::to_string(regole.st_mtim.tv_nsec)
                                 : std::string("-")));
}

MappaXkb leggiMappa(Display* dpy, const std::string& file, const std::string& chiave) {
    if (file.empty())
        return nullptr;
    fileatomico::Lettura lettura = fileatomico::leggi(file);
    if (lettura.stato != fileatomico::Lettura::Stato::Letto ||
        lettura.contenuto.size() > kDimensioneMassima)
        return nullptr;
    const auto mappa = corpo(lettura.contenuto, chiave);
    if (!mappa)
        return nullptr;
    FILE* flusso = fmemopen(const_cast<char*>(mappa->data()), mappa->size(), "rb");
    if (flusso == nullptr)
        return nullptr;
    // Without a display the names in the file become libxkbfile's own atoms.
    XkbInitAtoms(nullptr);
    XkbFileInfo letta{};
    const unsigned mancanti = XkmReadFile(flusso, kComponentiMappa, kComponentiMappa, &letta);
    std::fclose(flusso);
    MappaXkb risultato(letta.xkb);
    if (mancanti != 0 || !risultato || !atomiDelServer(dpy, *risultato))
        return nullptr;
    risultato->dpy = dpy;
    risultato->device_spec = XkbUseCoreKbd;
    return risultato;
}

void salvaMappa(const std::string& file, const std::string& chiave, XkbDescPtr mappa) {
    if (file.empty() || mappa == nullptr)
        return;
    char* dati = nullptr;
    std::size_t dimensione = 0;
    FILE* flusso = open_memstream(&dati, &dimensione);
    if (flusso == nullptr)
        return;
    togliAzioniDerivate(*mappa);
    XkbFileInfo daScrivere{XkmKeymapFile, kComponentiMappa, mappa};
    const bool scritta = XkbWriteXKMFile(flusso, &daScrivere);
    std::fclose(flusso);
    const std::string compilata = scritta ? std::string(dati, dimensione) : std::string();
    std::free(dati);
    if (compilata.empty())
        return;
    fileatomico::sostituisci(file,
                             kIntestazione + chiave + '\n' + rigaDiControllo(compilata) + compilata,
                             fileatomico::Collegamenti::Sostituisci);
}

} // namespace scrivolta::platform
