// What `ombrix-cli check` prints: a line per car and a total, or one JSON document.
#pragma once

#include <string>
#include <vector>

#include "pack/car_check.h"
#include "pack/pack_tally.h"

namespace ombrix {

// "akii (Akii): 0 errors, 2 warnings; 40 planes, 11 spheres, volume 512345.6, body 1.2% out,
// spheres fill 80.5% of the hull", the fresh hull file's counts and figures after a rebuild ("; fresh:
// ..."), then the first error when there is one; "shared: not a car". Control characters show as `?`.
std::string check_line(const CarCheck& car);

// "163 folders: 149 cars, 3 with errors, 120 with warnings only, 14 not cars".
std::string check_total(const PackTally& tally);

// {"path", "cars": [{"folder", "kind", "name", "body", "hull", "planes", "spheres", "volume",
// "outside", "coverage", "errors", "warnings", "findings": [{"kind", "severity", "message"}]}],
// "folders", "with_errors", "with_warnings", "not_cars"}; a rebuilt car also has "rebuilt": {"hull", "planes",
// "spheres", "volume", "outside", "coverage", "errors", "warnings"} or {"hull", "fault"}.
std::string check_json(const std::string& path, const std::vector<CarCheck>& cars);

}  // namespace ombrix
