// The records of a two-line element file: a name line, line 1 and line 2, or line 1
// and line 2 alone. Empty lines are passed over; a line that starts no record is
// reported by its line number and reading goes on with the next line, so one bad line
// never shifts the records after it.
#pragma once

#include <deque>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "satellite/satellite_table.h"

class ElementRecordReader {
  public:
    explicit ElementRecordReader(std::istream& in) : in_(in) {}

    // The next record and the file line (from 1) it begins on; false at the end.
    // A line 1 directly followed by its line 2 (both with the element lines' form and
    // the same catalogue number) is a set without a name line, named by its catalogue
    // number; otherwise a line that is not an element line followed by lines
    // beginning with "1" and "2" is a named set.
    bool Next(ElementSet& set, int& fileLine);
    // True while lines are left after the records read so far.
    bool HasMore() { return Peek(0) != nullptr; }
    // The line number of the next unread line (0 at the end).
    int NextLineNumber();

    // Lines that started no record (blank ones left out), ascending.
    const std::vector<int>& skippedLines() const { return skippedLines_; }
    // The line that was too long for the reader and ended the reading (0: none).
    int tooLongLine() const { return tooLongLine_; }
    bool readError() const { return readError_; }

  private:
    struct SourceLine {
        std::string text;
        int number = 0;
    };
    const SourceLine* Peek(std::size_t ahead);
    void Drop(std::size_t count);
    bool Fill();

    std::istream& in_;
    std::deque<SourceLine> queue_;  // references stay valid while it grows
    std::vector<int> skippedLines_;
    int number_ = 0;
    int tooLongLine_ = 0;
    bool readError_ = false;
    bool ended_ = false;
};

// A line that is surely an element line 1 or 2 and never a name line: the line number
// and a blank, and the length of an element line.
bool LooksLikeElementLine(std::string_view text);

// The element sets of a text, two-line or OMM CSV, whose two element lines both have
// the full form of element lines: what a downloaded answer must hold to be taken.
int CountElementSets(std::string_view text);
