// The result list as tab-separated text for a spreadsheet.
#pragma once

#include <string>

#include "spheres/sphere_result.h"

namespace ombrix {

// The table of `results`: a header line before each volume's first sphere, one data line per
// row, eleven TABs a line, every line ended by CR LF. Empty for an empty list.
std::string result_table_text(const ResultList& results);

}  // namespace ombrix
