// Orbit Mean-Elements Messages (CCSDS OMM) in their CSV form, as the element services
// offer them: a header line naming the columns (OBJECT_NAME, OBJECT_ID, EPOCH,
// MEAN_MOTION, ECCENTRICITY, INCLINATION, RA_OF_ASC_NODE, ARG_OF_PERICENTER,
// MEAN_ANOMALY, EPHEMERIS_TYPE, CLASSIFICATION_TYPE, NORAD_CAT_ID, ELEMENT_SET_NO,
// REV_AT_EPOCH, BSTAR, MEAN_MOTION_DOT, MEAN_MOTION_DDOT), then one record a line.
// Each record becomes its name line and two element lines with checksums, so the rest
// of the program reads it like a two-line file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// True when the text starts with an OMM CSV header (a UTF-8 byte-order mark allowed).
bool IsOmmCsv(std::string_view text);

struct OmmConversion {
    std::string elementText;           // name line, line 1, line 2 per record, LF-ended
    int records = 0;                   // records converted
    std::vector<int> unreadableLines;  // file lines (from 1) of records that could not be
                                       // converted (a missing or malformed column)
};
OmmConversion ConvertOmmCsv(std::string_view text);
