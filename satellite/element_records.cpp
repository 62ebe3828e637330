#include "satellite/element_records.h"

#include <algorithm>
#include <initializer_list>

#include "satellite/column_number.h"
#include "satellite/core_blocks.h"
#include "satellite/element_numbers.h"
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

bool ElementRecordReader::Next(ElementRecord& record) {
    for (;;) {
        SourceLine* first = Peek(0);
        if (!first) return false;
        SourceLine* second = Peek(1);
        const bool nameless = second && LooksLikeElementLine(first->text) &&
                              first->text[0] == '1' && LooksLikeElementLine(second->text) &&
                              second->text[0] == '2' &&
                              ColumnText(first->text, 3, 7) == ColumnText(second->text, 3, 7);
        if (nameless) {
            // The lines are dropped next: their texts move into the record.
            record = Record({NameFromCatalogueNumber(first->text), std::move(first->text),
                             std::move(second->text)},
                            {first, second});
            Drop(2);
            return true;
        }
        // The first character of the element lines is all that is asked to recognise a
        // record with a name line; its lines are judged after that.
        SourceLine* third = Peek(2);
        if (!LooksLikeElementLine(first->text) && second && second->text.front() == '1' && third &&
            third->text.front() == '2') {
            record =
                Record({std::move(first->text), std::move(second->text), std::move(third->text)},
                       {first, second, third});
            Drop(3);
            return true;
        }
        Skip(*first);
        Drop(1);
    }
}

ElementRecord ElementRecordReader::Record(ElementSet set,
                                          std::initializer_list<const SourceLine*> lines) {
    ElementRecord record;
    record.set = std::move(set);
    const SourceLine* const* line = lines.begin();
    record.fileLine = line[0]->number;
    record.line1Number = line[lines.size() - 2]->number;
    record.line2Number = line[lines.size() - 1]->number;
    for (const SourceLine* each : lines)
        if (each->tooLong && record.tooLongLine == 0) record.tooLongLine = each->number;
    return record;
}

ElementRecordReader::SourceLine* ElementRecordReader::Peek(std::size_t ahead) {
    while (ahead >= queue_.size() && Fill()) {
    }
    return ahead < queue_.size() ? &queue_[ahead] : nullptr;
}

void ElementRecordReader::Drop(std::size_t count) {
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(count));
}

void ElementRecordReader::Skip(const SourceLine& line) {
    if (line.tooLong) {
        tooLongLines_.push_back(line.number);
    } else if (!IsBlank(line.text)) {
        skippedLines_.push_back(line.number);
    }
}

bool ElementRecordReader::Fill() {
    if (ended_) return false;
    for (;;) {
        SourceLine line;
        const bool read = in_ ? ReadTextLine(*in_, line.text, line.tooLong)
                              : ReadTextLine(text_, textAt_, line.text, line.tooLong);
        if (!read) {
            readError_ = in_ && in_->bad();
            ended_ = true;
            return false;
        }
        line.number = ++number_;
        // A byte-order mark that some editors put before the first line.
        if (number_ == 1 && line.text.rfind("\xEF\xBB\xBF", 0) == 0) line.text.erase(0, 3);
        if (line.text.empty()) continue;
        queue_.push_back(std::move(line));
        return true;
    }
}

