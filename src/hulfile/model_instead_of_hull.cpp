#include "hulfile/model_instead_of_hull.h"

#include <filesystem>

#include "model/model_mesh.h"
#include "shared/text.h"

namespace ombrix {

std::optional<std::string> model_instead_of_hull(const std::string& path, const HulReading& reading,
                                                 const std::string& shown) {
  const std::string extension = std::filesystem::path(path).extension().string();
  const bool named_as_model = equal_ignoring_case(extension, ".prm") || equal_ignoring_case(extension, ".m");
  if (named_as_model || (!reading.fault.empty() && reading.file_size > 0 && read_model_mesh(path).fault.empty()))
    return (shown.empty() ? path : shown) + " is a model file (.prm or .m), not a hull file";
  return std::nullopt;
}

}  // namespace ombrix
