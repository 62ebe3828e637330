#include "satellite/element_cache.h"

#include <algorithm>
#include <vector>

#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

namespace {

struct CachedRow {
    bool parsed = false;
    bool valid = false;
    std::string line1;  // the text the elements were parsed from
    std::string line2;
    SgpElements elements;
};

std::vector<CachedRow> gRows;

}  // namespace

void ClearElementCache() { gRows.clear(); }

OrbitError PropagateRow(int row, const std::string& line1, const std::string& line2, JD1900 T,
                        bool withVelocity) {
    if (row < 1 || row > kSatelliteCapacity) return PropagateSGP(line1, line2, T, withVelocity);
    const std::size_t index = static_cast<std::size_t>(row);
    if (gRows.size() <= index) gRows.resize(std::max(index, Satellites().allSets.size() / 3) + 1);
    CachedRow& cached = gRows[index];
    if (!cached.parsed || cached.line1 != line1 || cached.line2 != line2) {
        cached.valid = ParseSgpElements(line1, line2, cached.elements);
        cached.line1 = line1;
        cached.line2 = line2;
        cached.parsed = true;
    }
    if (!cached.valid) {
        MathErrorFlag = true;
        return OrbitError::Unreadable;
    }
    return PropagateSGP(cached.elements, T, withVelocity);
}
