// Fixed-column field extraction for the program's plain-text data files. Columns are
// counted from 1 and inclusive; a line shorter than the field gives fewer characters
// (possibly none). No allocation: results are views into the line.
#pragma once

#include <string_view>

#include "core/column_text.h"

// Columns first to the end of the line.
std::string_view ColumnsToEnd(std::string_view line, int firstColumn);

std::string_view TrimBlanks(std::string_view text);  // leading and trailing blanks
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// numtext::ParseReal and numtext::ParseInteger (core/number_text.h): false, `value`
// unchanged, when the text is not a number.
bool ParseDecimal(std::string_view text, double& value);
bool ParseWholeNumber(std::string_view text, int& value);  // optionally signed, fits int

// The same, throwing DataFileError (BadFloat / BadInteger, naming `fileName`) when
// the field does not convert.
double ColumnNumber(std::string_view line, int firstColumn, int lastColumn,
                    const char* fileName = "");
int ColumnInteger(std::string_view line, int firstColumn, int lastColumn,
                  const char* fileName = "");
