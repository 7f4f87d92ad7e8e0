// The pack report's page: one HTML file that opens from disk, with nothing fetched, its pictures
// beside it.
#pragma once

#include <string>
#include <vector>

#include "pack/car_check.h"

namespace ombrix {

// The page for the check of `path`: a summary (cars, with errors, with warnings only, not cars),
// then a row per folder, cars with errors first, then with warnings, then the others, each in
// name order: the thumbnail (a click shows the four views), name, folder, figures and findings,
// and the fresh hull file's beside them when the car was rebuilt. `pictured[i]` says whether car
// i's pictures were drawn.
std::string report_page(const std::string& path, const std::vector<CarCheck>& cars, const std::vector<bool>& pictured);

// `text` with &, <, >, " and ' written as HTML's character references.
std::string html_escaped(std::string_view text);

}  // namespace ombrix
