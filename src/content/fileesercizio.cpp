// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/fileesercizio.h"

#include "app/testo.h"
#include "content/codifica.h"
#include "keyboard/mappatasti.h"
#include "settings/fileatomico.h"
#include "settings/ini.h"
#include "settings/inimanager.h"

namespace scrivolta {

namespace {

constexpr std::string_view kSeparatoreRighe = "\xA6\xA6";

std::string preparaRiga(std::string_view riga, const MisuraTesto& misura) {
    return FiltraCaratteri(AdattaLarghezza(std::string(testo::senzaBlank(riga)), misura));
}

} // namespace

std::string AdattaLarghezza(std::string testo, const MisuraTesto& misura) {
    const int larghezza = misura.larghezzaRiga();
    while (!testo.empty() && misura.larghezzaTesto(testo) > larghezza)
        testo.pop_back();
    if (testo.size() < 2)
        testo += testo;
    if (testo.size() < 3)
        testo += testo;
    return testo;
}

std::string FiltraCaratteri(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (const char c : testo) {
        if (cercaCarattere(static_cast<unsigned char>(c)))
            out += c;
    }
    return out;
}

std::string valoreFrase(std::string_view contenuto, int livello, int numero) {
    const auto valore =
        ini::leggi(contenuto, std::to_string(livello) + "Livello", std::to_string(numero));
    if (!valore)
        return {};
    const std::string limitato = valoreLimitato(*valore, IniManager::kLunghezzaValore);
    return std::string(testo::senzaBlank(limitato));
}

std::string LeggiFraseEsercizio(const std::string& percorso, int livello, int numero,
                                const MisuraTesto& misura) {
    const auto lettura = fileatomico::leggi(percorso);
    if (lettura.stato != fileatomico::Lettura::Stato::Letto)
        return {};
    return fraseDaContenuto(lettura.contenuto, livello, numero, misura);
}

std::string fraseDaContenuto(std::string_view contenuto, int livello, int numero,
                             const MisuraTesto& misura) {
    return fraseDaTesto(testoDaFile(contenuto), livello, numero, misura);
}

std::string fraseDaTesto(std::string_view testo, int livello, int numero,
                         const MisuraTesto& misura) {
    const std::string valore = valoreFrase(testo, livello, numero);
    if (valore.empty())
        return {};
    const auto separatore = valore.find(kSeparatoreRighe);
    if (separatore == std::string::npos)
        return preparaRiga(valore, misura);
    const std::string_view v(valore);
    return preparaRiga(v.substr(0, separatore), misura) + "\r\n" +
           preparaRiga(v.substr(separatore + kSeparatoreRighe.size()), misura);
}

} // namespace scrivolta
