// Element sets parsed once per row of the satellite table. A propagation through the
// cache gives the same values and failures as PropagateSGP on the text lines: each
// row's entry keeps the text it was parsed from and is parsed again whenever the lines
// handed in differ from it (an edited line 1, the selection's copy of a row).
#pragma once

#include <string>

#include "core/timescale.h"
#include "satellite/sgp.h"

// PropagateSGP(line1, line2, T, withVelocity), parsing row's lines only once.
OrbitError PropagateRow(int row, const std::string& line1, const std::string& line2, JD1900 T,
                        bool withVelocity);

// Forgets every parsed row (a new table was loaded).
void ClearElementCache();
