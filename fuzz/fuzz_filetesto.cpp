// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the text-file reader: the practice text never
// holds a control character or blanks at its ends, and a Windows-1252 text
// written as UTF-8 reads back as itself.
#include "app/cp1252.h"
#include "content/codifica.h"
#include "content/filetesto.h"

#include <cstdlib>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string byte(reinterpret_cast<const char*>(data), size);
    const std::string testo = testoPratica(testoDaFile(byte));
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        verifica(u >= 32 && u != 127);
    }
    verifica(testo.empty() || (testo.front() != ' ' && testo.back() != ' '));
    verifica(testoDaFile(cp1252::toUtf8(byte)) == byte);
    return 0;
}
