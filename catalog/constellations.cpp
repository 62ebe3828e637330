#include "catalog/constellations.h"

#include "catalog/column_fields.h"
#include "catalog/data_file.h"

ConstellationLineList ParseConstellationLines(std::string_view line, const char* fileName) {
    ConstellationLineList list;
    list.entries.reserve(line.size() / 5);
    for (int column = 1;; column += 5) {
        const int value = ColumnInteger(line, column, column + 4, fileName);
        if (value == 0) break;
        list.entries.push_back(value);
    }
    return list;
}

ConstellationLineList ReadConstellationLinesFrom(const std::string& fileName) {
    // The figure list is the file's first line.
    static KeptRecords<ConstellationLineList> figures(ParseConstellationLines, 1);
    ConstellationLineList list;
    figures.VisitAll(fileName, [&](int, const ConstellationLineList& kept) { list = kept; });
    return list;
}

ConstellationLineList ReadConstellationLines() {
    return ReadConstellationLinesFrom(kConstellationLinesFile);
}

ConstellationLabelRecord ParseConstellationLabel(std::string_view line, const char* fileName) {
    ConstellationLabelRecord label;
    label.line = line;
    label.rightAscensionHours = ColumnNumber(line, 1, 4, fileName);
    label.declinationDeg = ColumnNumber(line, 5, 9, fileName);
    label.abbreviation = ColumnText(line, 10, 12);
    label.longText = ColumnsToEnd(line, 13);
    label.labelText = ColumnsToEnd(line, 10);
    return label;
}

std::vector<std::string_view> SplitLabelText(std::string_view longText) {
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t bar = longText.find('|');
        lines.push_back(longText.substr(0, bar));
        if (bar == std::string_view::npos) break;
        longText.remove_prefix(bar + 1);
    }
    return lines;
}

void ReadConstellationLabelsFrom(const std::string& fileName, const LabelVisitor& visit) {
    static KeptRecords<ConstellationLabelRecord> labels(ParseConstellationLabel, kLabelCount);
    labels.VisitAll(fileName, visit);
}

void ReadConstellationLabels(const LabelVisitor& visit) {
    ReadConstellationLabelsFrom(kConstellationLabelsFile, visit);
}

std::string ReadLabelLine(int labelNumber) {
    return ReadLineOfFile(kConstellationLabelsFile, labelNumber);
}
