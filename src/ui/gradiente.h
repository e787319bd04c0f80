#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>

class QPainter;

namespace scrivolta::ui {

// Colours as the program stores them: red in the low byte, then green, then
// blue (the value of RGB(r, g, b) is r + 256 g + 65536 b).
constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

struct AngoliGradiente {
    std::uint32_t altoSinistra;
    std::uint32_t altoDestra;
    std::uint32_t bassoSinistra;
    std::uint32_t bassoDestra;
};

// The small source picture of a four-corner gradient for a rectangle of the
// given size: at most 255 x 255 pixels, stretched onto the rectangle when
// drawn. Its top row and right column stop one step short of the top and
// right corner colours.
QImage sorgenteGradiente(int width, int height, const AngoliGradiente& angoli);

// `Gradiente`: fills `rect` of the painter's surface with the gradient.
void Gradiente(QPainter& painter, const QRect& rect, const AngoliGradiente& angoli, bool smooth);

} // namespace scrivolta::ui
