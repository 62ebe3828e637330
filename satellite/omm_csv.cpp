#include "satellite/omm_csv.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "core/date_text.h"
#include "core/number_text.h"
#include "satellite/catalog_number.h"
#include "satellite/element_lines.h"
#include "satellite/text_lines.h"

namespace {

// The columns the element lines are made of; the others are optional.
constexpr const char* kNeededColumns[] = {"NORAD_CAT_ID",      "EPOCH",           "MEAN_MOTION",
                                          "ECCENTRICITY",      "INCLINATION",     "RA_OF_ASC_NODE",
                                          "ARG_OF_PERICENTER", "MEAN_ANOMALY",    "BSTAR",
                                          "MEAN_MOTION_DOT",   "MEAN_MOTION_DDOT"};

// The fields of one CSV line, blanks around them removed; a field in double quotes
// may hold commas ("" is a quote).
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
    for (std::string& field : fields) field = std::string(numtext::Trim(field));
    return fields;
}

// The lines of the text; LF, CR LF and CR alone end a line.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

std::string Printed(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A number within [low, high]; nullopt when it is none or outside.
std::optional<double> Within(const std::string& text, double low, double high) {
    const std::optional<double> value = numtext::ParseNumber(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return *value + 0.0;  // no "-0.0000"
}

// A whole number within [low, high].
std::optional<long> WholeWithin(const std::string& text, long low, long high) {
    const std::optional<double> value =
        Within(text, static_cast<double>(low), static_cast<double>(high));
    if (!value || *value != std::trunc(*value)) return std::nullopt;
    return static_cast<long>(*value);
}

// An optional count (element set number, revolution number): fallback when the field
// is empty, else a whole number from 0, written modulo the field's room.
std::optional<long> CountField(const std::string& text, long fallback, long room) {
    if (text.empty()) return fallback;
    const std::optional<long> value = WholeWithin(text, 0, 2000000000L);
    if (!value) return std::nullopt;
    return *value % room;
}

// A value in the element lines' exponent form, 8 characters: " 19594-3" for
// 0.19594e-3. Below 1e-10 in size it is 0 (" 00000+0"); nullopt from 1e9 on.
std::optional<std::string> ExponentField(double value) {
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
    if (exponent > 9) return std::nullopt;
    if (exponent < -9 || mantissa == 0) mantissa = exponent = 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%05ld%c%d", value < 0 && mantissa > 0 ? '-' : ' ',
                  mantissa, exponent < 0 ? '-' : '+', std::abs(exponent));
    return std::string(buffer);
}

// The first derivative of the mean motion, 10 characters: " .00010360".
std::optional<std::string> RateField(double value) {
    if (!(std::fabs(value) < 1.0)) return std::nullopt;
    const long digits = std::lround(std::fabs(value) * 1e8);
    if (digits >= 100000000L) return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c.%08ld", value < 0 && digits > 0 ? '-' : ' ', digits);
    return std::string(buffer);
}

// The digits of text[pos, pos + count) as a number; -1 when one is no digit.
int DigitsAt(std::string_view text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t k = pos; k < pos + count; ++k) {
        if (text[k] < '0' || text[k] > '9') return -1;
        value = 10 * value + (text[k] - '0');
    }
    return value;
}

