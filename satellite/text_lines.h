// Reading text lines of untrusted files: CR LF and LF alike, bounded length.
#pragma once

#include <istream>
#include <string>

// Longest line the reader takes; element and magnitude lines are under 100
// characters. The rest of a longer line is read and dropped, so a line of any
// length costs bounded memory.
inline constexpr std::size_t kMaxKeptLineLength = 512;

// Next line without its line end (LF, CR LF, or a CR before the end of the file);
// false at the end of the stream when nothing was read. tooLong tells whether the
// line was longer than kMaxKeptLineLength (line then holds its beginning).
bool ReadTextLine(std::istream& in, std::string& line, bool& tooLong);
bool ReadTextLine(std::istream& in, std::string& line);

// True when nothing is left to read.
bool AtEndOfText(std::istream& in);
