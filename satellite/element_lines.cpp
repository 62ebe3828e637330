#include "satellite/element_lines.h"

#include <array>

#include "core/column_text.h"
#include "satellite/catalog_number.h"

namespace {

enum class Kind {
    LineNumber,      // "1" or "2"
    Blank,           // a blank between two fields
    CatalogNumber,   // five digits (leading blanks allowed) or the Alpha-5 form "A1234"
    Classification,  // a capital letter ("U") or a blank
    Designator,      // launch year and number (digits or all blank), piece (letters, left)
    Integer,         // digits, right-aligned (leading blanks)
    Counter,         // digits, right-aligned, or all blank (counters nothing reads)
    Fixed,           // digits right-aligned before a point in a fixed column, digits after
    Rate,            // sign (blank, "+" or "-"), point, eight digits: " .00010360"
    Exponent,        // sign, five digits, exponent sign and digit: " 19594-3", "-11606-4"
    Digits,          // digits only (the eccentricity with its point assumed)
    EphemerisType,   // a digit or a blank
};

struct FieldRule {
    int first, last;
    Kind kind;
    std::string_view name;
    int pointColumn = 0;  // Fixed: the column of the point
};

constexpr std::string_view kBlank = "Leerzeichen";
constexpr std::string_view kCatalogNumber = "Katalognummer";

constexpr FieldRule kLine1[] = {
    {1, 1, Kind::LineNumber, "Zeilennummer"},
    {2, 2, Kind::Blank, kBlank},
    {3, 7, Kind::CatalogNumber, kCatalogNumber},
    {8, 8, Kind::Classification, "Klassifizierung"},
    {9, 9, Kind::Blank, kBlank},
    {10, 17, Kind::Designator, "internationale Bezeichnung"},
    {18, 18, Kind::Blank, kBlank},
    {19, 20, Kind::Integer, "Epochenjahr"},
    {21, 32, Kind::Fixed, "Epochentag", 24},
    {33, 33, Kind::Blank, kBlank},
    {34, 43, Kind::Rate, "erste Ableitung der mittleren Bewegung"},
    {44, 44, Kind::Blank, kBlank},
    {45, 52, Kind::Exponent, "zweite Ableitung der mittleren Bewegung"},
    {53, 53, Kind::Blank, kBlank},
    {54, 61, Kind::Exponent, "Widerstandsterm B*"},
    {62, 62, Kind::Blank, kBlank},
    {63, 63, Kind::EphemerisType, "Ephemeridentyp"},
    {64, 64, Kind::Blank, kBlank},
    {65, 68, Kind::Counter, "Satznummer"},
};

constexpr FieldRule kLine2[] = {
    {1, 1, Kind::LineNumber, "Zeilennummer"},
    {2, 2, Kind::Blank, kBlank},
    {3, 7, Kind::CatalogNumber, kCatalogNumber},
    {8, 8, Kind::Blank, kBlank},
    {9, 16, Kind::Fixed, "Inklination", 12},
    {17, 17, Kind::Blank, kBlank},
    {18, 25, Kind::Fixed, "Rektaszension des Knotens", 21},
    {26, 26, Kind::Blank, kBlank},
    {27, 33, Kind::Digits, "Exzentrizität"},
    {34, 34, Kind::Blank, kBlank},
    {35, 42, Kind::Fixed, "Argument des Perigäums", 38},
    {43, 43, Kind::Blank, kBlank},
    {44, 51, Kind::Fixed, "mittlere Anomalie", 47},
    {52, 52, Kind::Blank, kBlank},
    {53, 63, Kind::Fixed, "mittlere Bewegung", 55},
    {64, 68, Kind::Counter, "Umlaufnummer"},
};

constexpr int kChecksumColumn = 69;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == ' ' || c == '+' || c == '-'; }

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (!IsDigit(c)) return false;
    return true;
}

// Blanks, then at least one digit, then digits to the end.
bool RightAlignedDigits(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first != std::string_view::npos && AllDigits(text.substr(first));
}

bool AllBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

bool CatalogNumberField(std::string_view text) {
    if (text.size() != 5) return false;
    if (text[0] >= 'A' && text[0] <= 'Z')
        return AllDigits(text.substr(1)) && CatalogNumberOfField(text).has_value();
    return RightAlignedDigits(text);
}

bool DesignatorField(std::string_view text) {
    const std::string_view launch = text.substr(0, 5), piece = text.substr(5);
    if (!AllDigits(launch) && !AllBlank(launch)) return false;
    const std::size_t end = piece.find(' ');
    for (std::size_t k = 0; k < piece.size(); ++k) {
        const bool letter = piece[k] >= 'A' && piece[k] <= 'Z';
        if (k < end ? !letter : piece[k] != ' ') return false;
    }
    return true;
}

