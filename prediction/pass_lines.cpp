#include "prediction/pass_lines.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// 17 words of three characters: N NNO NO ONO O OSO SO SSO S SSW SW WSW W WNW NW NNW N.
constexpr std::string_view kCompassTable = "N  NNONO ONOO  OSOSO SSOS  SSWSW WSWW  WNWNW NNWN  ";

// Width of the name column of a search line (the blank before it excluded).
constexpr int kNameWidth = 16;
constexpr int kTimeWidth = 15;
constexpr int kNumberWidth = 5;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of character index n (or the text size when it has fewer characters).
std::size_t ByteOffset(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    while (i < text.size() && n > 0) {
        ++i;
        // A lead byte followed by continuation bytes forms one character; a stray
        // continuation byte counts alone.
        if (static_cast<unsigned char>(text[i - 1]) >= 0xC0) {
            while (i < text.size() && IsContinuation(static_cast<unsigned char>(text[i]))) ++i;
        }
        --n;
    }
    return i;
}

}  // namespace

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        i = i + ByteOffset(text.substr(i), 1);
        ++count;
    }
    return count;
}

std::string CharSlice(std::string_view text, std::size_t first, std::size_t count) {
    const std::size_t from = ByteOffset(text, first);
    const std::size_t to = from + ByteOffset(text.substr(from), count);
    return std::string(text.substr(from, to - from));
}

std::string PadLeft(std::string_view text, int width) {
    const std::size_t n = CharCount(text);
    std::string out;
    if (width > 0 && n < static_cast<std::size_t>(width)) out.assign(width - n, ' ');
    out.append(text);
    return out;
}

std::string PadRight(std::string_view text, int width) {
    std::string out(text);
    const std::size_t n = CharCount(text);
    if (width > 0 && n < static_cast<std::size_t>(width)) out.append(width - n, ' ');
    return out;
}

std::string FixedText(double x, int decimals) {
    if (!std::isfinite(x)) return std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) return "***";
    std::string text(buffer, r.ptr);
    // "-0.0" reads as 0.0 in a list.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string CompassWord(double chartAzimuthDeg) {
    int index = IntPart((chartAzimuthDeg + 180.0) / 22.5 + 0.5);
    // The azimuth lies in (-180, 180]; keep a stray value inside the table.
    if (index < 0 || index > 16) index = 0;
    return std::string(kCompassTable.substr(3 * index, 3));
}

std::string TimeField(JD1900 time) {
    // Nine decimals for 1900..2173; a wider integer part (other centuries, a sign)
    // gives up decimals, so the field keeps its 15 characters.
    for (int decimals = 9; decimals > 0; --decimals) {
        const std::string text = FixedText(time, decimals);
        if (text.size() <= static_cast<std::size_t>(kTimeWidth)) return PadLeft(text, kTimeWidth);
    }
    return PadLeft(FixedText(time, 0), kTimeWidth);
}

namespace {

// The values of a pass from the satellite altitude through the Sun altitude, as the
// search line and the display line write them.
std::string ValueColumns(const PassRecord& pass) {
    std::string line = PadLeft(FixedText(pass.altitudeDeg, 1) + "°", 8);
    line += pass.shadowBoundary ? "* " : "  ";
    line += CompassWord(pass.azimuthDeg);
    line += PadLeft(FixedText(pass.rangeKm, 0), 8);
    line += PadLeft(FixedText(pass.directionDeg, 0), 6);
    line += PadLeft(FixedText(pass.magnitude, 1) + (pass.magnitudeKnown ? " " : ":"), 7);
    line += PadLeft(FixedText(pass.sunAltitudeDeg, 1), 6);
    return line;
}

std::string NameColumns(const PassRecord& pass) {
    return PadRight(CharSlice(pass.name, 0, kNameWidth), kNameWidth);
}

}  // namespace

std::string SearchLine(const PassRecord& pass) {
    std::string line = TimeField(pass.time) + ValueColumns(pass);
    line += PadLeft(std::to_string(pass.satelliteNumber), kNumberWidth);
    line += ' ';
    line += NameColumns(pass);
    return line;
}

std::string DisplayLine(const PassRecord& pass, std::string_view dateText,
                        std::string_view timeText) {
    std::string line = " ";
    line += CharSlice(NameColumns(pass), 0, kNameWidth - 1);
    line += ' ';
    line += CharSlice(dateText, 0, 6);
    line += "  ";
    line += timeText;
    line += ValueColumns(pass);
    return line;
}
