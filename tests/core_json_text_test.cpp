// Text for terminals and JSON: Latin-1 names from data files become UTF-8, whatever
// else the text holds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/json_text.h"

namespace {

using jsontext::JsonNumber;
using jsontext::JsonString;
using jsontext::ReadableUtf8;

TEST(ReadableUtf8, KeepsUtf8AndReadsEveryOtherByteAsLatin1) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"ISS (ZARYA)", "ISS (ZARYA)"},
        {"K\xf6ln", "K\xc3\xb6ln"},                                // Latin-1 name
        {"K\xc3\xb6ln", "K\xc3\xb6ln"},                            // already UTF-8
        {"\xf6 12.5\xc2\xb0", "\xc3\xb6 12.5\xc2\xb0"},            // a Latin-1 name in a UTF-8 line
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},                          // overlong form: not UTF-8
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},              // surrogate: not UTF-8
        {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},  // above U+10FFFF
        {"end\xe2\x82", "end\xc3\xa2\xc2\x82"},                    // cut sequence at the end
        {"\xf0\x9f\x9b\xb0", "\xf0\x9f\x9b\xb0"},                  // four bytes, valid
    };
    for (const Case& c : cases) EXPECT_EQ(ReadableUtf8(c.in), c.out) << c.in;
}

TEST(JsonString, EscapesAndConverts) {
    EXPECT_EQ(JsonString("K\xf6nig \"X\"\\"), "\"K\xc3\xb6nig \\\"X\\\"\\\\\"");
    EXPECT_EQ(JsonString(std::string("a\tb\x01\x7f", 5)), "\"a\\u0009b\\u0001\\u007f\"");
    EXPECT_EQ(JsonString(""), "\"\"");
}

TEST(JsonNumber, ShortestTextAndNullForWhatJsonCannotHold) {
    EXPECT_EQ(JsonNumber(0.1), "0.1");
    EXPECT_EQ(JsonNumber(-5.0), "-5");
    EXPECT_EQ(JsonNumber(std::nan("")), "null");
    EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
    const double third = 1.0 / 3.0;
    EXPECT_EQ(std::stod(JsonNumber(third)), third);
}

}  // namespace
