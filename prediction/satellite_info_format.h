// Number texts of the satellite information page.
#pragma once

#include <string>

// Fixed-point text with `decimals` decimals and at most `precision` significant
// digits (digits beyond them are written as "0"); a value with more integer digits
// than `precision` is written in exponent form ("1.2345679E8"). "INF", "-INF", "NAN"
// for values that are not finite.
std::string FixedText(double value, int precision, int decimals);

// Shortest decimal text of a value with "." (at most 15 significant digits): 7.3, 12, -0.5.
std::string ShortestText(double value);

// (base - ⌊log10 |v|⌋) blanks, at least none, so that values line up on the decimal
// point; v = 0 counts as ⌊log10 v⌋ = 0. The page uses base 6.
std::string AlignmentBlanks(double value, int base = 6);

// Sign-and-alignment before a rate: a blank when the rate is > 0, then `base` blanks
// when |rate| <= 0.1, else (base - ⌊log10 |rate|⌋) blanks (at least none).
std::string SignAndAlignment(double rate, int base);

// Magnitude text at perigee or apogee: m = m0 - 15 + 5·log10 |height|, rounded to 0.1,
// fixed 4.1, a leading blank when 0 < m < 10, a trailing ":" when the standard
// magnitude is not known.
std::string HeightMagnitudeText(double standardMagnitude, bool magnitudeKnown, double heightKm);

// A height rounded to 0.1 km: integer part of 10·v + 0.5, divided by 10.
double RoundedTenth(double value);
