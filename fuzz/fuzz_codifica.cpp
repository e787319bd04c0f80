// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the language file's encoding conversion: UTF-8
// text (malformed or not) turns into Windows-1252 with at most one byte per
// input byte, what the code page can hold survives a round trip, and a file
// with a byte-order mark reads the same texts as its conversion without it.
#include "app/cp1252.h"
#include "settings/lingua.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

std::string fileTemporaneo(const char* nome) {
    return (std::filesystem::temp_directory_path() /
            ("scrivolta-fuzz-" + std::to_string(::getpid()) + "-" + nome))
        .string();
}

void togliTemporanei() {
    std::error_code ec;
    std::filesystem::remove(fileTemporaneo("bom.lng"), ec);
    std::filesystem::remove(fileTemporaneo("cp.lng"), ec);
}

void scrivi(const std::string& percorso, const std::string& contenuto) {
    std::ofstream(percorso, std::ios::binary | std::ios::trunc) << contenuto;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string utf8(reinterpret_cast<const char*>(data), size);
    const std::string cp = cp1252::fromUtf8(utf8);
    verifica(cp.size() <= utf8.size());
    verifica(cp1252::fromUtf8(cp1252::toUtf8(cp)) == cp);

    static const bool registrato = std::atexit(togliTemporanei) == 0;
    (void)registrato;
    static const std::string conBom = fileTemporaneo("bom.lng");
    static const std::string senzaBom = fileTemporaneo("cp.lng");
    scrivi(conBom, "\xEF\xBB\xBF[Strings]\r\n0001=" + utf8 + "\r\n");
    scrivi(senzaBom, "[Strings]\r\n0001=" + cp + "\r\n");
    verifica(FileLingua(conBom).TestoLingua("0001") == FileLingua(senzaBom).TestoLingua("0001"));
    return 0;
}
