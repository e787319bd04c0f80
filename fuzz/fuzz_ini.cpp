// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the INI reader and writer and checks that every
// change does what it claims and nothing else: a written key reads back, a
// deleted key or section is gone, and the neighbours keep their values.
#include "app/testo.h"
#include "settings/ini.h"
#include "settings/inimanager.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

using namespace scrivolta;

namespace {

void verifica(bool condizione) {
    if (!condizione)
        std::abort();
}

struct Nomi {
    std::string sezione;
    std::string chiave;
    std::string valore;
    std::string vicina; // another key of the same section
};

Nomi nomi(FuzzedDataProvider& dati) {
    Nomi n;
    n.sezione = dati.ConsumeRandomLengthString(16);
    n.chiave = dati.ConsumeRandomLengthString(16);
    n.valore = dati.ConsumeRandomLengthString(32);
    n.vicina = dati.ConsumeRandomLengthString(16);
    return n;
}

void provaScrittura(const std::string& c, const Nomi& n) {
    if (!ini::scrivibile(n.sezione, n.chiave, n.valore))
        return;
    const std::string scritto = ini::scrivi(c, n.sezione, n.chiave, n.valore);
    verifica(ini::leggi(scritto, n.sezione, n.chiave) == std::string(testo::senzaSpazi(n.valore)));
    if (!testo::ugualiSenzaMaiuscole(testo::senzaSpazi(n.vicina), testo::senzaSpazi(n.chiave)))
        verifica(ini::leggi(scritto, n.sezione, n.vicina) == ini::leggi(c, n.sezione, n.vicina));
}

void provaCancellazioni(const std::string& c, const Nomi& n) {
    const std::string senzaChiave = ini::cancellaValore(c, n.sezione, n.chiave);
    verifica(!ini::leggi(senzaChiave, n.sezione, n.chiave).has_value());
    verifica(senzaChiave.size() <= c.size());
    const std::string senzaSezione = ini::cancellaSezione(c, n.sezione);
    verifica(!ini::leggi(senzaSezione, n.sezione, n.vicina).has_value());
    verifica(ini::vociSezione(senzaSezione, n.sezione).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dati(data, size);
    const Nomi n = nomi(dati);
    const std::string contenuto = dati.ConsumeRemainingBytesAsString();
    const auto letto = ini::leggi(contenuto, n.sezione, n.chiave);
    if (letto)
        verifica(valoreLimitato(*letto, 254).size() <= 254);
    ini::vociSezione(contenuto, n.sezione);
    provaScrittura(contenuto, n);
    provaCancellazioni(contenuto, n);
    return 0;
}
