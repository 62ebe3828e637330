// Orbit Mean-Elements Messages (CCSDS OMM) in their CSV form, as the element services
// offer them: a header line naming the columns, in any order (OBJECT_NAME, OBJECT_ID,
// EPOCH, MEAN_MOTION, ECCENTRICITY, INCLINATION, RA_OF_ASC_NODE, ARG_OF_PERICENTER,
// MEAN_ANOMALY, EPHEMERIS_TYPE, CLASSIFICATION_TYPE, NORAD_CAT_ID, ELEMENT_SET_NO,
// REV_AT_EPOCH, BSTAR, MEAN_MOTION_DOT, MEAN_MOTION_DDOT, and others that are not
// read), then one record a line (LF, CR LF or CR alone end a line). Each record
// becomes its name line and two element lines with checksums, so the rest of the
// program reads it like a two-line file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// True when the first line of the text is an OMM CSV header: it names the columns
// NORAD_CAT_ID, EPOCH and MEAN_MOTION (a UTF-8 byte-order mark allowed before it).
bool IsOmmCsv(std::string_view text);

struct OmmConversion {
    std::string elementText;       // name line, line 1, line 2 per record, LF-ended
    int records = 0;               // records converted
    std::vector<int> recordLines;  // the file line (from 1) of each record converted
    // File lines (from 1) of the records that were refused: a missing column or field,
    // a value that is not a number (or not a whole one where the field counts), out of
    // the range of its field, an epoch that is no instant of the calendar, a name too
    // long for a name line.
    std::vector<int> unreadableLines;
    // Columns needed for the element lines that the header does not name.
    std::vector<std::string> missingColumns;
};
// Numbers are read with "." as decimal point; blanks around a field are allowed. A
// drag term or second derivative below 1e-10 in size is written as 0.
OmmConversion ConvertOmmCsv(std::string_view text);
