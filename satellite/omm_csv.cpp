#include "satellite/omm_csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "satellite/catalog_number.h"

namespace {

// The fields of one CSV line; a field in double quotes may hold commas ("" is a quote).
std::vector<std::string> CsvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

std::optional<double> Number(const std::string& text) {
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    const auto r = std::from_chars(begin, text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string Printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A value in the element lines' exponent form, 8 characters: " 19594-3" for 0.19594e-3.
std::optional<std::string> ExponentField(double value) {
    const char sign = value < 0 ? '-' : ' ';
    double magnitude = std::fabs(value);
    int exponent = 0;
    long mantissa = 0;
    if (magnitude > 0.0) {
        exponent = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
        mantissa = std::lround(magnitude / std::pow(10.0, exponent) * 1e5);
        if (mantissa >= 100000) {
            mantissa /= 10;
            ++exponent;
        }
    }
    if (mantissa == 0) exponent = 0;
    if (exponent > 9 || exponent < -9) return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%05ld%c%d", sign, mantissa, exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return std::string(buffer);
}

// The first derivative of the mean motion, 10 characters: " .00010360".
std::optional<std::string> RateField(double value) {
    if (std::fabs(value) >= 1.0) return std::nullopt;
    std::string digits = Printed("%.8f", std::fabs(value));  // "0.00010360"
    return std::string(value < 0 ? "-" : " ") + digits.substr(1);
}

// "2026-04-27T08:40:14.575584" as "26117.36127981".
std::optional<std::string> EpochField(const std::string& epoch) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    double second = 0.0;
    if (std::sscanf(epoch.c_str(), "%d-%d-%dT%d:%d:%lf", &year, &month, &day, &hour, &minute,
                    &second) != 6 ||
        year < 1957 || year > 2056 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    static const int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int dayOfYear = kDaysBefore[month - 1] + day + (leap && month > 2 ? 1 : 0);
    const double fraction = (hour + minute / 60.0 + second / 3600.0) / 24.0;
    char yearDigits[8];
    std::snprintf(yearDigits, sizeof yearDigits, "%02d", year % 100);
    return yearDigits + Printed("%012.8f", dayOfYear + fraction);  // "26" + "117.36127981"
}

// "1998-067A" as "98067A  ".
std::string DesignatorField(const std::string& objectId) {
    std::string field;
    if (objectId.size() >= 9 && objectId[4] == '-')
        field = objectId.substr(2, 2) + objectId.substr(5);
    field.resize(8, ' ');
    return field;
}

int Checksum(const std::string& line) {
    int sum = 0;
    for (char c : line) {
        if (c >= '0' && c <= '9') sum += c - '0';
        if (c == '-') sum += 1;
    }
    return sum % 10;
}

std::string WithChecksum(std::string line) {
    line.resize(68, ' ');
    return line + static_cast<char>('0' + Checksum(line));
}

using Record = std::map<std::string, std::string>;

std::optional<std::string> ElementLines(const Record& r) {
    auto field = [&r](const char* name) -> std::string {
        const auto it = r.find(name);
        return it == r.end() ? std::string() : it->second;
    };
    const auto catnr = Number(field("NORAD_CAT_ID"));
    const auto n = Number(field("MEAN_MOTION"));
    const auto e = Number(field("ECCENTRICITY"));
    const auto i = Number(field("INCLINATION"));
    const auto node = Number(field("RA_OF_ASC_NODE"));
    const auto w = Number(field("ARG_OF_PERICENTER"));
    const auto m = Number(field("MEAN_ANOMALY"));
    const auto bstar = Number(field("BSTAR"));
    const auto ndot = Number(field("MEAN_MOTION_DOT"));
    const auto nddot = Number(field("MEAN_MOTION_DDOT"));
    if (!catnr || !n || !e || !i || !node || !w || !m || !bstar || !ndot || !nddot) return {};
    const auto number = CatalogNumberField(std::lround(*catnr));
    const auto epoch = EpochField(field("EPOCH"));
    const auto ndotField = RateField(*ndot);
    const auto nddotField = ExponentField(*nddot);
    const auto bstarField = ExponentField(*bstar);
    if (!number || !epoch || !ndotField || !nddotField || !bstarField || *e < 0.0 || *e >= 1.0)
        return {};
    const std::string classification = field("CLASSIFICATION_TYPE").empty()
                                           ? std::string("U")
                                           : field("CLASSIFICATION_TYPE").substr(0, 1);
    const long setNumber = std::lround(Number(field("ELEMENT_SET_NO")).value_or(999.0)) % 10000;
    const std::string line1 = "1 " + *number + classification + " " +
                              DesignatorField(field("OBJECT_ID")) + " " + *epoch + " " +
                              *ndotField + " " + *nddotField + " " + *bstarField + " 0 " +
                              Printed("%4.0f", static_cast<double>(setNumber));
    const long rev = std::lround(Number(field("REV_AT_EPOCH")).value_or(0.0)) % 100000;
    const std::string eccentricity = Printed("%.7f", *e).substr(2);  // "0007016"
    const std::string line2 = "2 " + *number + " " + Printed("%8.4f", *i) + " " +
                              Printed("%8.4f", *node) + " " + eccentricity + " " +
                              Printed("%8.4f", *w) + " " + Printed("%8.4f", *m) + " " +
                              Printed("%11.8f", *n) + Printed("%5.0f", static_cast<double>(rev));
    return field("OBJECT_NAME") + "\n" + WithChecksum(line1) + "\n" + WithChecksum(line2) + "\n";
}

}  // namespace

bool IsOmmCsv(std::string_view text) {
    return WithoutByteOrderMark(text).substr(0, 12) == "OBJECT_NAME,";
}

OmmConversion ConvertOmmCsv(std::string_view text) {
    OmmConversion result;
    const std::vector<std::string_view> lines = Lines(WithoutByteOrderMark(text));
    if (lines.empty()) return result;
    const std::vector<std::string> header = CsvFields(lines[0]);
    for (std::size_t k = 1; k < lines.size(); ++k) {
        if (lines[k].find_first_not_of(" \t") == std::string_view::npos) continue;
        const std::vector<std::string> values = CsvFields(lines[k]);
        Record record;
        for (std::size_t c = 0; c < header.size() && c < values.size(); ++c)
            record[header[c]] = values[c];
        const std::optional<std::string> set =
            values.size() == header.size() ? ElementLines(record) : std::nullopt;
        if (set) {
            result.elementText += *set;
            ++result.records;
        } else {
            result.unreadableLines.push_back(static_cast<int>(k) + 1);
        }
    }
    return result;
}
