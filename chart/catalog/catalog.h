// All readers of the sky data files in one include.
#pragma once

#include "chart/catalog/column_fields.h"
#include "chart/catalog/constellations.h"
#include "chart/catalog/data_file.h"
#include "chart/catalog/data_file_error.h"
#include "chart/catalog/named_stars.h"
#include "chart/catalog/nebulae.h"
#include "chart/catalog/star_catalog.h"