namespace {

// Records judged by one thread at least; fewer are not worth another thread.
constexpr std::size_t kRecordsPerBlock = 2000;

ElementReading ReadRecords(ElementRecordReader& reader,
                           const std::function<void(std::size_t)>& progress) {
    std::vector<ElementRecord> records;
    for (ElementRecord record; reader.Next(record);) records.push_back(std::move(record));
    // Each record is judged by its own lines alone; the numbers of sound ones are cut
    // at the same time.
    std::vector<ElementLinesCheck> checks(records.size());
    ElementReading reading;
    reading.numbers.resize(records.size());
    ForBlocksOnEveryCore(0, records.size(), kRecordsPerBlock,
                         [&](std::size_t from, std::size_t to) {
                             for (std::size_t k = from; k < to; ++k) {
                                 if (records[k].tooLongLine > 0) continue;
                                 const ElementSet& set = records[k].set;
                                 checks[k] = CheckElementLines(set.line1, set.line2);
                                 if (checks[k].sound())
                                     reading.numbers[k] = SoundElementNumbers(set.line1, set.line2);
                             }
                         });
    reading.sets.reserve(records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (progress) progress(reading.sets.size());
        ElementRecord& record = records[k];
        if (record.tooLongLine > 0) {
            reading.tooLongLines.push_back(record.tooLongLine);
            continue;
        }
        const ElementLinesCheck& check = checks[k];
        if (!check.sound()) {
            const int line = check.fault.line == 1 ? record.line1Number : record.line2Number;
            reading.malformedLines.push_back({line, check.fault});
            continue;
        }
        if (!check.checksum1) reading.checksumLines.push_back(record.line1Number);
        if (!check.checksum2) reading.checksumLines.push_back(record.line2Number);
        // The numbers move up to the set's place among the sets taken.
        reading.numbers[reading.sets.size()] = reading.numbers[k];
        reading.sets.push_back({std::move(record.set), record.fileLine});
    }
    reading.numbers.resize(reading.sets.size());
    if (progress) progress(reading.sets.size());
    reading.incompleteLines = reader.skippedLines();
    reading.tooLongLines.insert(reading.tooLongLines.end(), reader.tooLongLines().begin(),
                                reader.tooLongLines().end());
    std::sort(reading.tooLongLines.begin(), reading.tooLongLines.end());
    reading.readError = reader.readError();
    return reading;
}

}  // namespace

ElementReading ReadElementSets(std::istream& in, const std::function<void(std::size_t)>& progress) {
    ElementRecordReader reader(in);
    return ReadRecords(reader, progress);
}

ElementReading ReadElementSets(std::string_view text,
                               const std::function<void(std::size_t)>& progress) {
    ElementRecordReader reader(text);
    return ReadRecords(reader, progress);
}

namespace {

// The first line of a reading that is not Clean, as a German clause ("Zeile 4 gehört
// zu keinem vollständigen Elementsatz"); a read error when no line is to blame.
std::string FirstFaultOf(const ElementReading& reading) {
    int line = 0;
    std::string text;
    const auto consider = [&](int candidate, std::string clause) {
        if (line == 0 || candidate < line) {
            line = candidate;
            text = std::move(clause);
        }
    };
    if (!reading.incompleteLines.empty())
        consider(reading.incompleteLines.front(), " gehört zu keinem vollständigen Elementsatz");
    if (!reading.tooLongLines.empty())
        consider(reading.tooLongLines.front(),
                 " ist länger als " + std::to_string(kMaxKeptLineLength) + " Zeichen");
    if (!reading.malformedLines.empty()) {
        const MalformedElementLine& bad = reading.malformedLines.front();
        consider(bad.line,
                 ", " + FaultColumnsText(bad.fault) + ": nicht im Format der Elementzeilen");
    }
    if (!reading.checksumLines.empty())
        consider(reading.checksumLines.front(), ": die Prüfziffer stimmt nicht");
    if (line == 0) return "die Antwort ließ sich nicht lesen";
    return "Zeile " + std::to_string(line) + text;
}

}  // namespace

ElementAnswerCheck CheckElementAnswer(std::string_view text) {
    ElementAnswerCheck check;
    std::string elementText;
    if (IsOmmCsv(text)) {
        OmmConversion converted = ConvertOmmCsv(text);
        if (!converted.missingColumns.empty()) {
            check.problem = "die OMM-Spalte " + converted.missingColumns.front() + " fehlt";
            return check;
        }
        if (!converted.unreadableLines.empty()) {
            check.problem = "der OMM-Datensatz in Zeile " +
                            std::to_string(converted.unreadableLines.front()) + " ist nicht lesbar";
            return check;
        }
        elementText = std::move(converted.elementText);
    } else {
        elementText = std::string(text);
    }
    const ElementReading reading = ReadElementSets(std::string_view(elementText));
    check.noRecords = reading.sets.empty() && reading.malformedLines.empty();
    if (check.noRecords)
        check.problem = "sie enthält keine Bahnelemente";
    else if (!reading.Clean())
        check.problem = FirstFaultOf(reading);
    if (!check.problem.empty()) return check;
    check.sets = static_cast<int>(reading.sets.size());
    return check;
}
