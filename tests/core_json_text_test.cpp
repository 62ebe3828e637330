// Text for terminals and JSON: Latin-1 names from data files become UTF-8, whatever
// else the text holds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "core/json_text.h"

namespace {

using jsontext::Json;
using jsontext::JsonLine;
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

TEST(JsonWriter, WritesValuesAsTheReportsAlwaysHave) {
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    using L = jsontext::Layout;
    struct Case {
        Json value;
        L layout;
        std::string text;
    } cases[] = {
        {JsonString("K\xf6nig \"X\"\\"), L::Compact, "\"K\xc3\xb6nig \\\"X\\\"\\\\\""},
        {JsonString(std::string("a\tb\x01", 4)), L::Compact, "\"a\\tb\\u0001\""},
        {JsonString(""), L::Compact, "\"\""},
        {JsonNumber(0.1), L::Compact, "0.1"},
        {JsonNumber(-5.0), L::Compact, "-5"},  // whole numbers as integers
        {JsonNumber(88888.0), L::Compact, "88888"},
        {JsonNumber(1e300), L::Compact, "1e+300"},
        {JsonNumber(1.0 / 3.0), L::Compact, "0.3333333333333333"},
        {JsonNumber(nan), L::Compact, "null"},
        {JsonNumber(inf), L::Compact, "null"},
        {Json{{"b", 1}, {"a", Json{JsonNumber(2.5), nullptr}}}, L::Compact,
         "{\"b\":1,\"a\":[2.5,null]}"},  // members in the order given
        {Json{{"b", 1}, {"a", Json{JsonNumber(2.5), nullptr}}, {"c", Json::object()}}, L::Spaced,
         "{\"b\": 1, \"a\": [2.5, null], \"c\": {}}"},
        {Json::array(), L::Spaced, "[]"},
    };
    for (const Case& c : cases) EXPECT_EQ(JsonLine(c.value, c.layout), c.text) << c.text;

    // Reports of several records: one per line.
    EXPECT_EQ(jsontext::JsonRows(Json::array(), L::Spaced, "  "), "[]");
    EXPECT_EQ(jsontext::JsonRows(Json{Json{{"a", 1}}, Json{{"a", true}}}, L::Spaced, "  "),
              "[\n  {\"a\": 1},\n  {\"a\": true}\n]");
}

// The rows written as they come: each element's line reaches the sink when it is added,
// and the pieces make the text of JsonRows.
TEST(JsonWriter, RowsWriterHandsEachElementOnAsItIsAdded) {
    using jsontext::Json;
    std::string out;
    jsontext::JsonRowsWriter rows(jsontext::Layout::Spaced, "  ",
                                  [&out](std::string_view piece) { out += piece; });
    rows.Add(Json{{"a", 1}});
    EXPECT_EQ(out, "[\n  {\"a\": 1}");
    rows.Add(Json{{"a", true}});
    EXPECT_EQ(out, "[\n  {\"a\": 1},\n  {\"a\": true}");
    rows.Finish();
    EXPECT_EQ(out, jsontext::JsonRows(Json{Json{{"a", 1}}, Json{{"a", true}}},
                                      jsontext::Layout::Spaced, "  "));
}

}  // namespace
