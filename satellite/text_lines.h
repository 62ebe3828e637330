// Reading text lines of untrusted files: LF, CR LF and CR alone (classic Mac files)
// end a line; bounded length; a failed read never escapes as an exception.
#pragma once

#include <istream>
#include <string>
#include <string_view>

// Longest line the reader takes; element and magnitude lines are under 100
// characters. The rest of a longer line is read and dropped, so a line of any
// length costs bounded memory.
inline constexpr std::size_t kMaxKeptLineLength = 512;

// Next line without its line end; false at the end of the stream when nothing was
// read. tooLong tells whether the line was longer than kMaxKeptLineLength (line then
// holds its beginning). An input/output error of the file (the standard file buffer
// throws std::ios_base::failure for it) sets badbit and ends the line there; callers
// tell it from the end of the file by in.bad().
bool ReadTextLine(std::istream& in, std::string& line, bool& tooLong);
bool ReadTextLine(std::istream& in, std::string& line);
// The same reading of a text held in memory, from position at (moved behind the
// line end); line is a view into the text.
bool ReadTextLine(std::string_view text, std::size_t& at, std::string_view& line, bool& tooLong);

// True when nothing is left to read (also after a read error, which sets badbit).
bool AtEndOfText(std::istream& in);
