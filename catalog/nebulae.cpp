#include "catalog/nebulae.h"

#include "catalog/column_fields.h"
#include "catalog/data_file.h"

NebulaRecord ParseNebulaRecord(std::string_view line, const char* fileName) {
    NebulaRecord nebula;
    nebula.line = line;
    nebula.rightAscensionHours = ColumnNumber(line, 1, 7, fileName);
    nebula.declinationDeg = ColumnNumber(line, 8, 14, fileName);
    nebula.size = ColumnNumber(line, 18, 19, fileName);
    nebula.name = ColumnText(line, 20, 44);
    nebula.distance = ColumnText(line, 45, 52);
    nebula.kind = ColumnText(line, 53, 72);
    return nebula;
}

void ReadNebulaeFrom(const std::string& fileName, const NebulaVisitor& visit) {
    static KeptRecords<NebulaRecord> nebulae(ParseNebulaRecord, kNebulaCount);
    nebulae.VisitAll(fileName, visit);
}

void ReadNebulae(const NebulaVisitor& visit) { ReadNebulaeFrom(kNebulaFile, visit); }

std::string ReadNebulaLine(int nebulaNumber) { return ReadLineOfFile(kNebulaFile, nebulaNumber); }
