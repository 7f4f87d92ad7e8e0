#include "picture/scene_files.h"

#include <filesystem>

#include "hulfile/hul_file_reader.h"
#include "hulfile/model_instead_of_hull.h"
#include "picture/hull_shapes.h"
#include "picture/run_scene.h"

namespace ombrix {

bool add_model_file(PictureScene& scene, const std::string& path, std::vector<std::string>& faults) {
  SceneModel model{std::filesystem::path(path).filename().string(), {}};
  ModelReading reading = read_model_mesh(path);
  if (!reading.fault.empty()) {
    faults.push_back(reading.fault);
    return false;
  }
  model.mesh = std::move(reading.mesh);
  scene.models.push_back(std::move(model));
  return true;
}

bool add_hull_file(PictureScene& scene, const std::string& path, std::vector<std::string>& faults) {
  const HulReading reading = read_hul_file(path);
  if (const auto model = model_instead_of_hull(path, reading)) {
    faults.push_back(*model);
    return false;
  }
  scene.hull_file = std::filesystem::path(path).filename().string();
  add_hulls(scene, reading.data);
  const std::vector<SceneSphere> spheres = numbered_spheres(reading.data.spheres, {});
  scene.spheres.insert(scene.spheres.end(), spheres.begin(), spheres.end());
  if (reading.fault.empty()) return true;
  faults.push_back("Can't read " + path + ": " + reading.fault);
  return false;
}

}  // namespace ombrix
