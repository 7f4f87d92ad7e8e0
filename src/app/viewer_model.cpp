#include "app/viewer_model.h"

#include <filesystem>
#include <system_error>

namespace ombrix {

std::string model_beside(const std::string& hul_path) {
  const std::filesystem::path model = std::filesystem::path(hul_path).parent_path() / kCarModelName;
  std::error_code error;
  return std::filesystem::is_regular_file(model, error) ? model.string() : std::string();
}

}  // namespace ombrix
