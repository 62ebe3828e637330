#include "core/number_text.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace numtext {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks off both ends, and a line end off the end.
std::string_view Bare(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || IsLineEnd(text.back()))) text.remove_suffix(1);
    return text;
}

// Takes one sign off the front; false when what is left cannot begin a number (no
// text, a second sign, a blank, letters such as "inf" or "nan").
bool SplitSign(std::string_view& text, bool& negative) {
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return !text.empty() && (IsDigit(text.front()) || text.front() == '.');
}

}  // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (IsBlank(text.front()) || IsLineEnd(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || IsLineEnd(text.back()))) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Bare(text);
    bool negative = false;
    if (!SplitSign(text, negative)) return std::nullopt;
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

bool ParseReal(std::string_view text, double& value) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) return false;
    value = *number;
    return true;
}

bool ParseInteger(std::string_view text, int& value) {
    text = Bare(text);
    bool negative = false;
    if (!SplitSign(text, negative) || !IsDigit(text.front())) return false;
    long long magnitude = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, magnitude);
    if (result.ec != std::errc() || result.ptr != end) return false;
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT_MIN || signedValue > INT_MAX) return false;
    value = static_cast<int>(signedValue);
    return true;
}

std::string Excerpt(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // inside a character
        if (chars++ == maxChars) return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

std::string BadRealMessage(std::string_view text) {
    return "'" + Excerpt(text) + "' ist kein gültiger Gleitkommawert";
}

std::string BadIntegerMessage(std::string_view text) {
    return "'" + Excerpt(text) + "' ist kein gültiger Integerwert";
}

std::string FormatNumber(double value) {
    if (value == 0.0) return "0";  // also -0
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // "1e+20" -> "1E20", "1e-05" -> "1E-5".
    const auto e = text.find('e');
    if (e == std::string::npos) return text;
    std::string exponent = text.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        if (exponent[0] == '-') sign = "-";
        exponent.erase(0, 1);
    }
    while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
    return text.substr(0, e) + "E" + sign + exponent;
}

std::string CountOf(long long count, std::string_view singular, std::string_view plural) {
    return std::to_string(count) + " " + std::string(count == 1 ? singular : plural);
}

}  // namespace numtext
