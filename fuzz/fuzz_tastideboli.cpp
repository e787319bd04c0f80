// SPDX-License-Identifier: GPL-3.0-or-later
// The weak-key practice file for arbitrary sets of characters: whenever one
// of them can be practised, the file must read back, through the reader of
// practice files, as fifteen phrases exactly as written, each typable on
// the keyboard and each practising one of the characters asked for.
#include "content/fileesercizio.h"
#include "history/tastideboli.h"
#include "keyboard/mappatasti.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

// Wide enough that no phrase is cut to fit.
class MisuraLarga final : public MisuraTesto {
public:
    int larghezzaTesto(std::string_view testo) const override {
        return static_cast<int>(testo.size());
    }
    int larghezzaRiga() const override { return 100000; }
};

bool praticabile(unsigned char c) {
    return c > ' ' && c != 0xA6 && cercaCarattere(c).has_value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> deboli(data, data + std::min<std::size_t>(size, 16));
    const std::string file = storico::esercizioTastiDeboli(deboli);
    const bool qualcuno = std::any_of(deboli.begin(), deboli.end(), praticabile);
    verifica(file.empty() != qualcuno);
    if (file.empty())
        return 0;
    const MisuraLarga misura;
    for (int livello = 1; livello <= 3; ++livello) {
        for (int numero = 1; numero <= 5; ++numero) {
            const std::string scritta = valoreFrase(file, livello, numero);
            const std::string letta = fraseDaContenuto(file, livello, numero, misura);
            verifica(!scritta.empty() && letta == scritta);
            verifica(std::all_of(scritta.begin(), scritta.end(), [](char c) {
                return cercaCarattere(static_cast<unsigned char>(c)).has_value();
            }));
            verifica(std::any_of(scritta.begin(), scritta.end(), [&](char c) {
                const auto u = static_cast<unsigned char>(c);
                return praticabile(u) && std::find(deboli.begin(), deboli.end(), u) != deboli.end();
            }));
        }
    }
    return 0;
}
