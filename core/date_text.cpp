#include "core/date_text.h"

#include <cstddef>

namespace datetext {

namespace {

struct Parts {
    int count = 0;
    int value[3] = {0, 0, 0};
    std::size_t digits[3] = {0, 0, 0};
};

// Splits text (spaces around it taken off) at `separator` into two or three unsigned
// numbers of 1..maxDigits[i] digits; nothing when the text is not of that form.
std::optional<Parts> Split(std::string_view text, char separator, const int (&maxDigits)[3]) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    Parts parts;
    std::size_t pos = 0;
    while (true) {
        if (parts.count == 3) return std::nullopt;
        const std::size_t next = text.find(separator, pos);
        const std::string_view part =
            text.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos);
        if (part.empty() || part.size() > static_cast<std::size_t>(maxDigits[parts.count]))
            return std::nullopt;
        int value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + (c - '0');
        }
        parts.value[parts.count] = value;
        parts.digits[parts.count] = part.size();
        ++parts.count;
        if (next == std::string_view::npos) break;
        pos = next + 1;
    }
    return parts;
}

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1] + (month == 2 && LeapYear(year) ? 1 : 0);
}

std::optional<Date> ParseDate(std::string_view text) {
    const std::optional<Parts> parts = Split(text, '.', {2, 2, 4});
    if (!parts || parts->count != 3) return std::nullopt;
    Date date{parts->value[0], parts->value[1], parts->value[2]};
    if (parts->digits[2] <= 2) date.year += date.year < 50 ? 2000 : 1900;
    if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return std::nullopt;
    if (date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
    return date;
}

std::optional<Time> ParseTime(std::string_view text) {
    const std::optional<Parts> parts = Split(text, ':', {2, 2, 2});
    if (!parts || parts->count < 2) return std::nullopt;
    const Time time{parts->value[0], parts->value[1], parts->count == 3 ? parts->value[2] : 0};
    if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
    return time;
}

std::string BadDateMessage(std::string_view text) {
    return "'" + std::string(text) + "' ist kein gültiges Datum";
}

}  // namespace datetext
