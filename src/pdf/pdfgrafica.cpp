// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/formato.h"
#include "pdf/pdfwriter.h"

#include <algorithm>
#include <cmath>

namespace scrivolta::pdf {

namespace {

constexpr int kStroke = 1;
constexpr int kClose = 2;
constexpr int kFill = 4;
constexpr double kPiGreco = 3.141592;
// The control points of a Bézier quarter circle lie this far along the tangents.
constexpr float kKappa = 0.55F;

std::string componente(std::int32_t colour, int shift) {
    return FormatReal(static_cast<double>((colour >> shift) & 0xFF) / 255.0, 3);
}

} // namespace

std::string clsPdfWriter::colour(std::int32_t value, const char* greyOperator,
                                 const char* rgbOperator) const {
    if (value < -255)
        throw PdfError("a colour below -255");
    if (value <= 0)
        return FormatReal(-static_cast<double>(value) / 255.0, 3) + " " + greyOperator;
    return componente(value, 0) + " " + componente(value, 8) + " " + componente(value, 16) + " " +
           rgbOperator;
}

void clsPdfWriter::SetColorStroke(std::int32_t value) {
    requireStream("SetColorStroke");
    WriteLine(colour(value, "G", "RG"));
}

void clsPdfWriter::SetColorFill(std::int32_t value) {
    requireStream("SetColorFill");
    WriteLine(colour(value, "g", "rg"));
}

void clsPdfWriter::SetDash(float dash, float gap) {
    requireStream("SetDash");
    if (dash != 0.0F || gap != 0.0F)
        WriteLine("[" + pt(dash) + " " + pt(gap) + "] 0 d");
    else
        WriteLine("[ ] 0 d");
}

void clsPdfWriter::SetLineWidth(float width) {
    requireStream("SetLineWidth");
    WriteLine(pt(width) + " w");
}

void clsPdfWriter::SetLineCap(int style) {
    requireStream("SetLineCap");
    if (style >= 0 && style <= 2)
        WriteLine(std::to_string(style) + " J");
}

void clsPdfWriter::SetLineJoin(int style) {
    requireStream("SetLineJoin");
    if (style >= 0 && style <= 2)
        WriteLine(std::to_string(style) + " j");
}

void clsPdfWriter::SetMiterLimit(float limit) {
    requireStream("SetMiterLimit");
    if (limit >= 1.0F)
        WriteLine(FormatReal(limit, 3) + " M");
}

void clsPdfWriter::PaintPath(int options) {
    const bool stroke = (options & kStroke) != 0;
    const bool close = (options & kClose) != 0;
    const bool fill = (options & kFill) != 0;
    if (stroke && fill) {
        WriteLine(close ? "b" : "B");
    } else if (fill) {
        WriteLine("f");
    } else if (stroke) {
        if (close)
            WriteLine("h");
        WriteLine("S");
    } else if (close) {
        WriteLine("h");
    }
}

void clsPdfWriter::MoveTo(float x, float y) {
    requireStream("MoveTo");
    WriteLine(pt(x) + " " + pt(y) + " m");
}

void clsPdfWriter::LineTo(float x, float y, int options) {
    requireStream("LineTo");
    WriteLine(pt(x) + " " + pt(y) + " l");
    PaintPath(options);
}

void clsPdfWriter::Curve(float x1, float y1, float x2, float y2, float x3, float y3, int options) {
    requireStream("Curve");
    WriteLine(pt(x1) + " " + pt(y1) + " " + pt(x2) + " " + pt(y2) + " " + pt(x3) + " " + pt(y3) +
              " c");
    PaintPath(options);
}

float clsPdfWriter::Rectangle(float x, float y, float width, float height, int options,
                              float radius) {
    requireStream("Rectangle");
    WriteLine("n");
    if (radius <= 0.0F) {
        WriteLine(pt(x) + " " + pt(y) + " " + pt(width) + " " + pt(height) + " re");
        PaintPath(options);
        return radius;
    }
    const float r = std::min(std::min(radius, width / 2.0F), height / 2.0F);
    const float k = kKappa * r;
    const float right = x + width;
    const float top = y + height;
    MoveTo(x + r, y);
    LineTo(right - r, y, 0);
    Curve(right - r + k, y, right, y + r - k, right, y + r, 0);
    LineTo(right, top - r, 0);
    Curve(right, top - r + k, right - r + k, top, right - r, top, 0);
    LineTo(x + r, top, 0);
    Curve(x + r - k, top, x, top - r + k, x, top - r, 0);
    LineTo(x, y + r, 0);
    Curve(x, y + r - k, x + r - k, y, x + r, y, 0);
    PaintPath(options);
    return r;
}

void clsPdfWriter::DrawCircle(float x, float y, float radius, int options) {
    requireStream("DrawCircle");
    const float r = radius;
    const float k = kKappa * r;
    MoveTo(x, y - r);
    Curve(x + k, y - r, x + r, y - k, x + r, y, 0);
    Curve(x + r, y + k, x + k, y + r, x, y + r, 0);
    Curve(x - k, y + r, x - r, y + k, x - r, y, 0);
    Curve(x - r, y - k, x - k, y - r, x, y - r, 0);
    PaintPath(options);
}

void clsPdfWriter::Arc(float x, float y, float radius, float startAngle, float endAngle,
                       float ratio, bool pie, float rotation, int step, int options) {
    requireStream("Arc");
    // A step of 0 or less would never reach the end angle.
    if (step <= 0)
        throw PdfError("Arc with an angular step that is not positive");
    WriteLine("n");
    MoveTo(x, y);
    pie = pie || (options & kFill) != 0;
    const double degree = kPiGreco / 180.0;
    const double s = std::sin(-degree * rotation);
    const double c = std::cos(-degree * rotation);
    for (long i = 0;; ++i) {
        const double angle = startAngle + static_cast<double>(i) * step;
        if (angle > endAngle)
            break;
        const double px = radius * std::cos(degree * angle);
        const double py = ratio * radius * std::sin(degree * angle);
        const auto vx = static_cast<float>(x + c * px + s * py);
        const auto vy = static_cast<float>(y - px * s + c * py);
        if (i == 0 && !pie)
            MoveTo(vx, vy);
        LineTo(vx, vy, 0);
    }
    if (pie)
        LineTo(x, y, 0);
    PaintPath(options);
}

} // namespace scrivolta::pdf
