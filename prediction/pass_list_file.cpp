#include "prediction/pass_list_file.h"

#include <algorithm>
#include <charconv>

#include "prediction/pass_lines.h"

std::string ShortestDecimal(double value) {
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, r.ec == std::errc() ? r.ptr : buffer);
}

namespace {

std::string OffsetText(double zoneOffsetHours) {
    return (zoneOffsetHours > 0.0 ? "+" : "") + ShortestDecimal(zoneOffsetHours) + "h";
}

}  // namespace

std::string PassListLocationLine(double longitudeDeg, double latitudeDeg,
                                 const std::string& zoneText) {
    return "Laenge: " + ShortestDecimal(longitudeDeg) + (longitudeDeg >= 0.0 ? " E  " : " W  ") +
           "Breite: " + ShortestDecimal(latitudeDeg) + (latitudeDeg >= 0.0 ? " N  " : " S  ") +
           "Zeitzone: " + zoneText;
}

std::string PassListLocationLine(double longitudeDeg, double latitudeDeg, double zoneOffsetHours) {
    return PassListLocationLine(longitudeDeg, latitudeDeg, "UTC " + OffsetText(zoneOffsetHours));
}

std::string PassListZoneText(const ObservingPlace& observer, const std::vector<JD1900>& instants,
                             JD1900 shownInstant) {
    if (observer.zoneRule.empty()) return "UTC " + OffsetText(observer.zoneOffsetHours);
    std::vector<double> offsets;
    for (JD1900 t : instants) {
        const double offset = observer.zoneOffsetAt(t);
        if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end())
            offsets.push_back(offset);
    }
    if (offsets.empty()) offsets.push_back(observer.zoneOffsetAt(shownInstant));
    std::string text = "UTC ";
    for (std::size_t i = 0; i < offsets.size(); ++i)
        text += (i ? "/" : "") + OffsetText(offsets[i]);
    return text + " " + observer.zoneRule;
}

std::string PassSearchSpanText(const PassSearchSpan& span, const ObservingPlace& observer) {
    auto texts = [&observer](JD1900 t) { return DateTimeTextsOf(t, observer.zoneOffsetAt(t)); };
    switch (span.kind) {
        case PassSearchSpan::Kind::None:
            return {};
        case PassSearchSpan::Kind::Nights: {
            const std::string first = texts(span.first).date, last = texts(span.last).date;
            return first == last ? ", Nacht vom " + first
                                 : ", Nächte vom " + first + " bis " + last;
        }
        case PassSearchSpan::Kind::Window: {
            const DateTimeTexts from = texts(span.first), to = texts(span.last);
            return ", vom " + from.date + " " + from.time.substr(0, 5) + " bis " + to.date + " " +
                   to.time.substr(0, 5);
        }
    }
    return {};
}

std::vector<std::string> PassListFileLines(const std::string& placeName,
                                           const std::string& spanText, double longitudeDeg,
                                           double latitudeDeg, const std::string& zoneText,
                                           const std::string& elementFilePath,
                                           const std::vector<std::string>& listLines) {
    std::vector<std::string> lines;
    lines.reserve(listLines.size() + 4);
    lines.push_back("Sichtbarkeitsbedingungen für " + placeName + spanText);
    lines.push_back(PassListLocationLine(longitudeDeg, latitudeDeg, zoneText));
    lines.push_back("berechnet mit Elementen aus " + elementFilePath);
    lines.push_back(std::string(kDisplayHeading));
    lines.insert(lines.end(), listLines.begin(), listLines.end());
    return lines;
}

std::string Utf8ToLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        bool valid = extra > 0;
        unsigned code = c & (0x3F >> extra);
        for (int j = 1; valid && j <= extra; ++j) {
            if (i + j >= text.size()) {
                valid = false;
                break;
            }
            const auto d = static_cast<unsigned char>(text[i + j]);
            if ((d & 0xC0) != 0x80) valid = false;
            code = (code << 6) | (d & 0x3F);
        }
        if (!valid) {  // a byte that is not UTF-8: already a single-byte character
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        out += code <= 0xFF ? static_cast<char>(code) : '?';
        i += extra + 1;
    }
    return out;
}

bool Latin1Holds(std::string_view text) {
    std::size_t questionMarks = 0;
    for (const char c : text) questionMarks += c == '?';
    std::size_t kept = 0;
    for (const char c : Utf8ToLatin1(text)) kept += c == '?';
    return kept == questionMarks;
}

std::string PassListFileText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += Utf8ToLatin1(line);
        text += "\r\n";
    }
    return text;
}
