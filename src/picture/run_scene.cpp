#include "picture/run_scene.h"

#include "picture/hull_shapes.h"
#include "picture/scene_files.h"

namespace ombrix {

std::vector<SceneSphere> numbered_spheres(const std::vector<Sphere>& spheres, const ResultList& rows) {
  const bool rows_match = rows.size() == spheres.size();
  std::vector<SceneSphere> numbered;
  numbered.reserve(spheres.size());
  for (size_t i = 0; i < spheres.size(); ++i) {
    numbered.push_back({spheres[i], rows_match ? static_cast<int>(rows[i].number) : static_cast<int>(i + 1)});
  }
  return numbered;
}

PictureScene scene_of_run(const RunProduct& product, const ResultList& rows, std::vector<std::string>& faults) {
  PictureScene scene;
  for (const std::string& path : product.model_paths) add_model_file(scene, path, faults);
  add_hulls(scene, product.data);
  scene.spheres = numbered_spheres(product.data.spheres, rows);
  return scene;
}

}  // namespace ombrix
