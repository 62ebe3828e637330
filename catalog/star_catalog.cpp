#include "catalog/star_catalog.h"

#include "catalog/column_fields.h"
#include "catalog/data_file.h"

CatalogueKind ClassifyCatalogueField(std::string_view line) {
    const std::string_view c38 = ColumnText(line, 38, 38);
    if (c38.empty() || c38[0] == ' ') return CatalogueKind::None;
    if (c38[0] == 'T') {
        // Column 39 read as an integer; missing or not a number counts as 1000.
        const std::string_view c39 = ColumnText(line, 39, 39);
        if (!c39.empty() && (c39[0] == ' ' || (c39[0] >= '0' && c39[0] <= '9'))) {
            return CatalogueKind::Tycho;
        }
    }
    if (ColumnText(line, 38, 40) == "H  ") return CatalogueKind::Hipparcos;
    return CatalogueKind::Text;
}

StarRecord ParseStarRecord(std::string_view line, const char* fileName) {
    StarRecord star;
    star.line = line;
    star.rightAscensionHours = ColumnNumber(line, 1, 7, fileName);
    star.declinationDeg = ColumnNumber(line, 8, 14, fileName);
    star.magnitude = ColumnNumber(line, 15, 19, fileName);
    star.constellation = ColumnText(line, 20, 22);
    star.designation = ColumnText(line, 23, 32);
    star.distance = ColumnText(line, 33, 37);
    star.catalogue = ColumnText(line, 38, 57);
    star.catalogueKind = ClassifyCatalogueField(line);
    switch (star.catalogueKind) {
        case CatalogueKind::Hipparcos:
            star.catalogueNumber = TrimLeadingBlanks(ColumnText(line, 41, 50));
            break;
        case CatalogueKind::Tycho:
            star.catalogueNumber = TrimLeadingBlanks(ColumnText(line, 39, 50));
            break;
        case CatalogueKind::Text:
        case CatalogueKind::None:
            break;
    }
    star.description = ColumnText(line, 58, 97);
    return star;
}

void ReadStarRecordsFrom(const std::string& fileName, const StarVisitor& visit) {
    static KeptRecords<StarRecord> stars(ParseStarRecord, kStarCount);
    stars.VisitAll(fileName, visit);
}

void ReadStarRecords(const StarVisitor& visit) { ReadStarRecordsFrom(kStarCatalogFile, visit); }

std::string ReadStarLine(int starNumber) { return ReadLineOfFile(kStarCatalogFile, starNumber); }
