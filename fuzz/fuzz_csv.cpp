// SPDX-License-Identifier: GPL-3.0-or-later
// The history export on arbitrary learner and file names: every line must
// keep its thirteen fields, and each name must read back from its own
// field as it went in.
#include "app/cp1252.h"
#include "history/csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

using Righe = std::vector<std::vector<std::string>>;

Righe leggi(std::string_view t) {
    Righe righe(1);
    std::string campo;
    bool dentro = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (dentro && c == '"' && i + 1 < t.size() && t[i + 1] == '"') {
            campo += '"';
            ++i;
        } else if (c == '"') {
            dentro = !dentro;
        } else if (!dentro && c == ';') {
            righe.back().push_back(std::exchange(campo, {}));
        } else if (!dentro && c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') {
            righe.back().push_back(std::exchange(campo, {}));
            righe.emplace_back();
            ++i;
        } else {
            campo += c;
        }
    }
    righe.pop_back();
    return righe;
}

std::string comeScritto(const std::string& utf8) {
    const bool formula =
        !utf8.empty() && std::string_view("=+-@\t\r").find(utf8.front()) != std::string_view::npos;
    return formula ? "'" + utf8 : utf8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace scrivolta;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t meta = bytes.find('\0');
    const std::string nome = bytes.substr(0, meta);
    const std::string file = meta == std::string::npos ? std::string() : bytes.substr(meta + 1);
    storico::Riga riga;
    riga.file = file;
    const auto righe = leggi(std::string_view(storico::esportaCsv(nome, {riga}, {})).substr(3));
    if (righe.size() != 2 || righe[1].size() != storico::TestiCsv::kColonne)
        std::abort();
    if (righe[1][0] != comeScritto(cp1252::toUtf8(nome)) ||
        righe[1][5] != comeScritto(storico::utf8Ripulito(file)))
        std::abort();
    return 0;
}
