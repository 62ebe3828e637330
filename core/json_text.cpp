#include "core/json_text.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <utility>

namespace jsontext {

namespace {

// Length of the valid UTF-8 sequence at text[i] (2..4), 0 when there is none. Rejects
// overlong forms, surrogates and code points above U+10FFFF.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return length;
}

}  // namespace

std::string ReadableUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
        } else if (const std::size_t n = SequenceLength(text, i); n > 0) {
            out.append(text, i, n);
            i += n;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
        }
    }
    return out;
}

Json JsonString(std::string_view text) { return Json(ReadableUtf8(text)); }

Json JsonNumber(double value) {
    constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53
    if (!std::isfinite(value)) return nullptr;
    if (value == std::trunc(value) && std::fabs(value) <= kLargestExactInteger &&
        !(value == 0.0 && std::signbit(value)))
        return static_cast<std::int64_t>(value);
    return value;
}

namespace {

// Strings reach a document through JsonString and are valid UTF-8; should one not be,
// it is written with U+FFFD rather than ending the program.
std::string Dump(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void AppendSpaced(const Json& value, std::string& out) {
    if (value.is_object()) {
        out += '{';
        const char* separator = "";
        for (const auto& [name, member] : value.items()) {
            out += separator;
            out += Dump(Json(name));
            out += ": ";
            AppendSpaced(member, out);
            separator = ", ";
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        const char* separator = "";
        for (const Json& element : value) {
            out += separator;
            AppendSpaced(element, out);
            separator = ", ";
        }
        out += ']';
    } else {
        out += Dump(value);
    }
}

}  // namespace

std::string JsonLine(const Json& value, Layout layout) {
    if (layout == Layout::Compact) return Dump(value);
    std::string out;
    AppendSpaced(value, out);
    return out;
}

JsonRowsWriter::JsonRowsWriter(Layout layout, std::string_view indent, Sink sink)
    : layout_(layout), indent_(indent), sink_(std::move(sink)) {}

void JsonRowsWriter::Add(const Json& element) {
    sink_(added_ ? ",\n" : "[\n");
    added_ = true;
    sink_(indent_);
    sink_(JsonLine(element, layout_));
}

void JsonRowsWriter::Finish() { sink_(added_ ? "\n]" : "[]"); }

std::string JsonRows(const Json& array, Layout layout, std::string_view indent) {
    std::string out;
    JsonRowsWriter rows(layout, indent, [&out](std::string_view piece) { out += piece; });
    for (const Json& element : array) rows.Add(element);
    rows.Finish();
    return out;
}

}  // namespace jsontext
