// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ridimensiona.h"

#include <cmath>

namespace scrivolta::ridimensiona {

double fattoreFont() {
    return std::sqrt(kOrizzontale);
}

Geometria scala(TipoControllo tipo, const Geometria& g) {
    switch (tipo) {
    case TipoControllo::Linea:
        return {g.a * kOrizzontale, g.b * kVerticale, g.c * kOrizzontale, g.d * kVerticale, 0};
    case TipoControllo::Immagine:
        return {g.a * kOrizzontale + kSpostamentoImmagini, g.b * kVerticale + kSpostamentoImmagini,
                g.c, g.d, 0};
    case TipoControllo::Altro:
        break;
    }
    return {g.a * kOrizzontale, g.b * kVerticale, g.c * kOrizzontale, g.d * kVerticale,
            g.punti * fattoreFont()};
}

} // namespace scrivolta::ridimensiona
