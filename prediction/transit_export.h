// The transit list as a table (CSV, one approach per row, numbers with ".", CR LF), with
// the field names of polaride-cli transits --json.
#pragma once

#include <string>
#include <vector>

#include "prediction/transit_search.h"

std::string TransitTableText(const std::vector<TransitApproach>& approaches);
