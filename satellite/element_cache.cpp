#include "satellite/element_cache.h"

#include <vector>

#include "satellite/satellite_table.h"
#include "satellite/sgp.h"

namespace {

struct CachedRow {
    bool parsed = false;
    bool valid = false;
    SgpElements elements;
};

std::vector<CachedRow> gRows;

}  // namespace

void ClearElementCache() { gRows.clear(); }

void PropagateRow(int row, const std::string& line1, const std::string& line2, JD1900 T,
                  bool withVelocity) {
    const TSat1& all = Satellites().allSets;
    const std::size_t base = row >= 1 ? 3 * static_cast<std::size_t>(row - 1) : 0;
    if (row < 1 || base + 2 >= all.size() || all[base + 1] != line1 || all[base + 2] != line2) {
        PropagateSGP(line1, line2, T, withVelocity);
        return;
    }
    if (gRows.size() <= static_cast<std::size_t>(row)) gRows.resize(all.size() / 3 + 1);
    CachedRow& cached = gRows[static_cast<std::size_t>(row)];
    if (!cached.parsed) {
        cached.valid = ParseSgpElements(line1, line2, cached.elements);
        cached.parsed = true;
    }
    if (!cached.valid) {
        MathErrorFlag = true;
        return;
    }
    PropagateSGP(cached.elements, T, withVelocity);
}
