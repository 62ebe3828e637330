// All readers of the sky data files in one include.
#pragma once

#include "catalog/column_fields.h"
#include "catalog/constellations.h"
#include "catalog/data_file.h"
#include "catalog/data_file_error.h"
#include "catalog/named_stars.h"
#include "catalog/nebulae.h"
#include "catalog/star_catalog.h"
