// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini.h"

#include "app/testo.h"

#include <unordered_set>

namespace scrivolta::ini {

namespace {

constexpr std::string_view kACapo = "\r\n";

enum class Tipo { Altro, Sezione, Chiave };

struct Riga {
    std::size_t inizio = 0;
    std::size_t fineTesto = 0; // where CR LF or LF starts
    std::size_t fine = 0;      // after the line end
    Tipo tipo = Tipo::Altro;
    bool piena = false; // holds more than blanks
    std::string_view nome;
    std::string_view valore;
};

// The first line of the section's keys up to the next header (or the end).
struct Corpo {
    std::size_t inizio = 0;
    std::size_t fine = 0;
};

void classifica(Riga& r, std::string_view testo) {
    const auto t = testo::senzaSpazi(testo);
    r.piena = !t.empty();
    if (t.empty() || t.front() == ';')
        return;
    if (t.front() == '[') {
        const auto chiusa = t.rfind(']');
        if (chiusa != std::string_view::npos && chiusa > 0) {
            r.tipo = Tipo::Sezione;
            r.nome = testo::senzaSpazi(t.substr(1, chiusa - 1));
        }
        return;
    }
    const auto uguale = t.find('=');
    if (uguale == std::string_view::npos)
        return;
    const auto nome = testo::senzaSpazi(t.substr(0, uguale));
    if (nome.empty())
        return;
    r.tipo = Tipo::Chiave;
    r.nome = nome;
    r.valore = testo::senzaSpazi(t.substr(uguale + 1));
}

Riga leggiRiga(std::string_view c, std::size_t pos) {
    Riga r;
    r.inizio = pos;
    const auto nl = c.find('\n', pos);
    if (nl == std::string_view::npos) {
        r.fine = r.fineTesto = c.size();
    } else {
        r.fine = nl + 1;
        r.fineTesto = (nl > pos && c[nl - 1] == '\r') ? nl - 1 : nl;
    }
    classifica(r, c.substr(pos, r.fineTesto - pos));
    return r;
}

bool stessoNome(std::string_view a, std::string_view b) {
    return testo::ugualiSenzaMaiuscole(testo::senzaSpazi(a), testo::senzaSpazi(b));
}

std::optional<Corpo> primaSezione(std::string_view c, std::string_view sezione) {
    std::size_t pos = 0;
    while (pos < c.size()) {
        const Riga r = leggiRiga(c, pos);
        pos = r.fine;
        if (r.tipo == Tipo::Sezione && stessoNome(r.nome, sezione)) {
            Corpo corpo{pos, c.size()};
            while (pos < c.size()) {
                const Riga dentro = leggiRiga(c, pos);
                if (dentro.tipo == Tipo::Sezione) {
                    corpo.fine = dentro.inizio;
                    break;
                }
                pos = dentro.fine;
            }
            return corpo;
        }
    }
    return std::nullopt;
}

// Calls f(riga) for each line of the body; stops when f returns false.
template <typename F> void perRiga(std::string_view c, Corpo corpo, F&& f) {
    std::size_t pos = corpo.inizio;
    while (pos < corpo.fine) {
        const Riga r = leggiRiga(c, pos);
        pos = r.fine;
        if (!f(r))
            return;
    }
}

// Appends at `pos` a line (adding the missing line end of the line before).
std::string inserisci(std::string_view c, std::size_t pos, std::string_view riga) {
    std::string out(c.substr(0, pos));
    if (!out.empty() && out.back() != '\n')
        out += kACapo;
    out += riga;
    out += kACapo;
    out += c.substr(pos);
    return out;
}

std::string rigaChiave(std::string_view chiave, std::string_view valore) {
    std::string riga(testo::senzaSpazi(chiave));
    riga += '=';
    riga += valore;
    return riga;
}

} // namespace

std::optional<std::string> leggi(std::string_view contenuto, std::string_view sezione,
                                 std::string_view chiave) {
    const auto corpo = primaSezione(contenuto, sezione);
    if (!corpo)
        return std::nullopt;
    std::optional<std::string> trovato;
    perRiga(contenuto, *corpo, [&](const Riga& r) {
        if (r.tipo == Tipo::Chiave && stessoNome(r.nome, chiave))
            trovato = std::string(r.valore);
        return !trovato;
    });
    return trovato;
}

std::vector<Voce> vociSezione(std::string_view contenuto, std::string_view sezione) {
    std::vector<Voce> voci;
    const auto corpo = primaSezione(contenuto, sezione);
    if (!corpo)
        return voci;
    std::unordered_set<std::string> visti;
    perRiga(contenuto, *corpo, [&](const Riga& r) {
        if (r.tipo == Tipo::Chiave && visti.insert(testo::maiuscolo(r.nome)).second)
            voci.push_back({std::string(sezione), std::string(r.nome), std::string(r.valore)});
        return true;
    });
    return voci;
}

bool scrivibile(std::string_view sezione, std::string_view chiave, std::string_view valore) {
    constexpr std::string_view kVietati("\r\n\0", 3);
    for (const auto parte : {sezione, chiave, valore}) {
        if (parte.find_first_of(kVietati) != std::string_view::npos)
            return false;
    }
    const auto k = testo::senzaSpazi(chiave);
    return !k.empty() && k.find('=') == std::string_view::npos && k.front() != '[' &&
           k.front() != ';';
}

std::string scrivi(std::string_view contenuto, std::string_view sezione, std::string_view chiave,
                   std::string_view valore) {
    const auto corpo = primaSezione(contenuto, sezione);
    if (!corpo) {
        std::string intestazione = "[";
        intestazione += testo::senzaSpazi(sezione);
        intestazione += "]";
        std::string out = inserisci(contenuto, contenuto.size(), intestazione);
        return inserisci(out, out.size(), rigaChiave(chiave, valore));
    }
    std::optional<Riga> esistente;
    std::size_t dopoUltimaPiena = corpo->inizio;
    perRiga(contenuto, *corpo, [&](const Riga& r) {
        if (r.tipo == Tipo::Chiave && stessoNome(r.nome, chiave))
            esistente = r;
        if (r.piena)
            dopoUltimaPiena = r.fine;
        return !esistente;
    });
    if (!esistente)
        return inserisci(contenuto, dopoUltimaPiena, rigaChiave(chiave, valore));
    std::string out(contenuto.substr(0, esistente->inizio));
    out += rigaChiave(esistente->nome, valore);
    out += contenuto.substr(esistente->fineTesto);
    return out;
}

std::string cancellaValore(std::string_view contenuto, std::string_view sezione,
                           std::string_view chiave) {
    const auto corpo = primaSezione(contenuto, sezione);
    if (!corpo)
        return std::string(contenuto);
    std::string out(contenuto.substr(0, corpo->inizio));
    perRiga(contenuto, *corpo, [&](const Riga& r) {
        if (r.tipo != Tipo::Chiave || !stessoNome(r.nome, chiave))
            out += contenuto.substr(r.inizio, r.fine - r.inizio);
        return true;
    });
    out += contenuto.substr(corpo->fine);
    return out;
}

std::string cancellaSezione(std::string_view contenuto, std::string_view sezione) {
    std::string out;
    bool salta = false;
    std::size_t pos = 0;
    while (pos < contenuto.size()) {
        const Riga r = leggiRiga(contenuto, pos);
        pos = r.fine;
        if (r.tipo == Tipo::Sezione)
            salta = stessoNome(r.nome, sezione);
        if (!salta)
            out += contenuto.substr(r.inizio, r.fine - r.inizio);
    }
    return out;
}

} // namespace scrivolta::ini
