// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/filetesto.h"

#include "app/testo.h"
#include "content/codifica.h"

#include <filesystem>
#include <fstream>

namespace scrivolta {

namespace {

bool spazio(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool controllo(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 32 || u == 127;
}

} // namespace

LetturaTesto leggiFileTesto(const std::string& percorso) {
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore))
        return {};
    std::ifstream file(percorso, std::ios::binary);
    if (!file)
        return {};
    std::string contenuto(kLunghezzaMassimaTesto, '\0');
    file.read(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    if (file.bad())
        return {};
    if (file.gcount() >= static_cast<std::streamsize>(kLunghezzaMassimaTesto))
        return {std::nullopt, true};
    contenuto.resize(static_cast<std::size_t>(file.gcount()));
    return {std::move(contenuto), false};
}

std::string testoPratica(std::string_view testo) {
    std::string out;
    out.reserve(testo.size());
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n')
                ++i;
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else if (spazio(c)) {
            out += ' ';
        } else if (!controllo(c)) {
            out += c;
        }
    }
    return std::string(testo::senzaBlank(out));
}

FileTestoCaricato CaricaFileTesto(const std::string& percorso) {
    const LetturaTesto lettura = leggiFileTesto(percorso);
    if (!lettura.byte)
        return {{}, lettura.troppoLungo};
    return {testoPratica(testoDaFile(*lettura.byte)), false};
}

} // namespace scrivolta
