// A model file given where a hull file belongs: said plainly, instead of a hull reader's fault
// about counts the model's bytes happen to hold.
#pragma once

#include <optional>
#include <string>

#include "hulfile/hul_file_reader.h"

namespace ombrix {

// "<shown> is a model file (.prm or .m), not a hull file" when `path` ends in .prm or .m (any
// case), or when `reading` (of `path`) has a fault after reading some bytes and the file reads
// whole as a model whose polygons all use its own vertices; else nothing.
// `shown` names the file to the user; `path` by default.
std::optional<std::string> model_instead_of_hull(const std::string& path, const HulReading& reading,
                                                 const std::string& shown = "");

}  // namespace ombrix
