// The records of a two-line element file: a name line, line 1 and line 2, or line 1
// and line 2 alone. Empty lines are passed over; a line that starts no record is
// reported by its line number and reading goes on with the next line, so one bad line
// never shifts the records after it. The two element lines of every record are judged
// by CheckElementLines: the loader and the check of a downloaded answer take the sets
// that ReadElementSets takes, by the same rules.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "satellite/element_lines.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

// One record as it stands in the file: views into the text read.
struct ElementRecord {
    std::string_view nameLine;  // empty for a set without a name line
    std::string_view line1, line2;
    bool nameless = false;
    int fileLine = 0;     // the line it begins on (its name line, or line 1)
    int line1Number = 0;  // the file lines of its line 1 and line 2
    int line2Number = 0;
    int tooLongLine = 0;  // one of its lines was longer than kMaxKeptLineLength (0: none)

    // Its lines as a set; a set without a name line is named by its catalogue number.
    ElementSet Set() const;
};

class ElementRecordReader {
  public:
    // Reads a text held in memory (it must outlive the reader and the records).
    explicit ElementRecordReader(std::string_view text) : text_(text) {}

    // The next record; false at the end.
    // A line 1 directly followed by its line 2 (both with the element lines' form and
    // the same catalogue number) is a set without a name line, named by its catalogue
    // number; otherwise a line that is not an element line followed by lines
    // beginning with "1" and "2" is a named set.
    bool Next(ElementRecord& record);

    // Lines that started no record (blank ones left out), ascending; those longer than
    // kMaxKeptLineLength are in tooLongLines instead.
    const std::vector<int>& skippedLines() const { return skippedLines_; }
    const std::vector<int>& tooLongLines() const { return tooLongLines_; }

  private:
    struct SourceLine {
        std::string_view text;
        int number = 0;
        bool tooLong = false;
    };
    // The record of a set made of these lines (its name line, if any, first).
    static ElementRecord Record(std::initializer_list<const SourceLine*> lines);
    SourceLine* Peek(std::size_t ahead);
    void Drop(std::size_t count);
    void Skip(const SourceLine& line);
    bool Fill();

    std::string_view text_;
    std::size_t textAt_ = 0;
    std::deque<SourceLine> queue_;  // references stay valid while it grows
    std::vector<int> skippedLines_;
    std::vector<int> tooLongLines_;
    int number_ = 0;
    bool ended_ = false;
};

// A line surely an element line 1 or 2 and never a name line: the line number and a
// blank, and the length of an element line.
bool LooksLikeElementLine(std::string_view text);

// A set taken and the file line its record begins on.
struct ReadElementSet {
    ElementSet set;
    int fileLine = 0;
};

// An element line (by file line) with a field that does not hold what the format
// puts there.
struct MalformedElementLine {
    int line = 0;
    ElementLineFault fault;
};

// What reading an element text gave: the sets taken, and every line that was not.
struct ElementReading {
    std::vector<ReadElementSet> sets;
    // By set taken: the numbers of its lines, as ParseSgpElements cuts them.
    std::vector<SgpElementNumbers> numbers;
    std::vector<int> incompleteLines;  // lines that start no record
    std::vector<int> tooLongLines;     // longer than kMaxKeptLineLength: their set not taken
    std::vector<MalformedElementLine> malformedLines;  // their set not taken
    std::vector<int> checksumLines;  // a checksum that does not match: the set is taken
    bool readError = false;          // an input/output error ended the reading

    // Every line belongs to a set that is taken whole: sound fields, matching checksums.
    bool Clean() const {
        return incompleteLines.empty() && tooLongLines.empty() && malformedLines.empty() &&
               checksumLines.empty() && !readError;
    }
};

// Reads records to the end and takes those whose element
// lines are sound; a wrong checksum alone does not keep a set out. The stream is read
// whole first (a read error ends the reading with readError and no sets); the records
// are gathered, then judged, their numbers cut and their texts kept on every core;
// progress receives the number of sets taken before each record as they are taken in
// file order.
ElementReading ReadElementSets(std::istream& in,
                               const std::function<void(std::size_t)>& progress = {});
// The same reading of a whole text held in memory.
ElementReading ReadElementSets(std::string_view text,
                               const std::function<void(std::size_t)>& progress = {});

// A downloaded answer, two-line or OMM CSV (after its conversion), judged by the rules
// of the loader: it is taken only when every record it holds is a set taken whole
// (ElementReading::Clean, every OMM record converted) and at least one set results.
struct ElementAnswerCheck {
    int sets = 0;            // sets the answer holds when it is taken
    bool noRecords = false;  // no set and no malformed one in it (a service's message)
    std::string problem;     // German, why it is not taken; empty when it is taken
    bool Taken() const { return problem.empty(); }
};
ElementAnswerCheck CheckElementAnswer(std::string_view text);
