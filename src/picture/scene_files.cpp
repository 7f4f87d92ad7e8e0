#include "picture/scene_files.h"

#include <filesystem>

namespace ombrix {

bool add_model_file(PictureScene& scene, const std::string& path, std::vector<std::string>& problems) {
  SceneModel model{std::filesystem::path(path).filename().string(), {}};
  std::string refusal;
  if (!read_model_mesh(path, model.mesh, refusal)) {
    problems.push_back(refusal);
    return false;
  }
  scene.models.push_back(std::move(model));
  return true;
}

}  // namespace ombrix
