#include "prediction/satellite_info_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/timescale.h"

namespace {

std::string Blanks(int count) {
    return std::string(static_cast<std::size_t>(std::max(count, 0)), ' ');
}

int FloorLog10(double value) {
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) return 0;
    if (!std::isfinite(magnitude)) return 1000;
    return static_cast<int>(std::floor(std::log10(magnitude)));
}

}  // namespace

std::string FixedText(double value, int precision, int decimals) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    precision = std::clamp(precision, 1, 18);
    decimals = std::clamp(decimals, 0, 18);

    // Round to the significant digits first; the exponent tells the integer digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    const double rounded = std::strtod(buffer, nullptr);  // "C" formatting: '.' always
    const char* exponentText = std::strchr(buffer, 'e');
    const int exponent = exponentText ? std::atoi(exponentText + 1) : 0;
    const int integerDigits = exponent + 1;

    if (integerDigits > precision) {
        // Exponent form with the significant digits, trailing zeros dropped.
        std::string mantissa(static_cast<const char*>(buffer), exponentText);
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0') mantissa.pop_back();
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        return mantissa + "E" + std::to_string(exponent);
    }

    const int kept = std::min(decimals, precision - integerDigits);
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(kept, 0), rounded);
    std::string text = buffer;
    if (decimals > kept) {
        if (kept <= 0) text += '.';
        text.append(static_cast<std::size_t>(decimals - std::max(kept, 0)), '0');
    }
    // A value that rounds to zero has no sign.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string ShortestText(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // Trailing zeros of a fraction are not part of the shortest form.
    if (text.find('.') != std::string::npos && text.find('e') == std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

std::string AlignmentBlanks(double value, int base) { return Blanks(base - FloorLog10(value)); }

std::string SignAndAlignment(double rate, int base) {
    std::string text = rate > 0.0 ? " " : "";
    if (std::fabs(rate) <= 0.1)
        text += Blanks(base);
    else
        text += Blanks(base - FloorLog10(rate));
    return text;
}

double RoundedTenth(double value) {
    return static_cast<double>(IntPart(10.0 * value + 0.5)) / 10.0;
}

std::string HeightMagnitudeText(double standardMagnitude, bool magnitudeKnown, double heightKm) {
    const double raw = standardMagnitude - 15.0 + 5.0 * std::log10(std::fabs(heightKm));
    const double m = std::isfinite(raw) ? std::floor(10.0 * raw + 0.5) / 10.0 : raw;
    std::string text = (m > 0.0 && m < 10.0) ? " " : "";
    text += FixedText(m, 4, 1);
    if (!magnitudeKnown) text += ':';
    return text;
}
