// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the options' number reader: whatever it accepts is
// spelled with blanks, a sign, digits and one decimal point only; and every
// 32-bit number, written plainly, with blanks or with a half, reads back as
// itself (the half rounded to the even neighbour).
#include "app/testo.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <limits>
#include <string>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

void provaTestoQualsiasi(const std::string& testo) {
    if (!testo::leggiIntero(testo))
        return;
    const std::string_view nudo = testo::senzaSpazi(testo);
    verifica(nudo.find_first_not_of("+-.0123456789") == std::string_view::npos);
    verifica(nudo.find_first_of("0123456789") != std::string_view::npos);
}

void provaNumero(int v) {
    const std::string scritto = std::to_string(v);
    verifica(testo::leggiIntero(scritto) == v);
    verifica(testo::leggiIntero(" \t" + scritto + "  ") == v);
    const long long modulo = v < 0 ? -static_cast<long long>(v) : v;
    const long long arrotondato = modulo + modulo % 2;
    const long long atteso = v < 0 ? -arrotondato : arrotondato;
    const auto mezzo = testo::leggiIntero(scritto + ".5");
    if (atteso > std::numeric_limits<int>::max() || atteso < std::numeric_limits<int>::min())
        verifica(!mezzo);
    else
        verifica(mezzo == atteso);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dati(data, size);
    provaNumero(dati.ConsumeIntegral<int>());
    provaTestoQualsiasi(dati.ConsumeRemainingBytesAsString());
    return 0;
}
