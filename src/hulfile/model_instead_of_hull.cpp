#include "hulfile/model_instead_of_hull.h"

#include <filesystem>

#include "model/model_mesh.h"
#include "shared/text.h"

namespace ombrix {

namespace {

// A hull file cut short can pass for a model's counts; its floats seldom pass for every polygon's
// corners as well.
bool reads_as_model(const std::string& path) {
  const ModelReading model = read_model_mesh(path);
  return model.fault.empty() && model.mesh.polygons_out_of_range == 0;
}

}  // namespace

std::optional<std::string> model_instead_of_hull(const std::string& path, const HulReading& reading,
                                                 const std::string& shown) {
  const std::string extension = std::filesystem::path(path).extension().string();
  const bool named_as_model = equal_ignoring_case(extension, ".prm") || equal_ignoring_case(extension, ".m");
  if (named_as_model || (!reading.fault.empty() && reading.file_size > 0 && reads_as_model(path)))
    return (shown.empty() ? path : shown) + " is a model file (.prm or .m), not a hull file";
  return std::nullopt;
}

}  // namespace ombrix
