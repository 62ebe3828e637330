// Text for terminals and JSON: the program's strings are Latin-1 where they come from
// data files (element names, comet names) and UTF-8 where they come from the program
// itself, often within one line. Everything written to a terminal, a pipe or a JSON
// text goes through ReadableUtf8, so that it is valid UTF-8.
//
// JSON documents are built as nlohmann::ordered_json (members in the order they are
// added: readers of the reports see them in a fixed order); JsonString and JsonNumber
// make their values, JsonLine writes a document on one line.
#pragma once

#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

namespace jsontext {

using Json = nlohmann::ordered_json;

// Valid UTF-8 sequences are kept; every other byte is read as a Latin-1 character
// ("K\xf6ln" -> "Köln", "K\xc3\xb6ln" unchanged). The result is valid UTF-8.
std::string ReadableUtf8(std::string_view text);

// A JSON string of the text made readable as above.
Json JsonString(std::string_view text);

// A JSON number: whole values up to 2^53 as integers ("5", as the reports always wrote
// them), others as the shortest text that reads back as the same double; null for NaN
// and infinities, which JSON has no numbers for.
Json JsonNumber(double value);

// Compact: no blanks ({"a":1,"b":[1,2]}); Spaced: ", " between members and elements
// and ": " after names ({"a": 1, "b": [1, 2]}). Either way one line.
enum class Layout { Compact, Spaced };
std::string JsonLine(const Json& value, Layout layout);

// An array with one element per line, each after the indent and written by JsonLine:
// "[\n  {...},\n  {...}\n]"; "[]" when empty.
std::string JsonRows(const Json& array, Layout layout, std::string_view indent);

// The text of JsonRows handed to a sink piece by piece as the elements come, so that a
// long array never stands in memory whole: Add each element, then Finish. Every piece
// ends on a whole character.
class JsonRowsWriter {
  public:
    using Sink = std::function<void(std::string_view)>;
    JsonRowsWriter(Layout layout, std::string_view indent, Sink sink);
    void Add(const Json& element);
    void Finish();  // closes the array ("[]" when nothing was added)

  private:
    Layout layout_;
    std::string indent_;
    Sink sink_;
    bool added_ = false;
};

}  // namespace jsontext
