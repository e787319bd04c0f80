// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/nomeutente.h"

#include "app/testo.h"
#include "settings/inimanager.h"

namespace scrivolta {

namespace {

constexpr std::string_view kSezione = "AccessName";

IniManager fileOpzioni(const Percorsi& percorsi) {
    IniManager ini;
    ini.setNome(percorsi.fileOpzioni());
    ini.setSezione(std::string(kSezione));
    return ini;
}

} // namespace

NomeRicordato LeggiNomeRicordato(const Percorsi& percorsi) {
    const IniManager ini = fileOpzioni(percorsi);
    NomeRicordato nome;
    nome.Name = ini.Leggi("Name", "");
    const std::string ricorda = ini.Leggi("Remember", "0");
    nome.Remember = !ricorda.empty() && ricorda != "0";
    return nome;
}

bool SalvaNomeRicordato(const Percorsi& percorsi, const std::string& userName, bool ricorda) {
    const std::string sezione(kSezione);
    IniManager ini = fileOpzioni(percorsi);
    return ini.ScriviVoci({{sezione, "Remember", ricorda ? "1" : "0"},
                           {sezione, "Name", ricorda ? userName : std::string()}});
}

std::string NomeUtente(std::string_view testo) {
    return testo::maiuscolo(testo::senzaBlank(testo));
}

} // namespace scrivolta
