// Text for terminals and JSON: the program's strings are Latin-1 where they come from
// data files (element names, comet names) and UTF-8 where they come from the program
// itself, often within one line. Everything written to a terminal, a pipe or a JSON
// text goes through here, so that it is valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace jsontext {

// Valid UTF-8 sequences are kept; every other byte is read as a Latin-1 character
// ("K\xf6ln" -> "Köln", "K\xc3\xb6ln" unchanged). The result is valid UTF-8.
std::string ReadableUtf8(std::string_view text);

// A JSON string literal (with its quotes) of the text made readable as above;
// '"', '\' and control characters are escaped.
std::string JsonString(std::string_view text);

// Shortest decimal text that reads back as the same double; "null" for NaN and
// infinities, which JSON has no numbers for.
std::string JsonNumber(double value);

}  // namespace jsontext
