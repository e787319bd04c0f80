// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/attendi.h"

namespace scrivolta {

namespace {

std::int32_t conSegno(std::uint32_t valore) {
    return static_cast<std::int32_t>(valore);
}

} // namespace

bool attesaScaduta(std::uint32_t scadenza, std::uint32_t adesso, std::int32_t ms) {
    const std::int32_t resto = conSegno(scadenza - adesso);
    if ((resto ^ ms) > 0)
        return resto > ms;
    return resto < 0;
}

int Attendi(int ms, const std::function<std::uint32_t()>& tick,
            const std::function<bool(int resto)>& aspetta) {
    const bool limitata = ms != kSenzaLimite;
    const std::uint32_t scadenza = tick() + static_cast<std::uint32_t>(ms);
    for (;;) {
        const std::uint32_t adesso = tick();
        if (limitata && attesaScaduta(scadenza, adesso, ms))
            return kAttesaScaduta;
        // On the deadline's own tick the remaining time is 0: a wait of 0
        // that runs out at once must end here, or the loop would poll
        // without sleeping until the tick count moves on.
        if (aspetta(limitata ? conSegno(scadenza - adesso) : kSenzaLimite) && limitata)
            return kAttesaScaduta;
    }
}

} // namespace scrivolta
