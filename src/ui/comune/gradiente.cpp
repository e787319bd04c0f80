// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/comune/gradiente.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <sys/mman.h>
#include <utility>

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

// `n` steps from `a` to `b`, per channel in single precision, each colour
// rounded half to even.
class Passi {
public:
    Passi(const Canali& a, const Canali& b, int n) {
        for (std::size_t c = 0; c < 3; ++c) {
            inizio_[c] = static_cast<float>(a[c]);
            passo_[c] = n == 0 ? 0.0F : static_cast<float>(b[c] - a[c]) / static_cast<float>(n);
        }
    }
    int canale(std::size_t c, int k) const {
        const float valore = inizio_[c] + passo_[c] * static_cast<float>(k);
        // Adding and taking away 1.5 * 2^23 rounds a float this small half
        // to even, as the processor rounds, without a call per channel.
        return static_cast<int>((valore + kArrotonda) - kArrotonda) & 0xFF;
    }
    Canali operator[](int k) const { return {canale(0, k), canale(1, k), canale(2, k)}; }

private:
    static constexpr float kArrotonda = 12582912.0F;
    std::array<float, 3> inizio_{};
    std::array<float, 3> passo_{};
};

// Fills the picture's rows `prima` to `ultima`; its bottom row is the first
// step from the bottom corners up.
void riempiRighe(QImage& image, int prima, int ultima, const AngoliGradiente& angoli) {
    const int sw = image.width();
    const int sh = image.height();
    const Passi sinistra(canali(angoli.bassoSinistra), canali(angoli.altoSinistra), sh);
    const Passi destra(canali(angoli.bassoDestra), canali(angoli.altoDestra), sh);
    for (int riga = prima; riga <= ultima; ++riga) {
        const int r = sh - 1 - riga;
        const Passi passi(sinistra[r], destra[r], sw);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(riga));
        for (int x = 0; x < sw; ++x)
            line[x] = qRgb(passi.canale(0, x), passi.canale(1, x), passi.canale(2, x));
    }
}

// A smooth stretch blends each painted pixel from the source rows nearest
// to it; two more on each side cover any rounding.
constexpr int kRigheAttorno = 2;

// The rows of a source `sh` rows high that painting `rect` reads: only those
// under the painter's clip and the region being repainted.
std::pair<int, int> righeLette(QPainter& painter, const QRect& rect, int sh) {
    QRectF visibile = rect;
    if (painter.hasClipping())
        visibile &= painter.clipBoundingRect();
    if (const QPaintEngine* motore = painter.paintEngine();
        motore != nullptr && !motore->systemClip().isEmpty()) {
        const QRectF ridipinto = motore->systemClip().boundingRect();
        visibile &= painter.deviceTransform().inverted().mapRect(ridipinto);
    }
    if (visibile.isEmpty())
        return {1, 0};
    const double scala = static_cast<double>(sh) / rect.height();
    const auto prima = static_cast<int>(std::floor((visibile.top() - rect.top()) * scala));
    const auto ultima = static_cast<int>(std::ceil((visibile.bottom() - rect.top()) * scala));
    return {std::max(0, prima - kRigheAttorno), std::min(sh - 1, ultima + kRigheAttorno)};
}

// The pixels of a source picture for one painting, taken from the system
// and given back afterwards: rows never filled never take memory, and a
// window's background costs nothing between two repaints.
class PixelPrestati {
public:
    explicit PixelPrestati(std::size_t byte) : byte_(byte) {
        void* p = mmap(nullptr, byte_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        dati_ = p == MAP_FAILED ? nullptr : static_cast<uchar*>(p);
    }
    ~PixelPrestati() {
        if (dati_ != nullptr)
            munmap(dati_, byte_);
    }
    PixelPrestati(const PixelPrestati&) = delete;
    PixelPrestati& operator=(const PixelPrestati&) = delete;
    uchar* dati() const { return dati_; }

private:
    std::size_t byte_;
    uchar* dati_ = nullptr;
};

} // namespace

QImage sorgenteGradiente(int width, int height, const AngoliGradiente& angoli) {
    QImage image(latoSorgente(width), latoSorgente(height), QImage::Format_RGB32);
    riempiRighe(image, 0, image.height() - 1, angoli);
    return image;
}

void Gradiente(QPainter& painter, const QRect& rect, const AngoliGradiente& angoli, bool smooth) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int sw = latoSorgente(rect.width());
    const int sh = latoSorgente(rect.height());
    const auto [prima, ultima] = righeLette(painter, rect, sh);
    if (prima > ultima)
        return;
    const qsizetype perRiga = static_cast<qsizetype>(sw) * static_cast<qsizetype>(sizeof(QRgb));
    const PixelPrestati pixel(static_cast<std::size_t>(perRiga) * static_cast<std::size_t>(sh));
    if (pixel.dati() == nullptr)
        return;
    QImage sorgente(pixel.dati(), sw, sh, perRiga, QImage::Format_RGB32);
    riempiRighe(sorgente, prima, ultima, angoli);
    const bool wasSmooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(rect, sorgente);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

} // namespace scrivolta::ui
