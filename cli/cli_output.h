// What polaride-cli writes: text on standard output and standard error is UTF-8
// whatever the program's strings hold (names from data files are Latin-1); a file
// given with --out is written whole or not at all.
#pragma once

#include <string>
#include <string_view>

#include "core/replace_file.h"

namespace cli {

// Writes text to standard output, made valid UTF-8.
void PrintOut(std::string_view text);
// Writes one line to standard error, made valid UTF-8; nothing for an empty text.
void PrintErr(std::string_view line);
// "Hinweis: " + text on standard error (each line of a text of several lines).
void PrintNote(std::string_view text);

// Exit statuses.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;   // a file, a computation or the output failed
inline constexpr int kBadUsage = 2;  // an option or a value was refused

// Prints "polaride-cli COMMAND: problem" and the usage line on standard error and
// returns kBadUsage.
int UsageProblem(std::string_view command, std::string_view usage, const std::string& problem);
// Prints "polaride-cli COMMAND: problem" on standard error and returns kFailure.
int Failure(std::string_view command, const std::string& problem);

// Replaces the file at path by bytes (a temporary file renamed over it, so a failure
// leaves the old file as it was). Returns an empty text, or the German message.
std::string WriteWholeFile(const std::string& path, std::string_view bytes);
// The same for contents made piece by piece (see ReplaceFileContents).
std::string WriteWholeFile(const std::string& path, const ContentProducer& produce);

}  // namespace cli
