// Reading a command's arguments: "--name value" pairs and flags, and the checks every
// value goes through before it is used. The checks are those of the windows' fields,
// with their German messages; each problem text names the option it belongs to.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_text.h"
#include "core/timescale.h"

namespace cli {

using OptionNames = std::vector<std::string_view>;

// Takes one option and its value (empty for a flag); returns a problem text, empty
// when it was fine.
using OptionHandler =
    std::function<std::string(const std::string& option, const std::string& value)>;

// The options that name a file the command writes, and those that name a file it reads.
inline const OptionNames kOutputFileOptions = {"--out", "--ics", "--csv"};
inline const OptionNames kInputFileOptions = {"--tle"};

// Walks the arguments in order and hands each option to take: the names in
// valueOptions with the argument after them, the names in flags alone. Returns the
// first problem: "Unbekannte Option: X", "Wert fehlt für X", an output file without a
// name, or what take returned; and after all were taken an output file that is one of
// the input files (the same file under any name: it would be replaced by the output).
// Empty when all were fine.
std::string ReadOptions(const std::vector<std::string>& args, const OptionNames& valueOptions,
                        const OptionNames& flags, const OptionHandler& take);

// "--help" or "-h" among the arguments.
bool HelpWanted(const std::vector<std::string>& args);

// The value checks. Each returns an empty text and sets its output when the text is
// fine, else "OPTION: " followed by the windows' message for it.
//  a decimal number with "." ("'x' ist kein gültiger Gleitkommawert"):
std::string ReadNumber(std::string_view option, const std::string& text, double& value);
//  a whole number ("'x' ist kein gültiger Integerwert"):
std::string ReadInteger(std::string_view option, const std::string& text, int& value);

// A date and a time as every date and time field takes them (core/date_text.h):
// "d.m.yyyy" and "h:m" or "h:m:s"; a date also no later than the latest year of the
// date entry.
using CivilDate = datetext::Date;
using CivilTime = datetext::Time;
std::string ReadDate(std::string_view option, const std::string& text, CivilDate& date);
std::string ReadTime(std::string_view option, const std::string& text, CivilTime& time);

// An instant in JD1900 (UT) inside the years the windows accept (1 to the latest year
// of the date entry): "Ungültige Eingabe: ... liegt nicht zwischen ...".
std::string ReadInstant(std::string_view option, const std::string& text, JD1900& instant);

// A NORAD catalogue number, 0..99999.
std::string ReadCatalogNumber(std::string_view option, const std::string& text, double& number);

// "Ungültige Eingabe: " + text: a value that converted but lies outside its range.
std::string InvalidEntry(const std::string& text);

}  // namespace cli
