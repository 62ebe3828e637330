#include "satellite/element_records.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include "core/text_file.h"
#include "satellite/column_number.h"
#include "satellite/core_blocks.h"
#include "satellite/element_numbers.h"
#include "satellite/omm_csv.h"
#include "satellite/text_lines.h"

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The name line given to a set without one: its catalogue number.
std::string NameFromCatalogueNumber(std::string_view line1) {
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
            record = Record({first, second});
            record.nameless = true;
            Drop(2);
            return true;
        }
        // The first character of the element lines is all that is asked to recognise a
        // record with a name line; its lines are judged after that.
        SourceLine* third = Peek(2);
        if (!LooksLikeElementLine(first->text) && second && second->text.front() == '1' && third &&
            third->text.front() == '2') {
            record = Record({first, second, third});
            Drop(3);
            return true;
        }
        Skip(*first);
        Drop(1);
    }
}

ElementSet ElementRecord::Set() const {
    if (nameless) return {NameFromCatalogueNumber(line1), std::string(line1), std::string(line2)};
    return {std::string(nameLine), std::string(line1), std::string(line2)};
}

ElementRecord ElementRecordReader::Record(std::initializer_list<const SourceLine*> lines) {
    ElementRecord record;
    const SourceLine* const* line = lines.begin();
    if (lines.size() == 3) record.nameLine = line[0]->text;
    record.line1 = line[lines.size() - 2]->text;
    record.line2 = line[lines.size() - 1]->text;
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
        if (!ReadTextLine(text_, textAt_, line.text, line.tooLong)) {
            ended_ = true;
            return false;
        }
        line.number = ++number_;
        // A byte-order mark that some editors put before the first line.
        if (number_ == 1 && line.text.substr(0, 3) == "\xEF\xBB\xBF") line.text.remove_prefix(3);
        if (line.text.empty()) continue;
        queue_.push_back(line);
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
    // Each record is judged by its own lines alone; the numbers and texts of sound ones
    // are kept at the same time.
    std::vector<ElementLinesCheck> checks(records.size());
    std::vector<ElementSet> sets(records.size());
    ElementReading reading;
    reading.numbers.resize(records.size());
    ForBlocksOnEveryCore(
        0, records.size(), kRecordsPerBlock, [&](std::size_t from, std::size_t to) {
            for (std::size_t k = from; k < to; ++k) {
                const ElementRecord& record = records[k];
                if (record.tooLongLine > 0) continue;
                checks[k] = CheckElementLines(record.line1, record.line2);
                if (!checks[k].sound()) continue;
                reading.numbers[k] = SoundElementNumbers(record.line1, record.line2);
                sets[k] = record.Set();
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
        reading.sets.push_back({std::move(sets[k]), record.fileLine});
    }
    reading.numbers.resize(reading.sets.size());
    if (progress) progress(reading.sets.size());
    reading.incompleteLines = reader.skippedLines();
    reading.tooLongLines.insert(reading.tooLongLines.end(), reader.tooLongLines().begin(),
                                reader.tooLongLines().end());
    std::sort(reading.tooLongLines.begin(), reading.tooLongLines.end());
    return reading;
}

}  // namespace

ElementReading ReadElementSets(std::istream& in, const std::function<void(std::size_t)>& progress) {
    std::string text;
    if (ReadStreamContents(in, text, std::numeric_limits<std::size_t>::max()) !=
        FileReadStatus::Ok) {
        ElementReading reading;
        reading.readError = true;
        return reading;
    }
    return ReadElementSets(std::string_view(text), progress);
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
