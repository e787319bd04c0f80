// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/gradiente.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <vector>

namespace scrivolta::ui {

namespace {

using Canali = std::array<int, 3>;

Canali canali(Colore colour) {
    return {rosso(colour), verde(colour), blu(colour)};
}

// 2^i - 1 for the smallest i with 2^i above `extent`, at most 255: a source
// small enough to compute at once and smooth once stretched.
int latoSorgente(int extent) {
    if (extent >= 255)
        return 255;
    int side = 2;
    while (side <= extent)
        side *= 2;
    return side - 1;
}

// n + 1 colours from `a` to `b` in single-precision steps, rounded half to even.
std::vector<Canali> interpola(const Canali& a, const Canali& b, int n) {
    std::vector<Canali> out(static_cast<std::size_t>(n) + 1);
    for (std::size_t c = 0; c < 3; ++c) {
        const float step = n == 0 ? 0.0F : static_cast<float>(b[c] - a[c]) / static_cast<float>(n);
        for (int k = 0; k <= n; ++k) {
            const float value = static_cast<float>(a[c]) + step * static_cast<float>(k);
            out[static_cast<std::size_t>(k)][c] = static_cast<int>(std::nearbyint(value)) & 0xFF;
        }
    }
    return out;
}

bool stessiAngoli(const AngoliGradiente& a, const AngoliGradiente& b) {
    return a.altoSinistra == b.altoSinistra && a.altoDestra == b.altoDestra &&
           a.bassoSinistra == b.bassoSinistra && a.bassoDestra == b.bassoDestra;
}

struct SorgenteRicordata {
    int larghezza = 0;
    int altezza = 0;
    AngoliGradiente angoli{};
    QImage immagine;
};

// A window repaints its background wherever a child that does not paint its
// own (a label, a line edit's blinking caret, a panel's text) changes: the
// few gradients on screen are computed once, not at every such repaint.
const QImage& sorgenteRicordata(int width, int height, const AngoliGradiente& angoli) {
    constexpr std::size_t kRicordate = 6;
    static std::array<SorgenteRicordata, kRicordate> ricordate;
    static std::size_t prossima = 0;
    const int sw = latoSorgente(width);
    const int sh = latoSorgente(height);
    for (const SorgenteRicordata& r : ricordate) {
        if (r.larghezza == sw && r.altezza == sh && stessiAngoli(r.angoli, angoli))
            return r.immagine;
    }
    SorgenteRicordata& nuova = ricordate[prossima];
    prossima = (prossima + 1) % kRicordate;
    nuova = {sw, sh, angoli, sorgenteGradiente(width, height, angoli)};
    return nuova.immagine;
}

} // namespace

QImage sorgenteGradiente(int width, int height, const AngoliGradiente& angoli) {
    const int sw = latoSorgente(width);
    const int sh = latoSorgente(height);
    const auto left = interpola(canali(angoli.bassoSinistra), canali(angoli.altoSinistra), sh);
    const auto right = interpola(canali(angoli.bassoDestra), canali(angoli.altoDestra), sh);

    QImage image(sw, sh, QImage::Format_RGB32);
    for (int r = 0; r < sh; ++r) {
        const auto row =
            interpola(left[static_cast<std::size_t>(r)], right[static_cast<std::size_t>(r)], sw);
        // Row 0 of the source is its bottom row.
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(sh - 1 - r));
        for (int x = 0; x < sw; ++x) {
            const auto& c = row[static_cast<std::size_t>(x)];
            line[x] = qRgb(c[0], c[1], c[2]);
        }
    }
    return image;
}

void Gradiente(QPainter& painter, const QRect& rect, const AngoliGradiente& angoli, bool smooth) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const bool wasSmooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(rect, sorgenteRicordata(rect.width(), rect.height(), angoli));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

} // namespace scrivolta::ui
