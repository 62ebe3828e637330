#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/date_text.h"
#include "core/number_text.h"

namespace {

TEST(NumberText, AcceptanceRules) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        // Forms of a decimal number.
        {"13.405", 13.405},
        {"7", 7.0},
        {"-0.5", -0.5},
        {"+1", 1.0},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5.0},
        {"1E20", 1e20},
        {"1e2", 100.0},
        {"2.5e-3", 2.5e-3},
        {"1E+3", 1000.0},
        // Blanks around it, and a line end after it.
        {" -5 ", -5.0},
        {"\t12.5\t", 12.5},
        {"3.5\r", 3.5},
        {"3.5\r\n", 3.5},
        // Signs: one, directly before the digits.
        {"+-1", std::nullopt},
        {"-+1", std::nullopt},
        {"--1", std::nullopt},
        {"++1", std::nullopt},
        {"- 1", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        // Not numbers.
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"1,5", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5x", std::nullopt},
        {"abc", std::nullopt},
        {"1e", std::nullopt},
        {"e5", std::nullopt},
        {"0x10", std::nullopt},
        {"nan", std::nullopt},
        {"-nan", std::nullopt},
        {"inf", std::nullopt},
        {"+inf", std::nullopt},
        {"infinity", std::nullopt},
        {"1e999", std::nullopt},
        {"\r3.5", std::nullopt},
        {"1_000", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(numtext::ParseNumber(c.text), c.value) << '"' << c.text << '"';
        double value = -999.0;
        EXPECT_EQ(numtext::ParseReal(c.text, value), c.value.has_value()) << c.text;
        EXPECT_EQ(value, c.value.value_or(-999.0)) << "a failed read leaves the value";
    }

    struct IntegerCase {
        const char* text;
        std::optional<int> value;
    };
    const IntegerCase integers[] = {
        {"3", 3},
        {" 3 ", 3},
        {"+4", 4},
        {"-12", -12},
        {"-2147483648", -2147483647 - 1},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"3.0", std::nullopt},
        {"1e3", std::nullopt},
        {"drei", std::nullopt},
        {"", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"- 1", std::nullopt},
    };
    for (const IntegerCase& c : integers) {
        int value = -999;
        EXPECT_EQ(numtext::ParseInteger(c.text, value), c.value.has_value()) << c.text;
        EXPECT_EQ(value, c.value.value_or(-999)) << c.text;
    }

    EXPECT_EQ(numtext::BadRealMessage("1,5"), "'1,5' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(numtext::BadIntegerMessage("x"), "'x' ist kein gültiger Integerwert");
}

// A message quotes a text of any length by its first characters, never cutting one.
TEST(NumberText, MessagesQuoteLongTextsByTheirFirstCharacters) {
    EXPECT_EQ(numtext::Excerpt("Berlin"), "Berlin");
    EXPECT_EQ(numtext::Excerpt(std::string(40, 'x')), std::string(40, 'x'));
    EXPECT_EQ(numtext::Excerpt("M\xc3\xbcnchen", 2), "M\xc3\xbc…");
    EXPECT_EQ(numtext::BadRealMessage(std::string(10'000'000, '1')),
              "'" + std::string(40, '1') + "…' ist kein gültiger Gleitkommawert");
}

TEST(NumberText, ShortestFormWithPointAndUpToFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {13.405, "13.405"},
        {52.52, "52.52"},
        {8.5, "8.5"},
        {-5.0, "-5"},
        {-180.0, "-180"},
        {0.0, "0"},
        {-0.0, "0"},
        {100.0, "100"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {-0.5, "-0.5"},
        {1e20, "1E20"},
        {1e-5, "1E-5"},
        {123456789012345.0, "123456789012345"},
        {51.123456789012345, "51.1234567890123"},
        {2.0 / 3.0 * 1e-7, "6.66666666666667E-8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numtext::FormatNumber(c.value), c.text);
        double back = 0.0;
        ASSERT_TRUE(numtext::ParseReal(numtext::FormatNumber(c.value), back)) << c.text;
        EXPECT_NEAR(back, c.value, std::abs(c.value) * 1e-14) << c.text;
    }
}

TEST(NumberText, CountsWithTheirNounInSingularAndPlural) {
    EXPECT_EQ(numtext::CountOf(1, "Satellit", "Satelliten"), "1 Satellit");
    EXPECT_EQ(numtext::CountOf(0, "Satellit", "Satelliten"), "0 Satelliten");
    EXPECT_EQ(numtext::CountOf(2, "Satellit", "Satelliten"), "2 Satelliten");
    EXPECT_EQ(numtext::CountOf(1, "Nacht", "Nächte"), "1 Nacht");
}

TEST(DateText, DatesAndTimes) {
    // The parts read (day, month, year or hour, minute, second); none when refused.
    struct Case {
        const char* text;
        std::vector<int> parts;
    };
    const Case dates[] = {
        {"27.04.2026", {27, 4, 2026}},
        {" 1.5.26 ", {1, 5, 2026}},
        {"1.1.99", {1, 1, 1999}},
        {"1.1.49", {1, 1, 2049}},
        {"1.1.50", {1, 1, 1950}},
        {"1.1.0099", {1, 1, 99}},
        {"29.2.2028", {29, 2, 2028}},
        {"29.2.2000", {29, 2, 2000}},
        {"31.12.9999", {31, 12, 9999}},
        // Days the month does not have.
        {"31.02.2026", {}},
        {"29.2.2027", {}},
        {"29.2.1900", {}},
        {"31.4.2026", {}},
        {"0.1.2026", {}},
        {"1.13.2026", {}},
        {"1.0.2026", {}},
        {"1.1.0000", {}},
        // Other forms.
        {"27-04-2026", {}},
        {"", {}},
        {"1.2.3.4", {}},
        {"1.2", {}},
        {"001.1.2026", {}},
        {"1.1.20260", {}},
        {"+1.5.2026", {}},
        {"1 .5.2026", {}},
        {"\t1.5.2026", {}},
        {"1..2026", {}},
    };
    for (const Case& c : dates) {
        const std::optional<datetext::Date> d = datetext::ParseDate(c.text);
        EXPECT_EQ((d ? std::vector<int>{d->day, d->month, d->year} : std::vector<int>{}), c.parts)
            << c.text;
    }
    const Case times[] = {
        {"22:15", {22, 15, 0}},
        {"7:05:09", {7, 5, 9}},
        {" 0:0:0 ", {0, 0, 0}},
        {"23:59:59", {23, 59, 59}},
        {"24:00", {}},
        {"12:60", {}},
        {"12:00:60", {}},
        {"12", {}},
        {"a:b", {}},
        {"1:2:3:4", {}},
        {"012:00", {}},
        {"-1:00", {}},
        {"", {}},
    };
    for (const Case& c : times) {
        const std::optional<datetext::Time> t = datetext::ParseTime(c.text);
        EXPECT_EQ((t ? std::vector<int>{t->hour, t->minute, t->second} : std::vector<int>{}),
                  c.parts)
            << c.text;
    }
}

}  // namespace