bool Holds(const FieldRule& rule, std::string_view text, char lineNumber) {
    if (text.size() != static_cast<std::size_t>(rule.last - rule.first + 1)) return false;
    switch (rule.kind) {
        case Kind::LineNumber:
            return text[0] == lineNumber;
        case Kind::Blank:
            return text[0] == ' ';
        case Kind::CatalogNumber:
            return CatalogNumberField(text);
        case Kind::Classification:
            return text[0] == ' ' || (text[0] >= 'A' && text[0] <= 'Z');
        case Kind::Designator:
            return DesignatorField(text);
        case Kind::Integer:
            return RightAlignedDigits(text);
        case Kind::Counter:
            return AllBlank(text) || RightAlignedDigits(text);
        case Kind::Fixed: {
            const std::size_t point = static_cast<std::size_t>(rule.pointColumn - rule.first);
            return text[point] == '.' && RightAlignedDigits(text.substr(0, point)) &&
                   AllDigits(text.substr(point + 1));
        }
        case Kind::Rate:
            return IsSign(text[0]) && text[1] == '.' && AllDigits(text.substr(2));
        case Kind::Exponent:
            return IsSign(text[0]) && AllDigits(text.substr(1, 5)) &&
                   (text[6] == '+' || text[6] == '-') && IsDigit(text[7]);
        case Kind::Digits:
            return AllDigits(text);
        case Kind::EphemerisType:
            return text[0] == ' ' || IsDigit(text[0]);
    }
    return false;
}

// The day of the year lies between 1 and 366 (a sound field of kLine1).
bool DayOfYearInRange(std::string_view line1) {
    int day = 0;
    for (char c : ColumnText(line1, 21, 23))
        if (IsDigit(c)) day = 10 * day + (c - '0');
    return day >= 1 && day <= 366;
}

template <std::size_t N>
ElementLineFault FirstFault(std::string_view line, const FieldRule (&rules)[N], int number) {
    const char lineNumber = static_cast<char>('0' + number);
    for (const FieldRule& rule : rules)
        if (!Holds(rule, ColumnText(line, rule.first, rule.last), lineNumber))
            return {number, rule.first, rule.last, rule.name};
    if (line.size() > static_cast<std::size_t>(kChecksumColumn)) {
        const std::string_view rest = line.substr(kChecksumColumn);
        const std::size_t text = rest.find_first_not_of(" \t");
        if (text != std::string_view::npos)
            return {number, kChecksumColumn + 1 + static_cast<int>(text),
                    static_cast<int>(line.size()), "Text nach dem Zeilenende des Formats"};
    }
    return {};
}

bool ChecksumMatches(std::string_view line) {
    if (line.size() < static_cast<std::size_t>(kChecksumColumn)) return false;
    const char digit = line[kChecksumColumn - 1];
    return IsDigit(digit) && digit - '0' == ElementLineChecksum(line);
}

}  // namespace

int ElementLineChecksum(std::string_view line) {
    // What each character adds: a digit its value, "-" one, anything else nothing.
    static constexpr auto kWorth = [] {
        std::array<unsigned char, 256> worth{};
        for (int d = 0; d <= 9; ++d) worth['0' + d] = static_cast<unsigned char>(d);
        worth['-'] = 1;
        return worth;
    }();
    int sum = 0;
    for (char c : line.substr(0, kChecksumColumn - 1)) sum += kWorth[static_cast<unsigned char>(c)];
    return sum % 10;
}

ElementLinesCheck CheckElementLines(std::string_view line1, std::string_view line2) {
    ElementLinesCheck check;
    check.fault = FirstFault(line1, kLine1, 1);
    if (check.sound() && !DayOfYearInRange(line1)) check.fault = {1, 21, 23, "Epochentag"};
    if (check.sound()) check.fault = FirstFault(line2, kLine2, 2);
    if (check.sound() && CatalogNumberOfField(ColumnText(line1, 3, 7)) !=
                             CatalogNumberOfField(ColumnText(line2, 3, 7)))
        check.fault = {2, 3, 7, "Katalognummer (nicht die von Zeile 1)"};
    check.checksum1 = ChecksumMatches(line1);
    check.checksum2 = ChecksumMatches(line2);
    return check;
}

std::string FaultColumnsText(const ElementLineFault& fault) {
    const std::string columns = fault.firstColumn == fault.lastColumn
                                    ? "Spalte " + std::to_string(fault.firstColumn)
                                    : "Spalten " + std::to_string(fault.firstColumn) + "-" +
                                          std::to_string(fault.lastColumn);
    return columns + " (" + std::string(fault.field) + ")";
}