// "2026-04-27T08:40:14.575584" (a "Z" may follow) as "26117.36127981"; nullopt for a
// text of another form or an instant the calendar does not have.
std::optional<std::string> EpochField(std::string_view epoch) {
    if (!epoch.empty() && epoch.back() == 'Z') epoch.remove_suffix(1);
    if (epoch.size() < 19 || epoch[4] != '-' || epoch[7] != '-' || epoch[10] != 'T' ||
        epoch[13] != ':' || epoch[16] != ':')
        return std::nullopt;
    const int year = DigitsAt(epoch, 0, 4), month = DigitsAt(epoch, 5, 2);
    const int day = DigitsAt(epoch, 8, 2), hour = DigitsAt(epoch, 11, 2);
    const int minute = DigitsAt(epoch, 14, 2), whole = DigitsAt(epoch, 17, 2);
    // Seconds may carry a decimal fraction.
    if (epoch.size() > 19 &&
        (epoch[19] != '.' || epoch.size() == 20 ||
         epoch.substr(20).find_first_not_of("0123456789") != std::string_view::npos))
        return std::nullopt;
    if (year < 1957 || year > 2056 || month < 1 || month > 12 || day < 1 ||
        day > datetext::DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || whole < 0 || whole > 59)
        return std::nullopt;
    const double second = numtext::ParseNumber(epoch.substr(17)).value_or(whole);
    int dayOfYear = day;
    for (int m = 1; m < month; ++m) dayOfYear += datetext::DaysInMonth(year, m);
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

std::string WithChecksum(std::string line) {
    line.resize(68, ' ');
    return line + static_cast<char>('0' + ElementLineChecksum(line));
}

using Record = std::map<std::string, std::string>;

std::optional<std::string> ElementLines(const Record& r) {
    auto field = [&r](const char* name) -> std::string {
        const auto it = r.find(name);
        return it == r.end() ? std::string() : it->second;
    };
    const auto catnr = WholeWithin(field("NORAD_CAT_ID"), 0, kMaxCatalogNumber);
    const auto n = Within(field("MEAN_MOTION"), 0.0, 99.99999999);
    const auto e = Within(field("ECCENTRICITY"), 0.0, 1.0);
    const auto i = Within(field("INCLINATION"), 0.0, 180.0);
    const auto node = Within(field("RA_OF_ASC_NODE"), 0.0, 360.0);
    const auto w = Within(field("ARG_OF_PERICENTER"), 0.0, 360.0);
    const auto m = Within(field("MEAN_ANOMALY"), 0.0, 360.0);
    const auto bstar = numtext::ParseNumber(field("BSTAR"));
    const auto ndot = numtext::ParseNumber(field("MEAN_MOTION_DOT"));
    const auto nddot = numtext::ParseNumber(field("MEAN_MOTION_DDOT"));
    const auto setNumber = CountField(field("ELEMENT_SET_NO"), 999, 10000);
    const auto rev = CountField(field("REV_AT_EPOCH"), 0, 100000);
    const std::string name = field("OBJECT_NAME");
    if (!catnr || !n || *n <= 0.0 || !e || std::lround(*e * 1e7) >= 10000000L || !i || !node ||
        !w || !m || !bstar || !ndot || !nddot || !setNumber || !rev ||
        name.size() > kMaxKeptLineLength)
        return {};
    const auto number = CatalogNumberField(*catnr);
    const auto epoch = EpochField(field("EPOCH"));
    const auto ndotField = RateField(*ndot);
    const auto nddotField = ExponentField(*nddot);
    const auto bstarField = ExponentField(*bstar);
    if (!number || !epoch || !ndotField || !nddotField || !bstarField) return {};
    const std::string classification = field("CLASSIFICATION_TYPE").empty()
                                           ? std::string("U")
                                           : field("CLASSIFICATION_TYPE").substr(0, 1);
    const std::string line1 =
        WithChecksum("1 " + *number + classification + " " + DesignatorField(field("OBJECT_ID")) +
                     " " + *epoch + " " + *ndotField + " " + *nddotField + " " + *bstarField +
                     " 0 " + Printed("%4.0f", static_cast<double>(*setNumber)));
    char eccentricity[16];
    std::snprintf(eccentricity, sizeof eccentricity, "%07ld", std::lround(*e * 1e7));
    const std::string line2 =
        WithChecksum("2 " + *number + " " + Printed("%8.4f", *i) + " " + Printed("%8.4f", *node) +
                     " " + eccentricity + " " + Printed("%8.4f", *w) + " " + Printed("%8.4f", *m) +
                     " " + Printed("%11.8f", *n) + Printed("%5.0f", static_cast<double>(*rev)));
    // The lines made must be element lines by the rules every file is read by.
    if (!CheckElementLines(line1, line2).sound()) return {};
    return name + "\n" + line1 + "\n" + line2 + "\n";
}

bool Names(const std::vector<std::string>& header, std::string_view column) {
    for (const std::string& name : header)
        if (name == column) return true;
    return false;
}

std::vector<std::string> HeaderOf(std::string_view text) {
    text = WithoutByteOrderMark(text);
    return CsvFields(text.substr(0, text.find_first_of("\r\n")));
}

}  // namespace

bool IsOmmCsv(std::string_view text) {
    const std::vector<std::string> header = HeaderOf(text);
    return Names(header, "NORAD_CAT_ID") && Names(header, "EPOCH") && Names(header, "MEAN_MOTION");
}

OmmConversion ConvertOmmCsv(std::string_view text) {
    OmmConversion result;
    const std::vector<std::string_view> lines = Lines(WithoutByteOrderMark(text));
    if (lines.empty()) return result;
    const std::vector<std::string> header = CsvFields(lines[0]);
    for (const char* column : kNeededColumns)
        if (!Names(header, column)) result.missingColumns.push_back(column);
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
            result.recordLines.push_back(static_cast<int>(k) + 1);
        } else {
            result.unreadableLines.push_back(static_cast<int>(k) + 1);
        }
    }
    return result;
}
