#include "satellite/element_records.h"

#include <sstream>

#include "satellite/column_number.h"
#include "satellite/omm_csv.h"
#include "satellite/text_lines.h"

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// The name line given to a set without one: its catalogue number.
std::string NameFromCatalogueNumber(const std::string& line1) {
    std::string_view number = ColumnText(line1, 3, 7);
    while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
    return std::string(number);
}

}  // namespace

bool LooksLikeElementLine(std::string_view text) {
    return text.size() >= 60 && (text[0] == '1' || text[0] == '2') && text[1] == ' ';
}

bool ElementRecordReader::Next(ElementSet& set, int& fileLine) {
    for (;;) {
        const SourceLine* first = Peek(0);
        if (!first) return false;
        const SourceLine* second = Peek(1);
        fileLine = first->number;
        const bool nameless = second && LooksLikeElementLine(first->text) &&
                              first->text[0] == '1' && LooksLikeElementLine(second->text) &&
                              second->text[0] == '2' &&
                              ColumnText(first->text, 3, 7) == ColumnText(second->text, 3, 7);
        if (nameless) {
            set = {NameFromCatalogueNumber(first->text), first->text, second->text};
            Drop(2);
            return true;
        }
        // The first character of the element lines is all that is asked of a record
        // with a name line (the numbers are cut from fixed columns when it is used).
        const SourceLine* third = Peek(2);
        if (!LooksLikeElementLine(first->text) && second && second->text.front() == '1' &&
            third && third->text.front() == '2') {
            set = {first->text, second->text, third->text};
            Drop(3);
            return true;
        }
        if (!IsBlank(first->text)) skippedLines_.push_back(first->number);
        Drop(1);
    }
}

int ElementRecordReader::NextLineNumber() {
    const SourceLine* line = Peek(0);
    return line ? line->number : 0;
}

const ElementRecordReader::SourceLine* ElementRecordReader::Peek(std::size_t ahead) {
    while (ahead >= queue_.size() && Fill()) {
    }
    return ahead < queue_.size() ? &queue_[ahead] : nullptr;
}

void ElementRecordReader::Drop(std::size_t count) {
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
}

bool ElementRecordReader::Fill() {
    if (ended_) return false;
    for (;;) {
        std::string text;
        bool tooLong = false;
        if (!ReadTextLine(in_, text, tooLong)) {
            readError_ = in_.bad();
            ended_ = true;
            return false;
        }
        ++number_;
        // A byte-order mark that some editors put before the first line.
        if (number_ == 1 && text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
        if (tooLong) {
            tooLongLine_ = number_;
            ended_ = true;
            return false;
        }
        if (text.empty()) continue;
        queue_.push_back({std::move(text), number_});
        return true;
    }
}

int CountElementSets(std::string_view text) {
    std::istringstream in(IsOmmCsv(text) ? ConvertOmmCsv(text).elementText : std::string(text));
    ElementRecordReader reader(in);
    ElementSet set;
    int line = 0, sets = 0;
    while (reader.Next(set, line))
        if (LooksLikeElementLine(set.line1) && LooksLikeElementLine(set.line2)) ++sets;
    return sets;
}
