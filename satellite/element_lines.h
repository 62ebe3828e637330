// The two element lines as the published two-line element format defines them: what
// each fixed column holds (the line number, blanks between the fields, right-aligned
// numbers with their point in a fixed column, the exponent fields "12345-5", the
// checksum in column 69). The loader, the download check and the OMM conversion all
// judge element lines by this one check.
#pragma once

#include <string>
#include <string_view>

// The first field of a line that does not hold what the format puts there.
struct ElementLineFault {
    int line = 0;  // 1 or 2; 0 when every field is sound
    int firstColumn = 0, lastColumn = 0;
    std::string_view field;  // German name of the field ("mittlere Bewegung")
};

struct ElementLinesCheck {
    ElementLineFault fault;
    // Column 69 holds the checksum of columns 1-68 (false also when it is missing).
    bool checksum1 = true, checksum2 = true;
    bool sound() const { return fault.line == 0; }
};

// Judges line 1 and line 2 of a set field by field, columns 1 to 69, and the text
// after column 69 (only blanks may follow). Both lines must carry the same catalogue
// number. A checksum that does not match is no fault: the caller may keep the set.
ElementLinesCheck CheckElementLines(std::string_view line1, std::string_view line2);

// "Spalten 53-63 (mittlere Bewegung)", "Spalte 2 (Leerzeichen)".
std::string FaultColumnsText(const ElementLineFault& fault);

// The checksum of an element line: the digits of columns 1-68 added, each "-" as 1,
// modulo 10.
int ElementLineChecksum(std::string_view line);
