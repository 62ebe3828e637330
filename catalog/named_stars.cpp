#include "catalog/named_stars.h"

#include "catalog/column_fields.h"
#include "catalog/data_file.h"

NamedStarRecord ParseNamedStarRecord(std::string_view line) {
    NamedStarRecord star;
    star.line = line;
    star.starNumber = ColumnText(line, 1, 5);
    star.name = ColumnText(line, 6, 25);
    star.magnitude = ColumnText(line, 26, 30);
    star.distance = ColumnText(line, 31, 35);
    star.constellation = ColumnText(line, 36, 38);
    return star;
}

void ReadNamedStarsFrom(const std::string& fileName, const NamedStarVisitor& visit) {
    DataFile file(fileName);
    std::string_view line;
    for (int row = 1; row <= kNamedStarCapacity && file.NextLine(line); ++row) {
        visit(row, ParseNamedStarRecord(line));
    }
}

void ReadNamedStars(const NamedStarVisitor& visit) { ReadNamedStarsFrom(kNamedStarFile, visit); }
