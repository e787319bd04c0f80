// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xkb_nomi.h"

#include <charconv>

namespace scrivolta::platform {

namespace {

constexpr char kSeparatore = '|';
constexpr int kCampi = 6;
// XKB keeps at most four groups.
constexpr int kGruppi = 4;

std::vector<std::string> dividi(const std::string& testo, char separatore) {
    std::vector<std::string> out;
    std::string::size_type inizio = 0;
    for (;;) {
        const auto fine = testo.find(separatore, inizio);
        out.push_back(testo.substr(inizio, fine - inizio));
        if (fine == std::string::npos)
            return out;
        inizio = fine + 1;
    }
}

std::optional<int> gruppo(const std::string& testo) {
    int valore = -1;
    const auto* fine = testo.data() + testo.size();
    const auto [resto, errore] = std::from_chars(testo.data(), fine, valore);
    if (errore != std::errc() || resto != fine || valore < 0 || valore >= kGruppi)
        return std::nullopt;
    return valore;
}

std::string elemento(const std::vector<std::string>& lista, int indice) {
    const auto i = static_cast<std::size_t>(indice);
    return i < lista.size() ? lista[i] : std::string();
}

} // namespace

std::vector<std::string> elementiXkb(const std::string& lista) {
    return dividi(lista, ',');
}

bool eLayoutBelga(const std::string& layout, const std::string& variant) {
    return layout == "be" && (variant.empty() || variant == "basic");
}

std::optional<int> gruppoBelga(const ConfigurazioneXkb& c) {
    const auto layouts = elementiXkb(c.layout);
    const auto variants = elementiXkb(c.variant);
    const int n = static_cast<int>(layouts.size());
    for (int g = 0; g < n && g < kGruppi; ++g)
        if (eLayoutBelga(elemento(layouts, g), elemento(variants, g)))
            return g;
    return std::nullopt;
}

std::string nomeLayout(const ConfigurazioneXkb& c) {
    const auto layouts = elementiXkb(c.layout);
    const auto variants = elementiXkb(c.variant);
    if (eLayoutBelga(elemento(layouts, c.group), elemento(variants, c.group)))
        return kLayoutBelga;
    const std::string s(1, kSeparatore);
    return c.rules + s + c.model + s + c.layout + s + c.variant + s + c.options + s +
           std::to_string(c.group);
}

std::optional<ConfigurazioneXkb> leggiDescrizione(const std::string& nome) {
    const auto parti = dividi(nome, kSeparatore);
    if (parti.size() != kCampi || parti[2].empty())
        return std::nullopt;
    const auto g = gruppo(parti[5]);
    if (!g)
        return std::nullopt;
    return ConfigurazioneXkb{parti[0], parti[1], parti[2], parti[3], parti[4], *g};
}

ConfigurazioneXkb configurazioneBelga(const ConfigurazioneXkb& attuale) {
    return ConfigurazioneXkb{attuale.rules, attuale.model, "be", "", attuale.options, 0};
}

} // namespace scrivolta::platform
