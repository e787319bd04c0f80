// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary exercise files to the phrase reader: whatever the bytes,
// a phrase is at most two lines, each fits the line (or is a repeated very
// short text) and holds only characters a key types.
#include "content/fileesercizio.h"
#include "keyboard/mappatasti.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

class MisuraFissa final : public MisuraTesto {
public:
    explicit MisuraFissa(int larghezza) : larghezza_(larghezza) {}
    int larghezzaTesto(std::string_view testo) const override {
        return 10 * static_cast<int>(testo.size());
    }
    int larghezzaRiga() const override { return larghezza_; }

private:
    int larghezza_;
};

void verificaRiga(std::string_view riga, int larghezza) {
    verifica(riga.size() <= std::max<std::size_t>(static_cast<std::size_t>(larghezza / 10), 4));
    for (const char c : riga)
        verifica(cercaCarattere(static_cast<unsigned char>(c)).has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dati(data, size);
    const int livello = dati.ConsumeIntegralInRange(0, 4);
    const int numero = dati.ConsumeIntegralInRange(0, 16);
    const int larghezza = dati.ConsumeIntegralInRange(0, 400);
    const std::string contenuto = dati.ConsumeRemainingBytesAsString();
    const MisuraFissa misura(larghezza);
    const std::string frase = fraseDaContenuto(contenuto, livello, numero, misura);
    const auto a = frase.find("\r\n");
    verificaRiga(std::string_view(frase).substr(0, a), larghezza);
    if (a != std::string::npos)
        verificaRiga(std::string_view(frase).substr(a + 2), larghezza);
    return 0;
}
