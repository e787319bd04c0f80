// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf/formato.h"

#include "pdf/errore.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace scrivolta::pdf {

namespace {

// Scaled values beyond this no longer fit an integer; at that size a float
// has no fraction left to print anyway.
constexpr double kLargestScaled = 9.0e18;

std::string wholeNumber(double value) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 0);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string FormatReal(double value, int decimals) {
    if (!std::isfinite(value))
        throw PdfError("a number the file cannot hold");
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::nearbyint(value * scale);
    if (std::fabs(scaled) >= kLargestScaled)
        return wholeNumber(std::nearbyint(value));
    const auto units = static_cast<std::int64_t>(scaled);
    const auto divisor = static_cast<std::int64_t>(scale);
    const std::uint64_t magnitude =
        units < 0 ? static_cast<std::uint64_t>(-units) : static_cast<std::uint64_t>(units);
    std::string text = units < 0 ? "-" : "";
    text += std::to_string(magnitude / static_cast<std::uint64_t>(divisor));
    std::uint64_t fraction = magnitude % static_cast<std::uint64_t>(divisor);
    if (fraction == 0)
        return text;
    std::string digits = std::to_string(fraction);
    digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
    digits.erase(digits.find_last_not_of('0') + 1);
    return text + "." + digits;
}

std::string EscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\' || c == '(' || c == ')')
            out += '\\';
        out += c;
    }
    return out;
}

std::string ASCII85Encode(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size() / 4 * 5 + 7);
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const std::size_t count = std::min<std::size_t>(4, bytes.size() - i);
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < 4; ++k)
            value = value << 8 | (k < count ? bytes[i + k] : 0U);
        if (value == 0 && count == 4) {
            out += 'z';
            continue;
        }
        std::array<char, 5> digits{};
        for (std::size_t k = 5; k-- > 0;) {
            digits[k] = static_cast<char>('!' + value % 85);
            value /= 85;
        }
        out.append(digits.data(), count + 1);
    }
    return out + "~>";
}

} // namespace scrivolta::pdf
