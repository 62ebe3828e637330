// The numbers of two element lines whose fields are known to be sound
// (CheckElementLines): each field's digits are counted up where the format puts them,
// and the value is that whole number divided (or multiplied) by the power of ten its
// point and exponent give. Both are exact doubles and the division rounds once, so the
// value is the nearest double to the field's decimal text: the numbers are those that
// reading each field's text as a decimal number (ParseSgpElements) gives, at a
// fraction of the cost.
#pragma once

#include <string_view>

#include "satellite/sgp.h"

// line1 and line2 must be sound by CheckElementLines; other lines give meaningless
// numbers.
SgpElementNumbers SoundElementNumbers(std::string_view line1, std::string_view line2);
