// "ndot ändern": the new ndot/2 field of line 1 from the user's answer.
#pragma once

#include <string>

enum class NdotChange {
    Unchanged,   // empty answer or the proposed text: nothing happens
    NotANumber,  // the conversion error message follows
    TooLarge,    // |value| >= 1: "Der Betrag von ndot/2 muß kleiner als 1 sein!"
    Changed,     // newLine1 holds the line with the new field
};

struct NdotChangeResult {
    NdotChange change = NdotChange::Unchanged;
    std::string field;     // the 10-character field for columns 34-43
    std::string newLine1;  // columns 1-33 + field + columns 44 to the end
};

// The field: the answer cut to 11 characters; a blank (value >= 0) or "-"; the answer
// from its "." to its end (" .00000000" when it has no "."); "0" appended up to 10
// characters. The field never grows past 10 characters, so the columns after it keep
// their places; blanks around the answer are ignored and an answer that is not a
// plain decimal (exponent, letters) is NotANumber. The checksum is not changed.
NdotChangeResult ChangeNdotField(const std::string& line1, const std::string& answer,
                                 const std::string& proposed);
