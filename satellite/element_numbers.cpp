#include "satellite/element_numbers.h"

#include <cstdint>

#include "satellite/catalog_number.h"

namespace {

// Exact powers of ten up to 10^22 (every field needs at most 10^14).
constexpr double kPowerOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The digits of columns first..last (1-based) as one whole number; blanks before
// them are passed over, a point is left out. digitsAfterPoint counts those behind it.
std::int64_t DigitsOf(std::string_view line, int first, int last, int& digitsAfterPoint) {
    std::int64_t value = 0;
    digitsAfterPoint = -1;
    for (int column = first; column <= last; ++column) {
        const char c = line[static_cast<std::size_t>(column - 1)];
        if (c == '.') {
            digitsAfterPoint = 0;
            continue;
        }
        if (c < '0' || c > '9') continue;
        value = 10 * value + (c - '0');
        if (digitsAfterPoint >= 0) ++digitsAfterPoint;
    }
    if (digitsAfterPoint < 0) digitsAfterPoint = 0;
    return value;
}

std::int64_t WholeNumber(std::string_view line, int first, int last) {
    int after = 0;
    return DigitsOf(line, first, last, after);
}

// A field with digits around a point ("  51.6320"), or digits with the point assumed
// before them (pointBefore: the eccentricity "0007016").
double Decimal(std::string_view line, int first, int last, bool pointBefore = false) {
    int after = 0;
    const std::int64_t digits = DigitsOf(line, first, last, after);
    if (pointBefore) after = last - first + 1;
    return static_cast<double>(digits) / kPowerOfTen[after];
}

double Signed(char sign, double value) { return sign == '-' ? -value : value; }

// " .00010360" in columns first..first+9: a sign, the point and eight digits.
double Rate(std::string_view line, int first) {
    return Signed(line[static_cast<std::size_t>(first - 1)], Decimal(line, first + 1, first + 9));
}

// " 19594-3" in columns first..first+7: a sign, five digits behind an assumed point,
// the exponent's sign and digit.
double Exponent(std::string_view line, int first) {
    const double digits = static_cast<double>(WholeNumber(line, first + 1, first + 5));
    const char exponentSign = line[static_cast<std::size_t>(first + 5)];
    const int exponent = line[static_cast<std::size_t>(first + 6)] - '0';
    const int power = (exponentSign == '-' ? -exponent : exponent) - 5;
    const double value = power >= 0 ? digits * kPowerOfTen[power] : digits / kPowerOfTen[-power];
    return Signed(line[static_cast<std::size_t>(first - 1)], value);
}

}  // namespace

SgpElementNumbers SoundElementNumbers(std::string_view line1, std::string_view line2) {
    SgpElementNumbers numbers;
    numbers.catalogNumber = CatalogNumberOfLine(line1).value_or(0.0);
    numbers.year2 = static_cast<int>(WholeNumber(line1, 19, 20));
    numbers.day = static_cast<int>(WholeNumber(line1, 21, 23));
    numbers.dayFraction = Decimal(line1, 24, 32);
    numbers.ndot2 = Rate(line1, 34);
    numbers.nddot6 = Exponent(line1, 45);
    numbers.bstar = Exponent(line1, 54);
    numbers.inclinationDeg = Decimal(line2, 9, 16);
    numbers.nodeDeg = Decimal(line2, 18, 25);
    numbers.eccentricity = Decimal(line2, 27, 33, true);
    numbers.perigeeDeg = Decimal(line2, 35, 42);
    numbers.meanAnomalyDeg = Decimal(line2, 44, 51);
    numbers.meanMotionRevDay = Decimal(line2, 53, 63);
    return numbers;
}
