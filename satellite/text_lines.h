// Reading text lines of untrusted files: CR LF and LF alike, bounded length.
#pragma once

#include <istream>
#include <string>

// Longest line kept; the rest of a longer line is read and dropped, so a line of
// any length costs bounded memory. Element and magnitude lines are under 100.
inline constexpr std::size_t kMaxKeptLineLength = 512;

// Next line without its line end (LF, CR LF, or a lone CR at the end); false at
// the end of the stream when nothing was read.
bool ReadTextLine(std::istream& in, std::string& line);
