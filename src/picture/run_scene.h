// The scene of a run's result: what the viewer shows after each run and `--picture` draws.
#pragma once

#include <string>
#include <vector>

#include "picture/picture_scene.h"
#include "pipeline/run_pipeline.h"
#include "spheres/sphere_result.h"

namespace ombrix {

// The spheres of `spheres`, numbered as the run's log numbers them (each main volume's first is
// 1) when `rows` holds one row per sphere, else 1, 2, 3... in list order.
std::vector<SceneSphere> numbered_spheres(const std::vector<Sphere>& spheres, const ResultList& rows);

// The models of the run's main volumes, read again for their polygons, its hulls with their
// excluded volumes, and its spheres. A model that can no longer be read is left out and its
// fault appended to `faults`.
PictureScene scene_of_run(const RunProduct& product, const ResultList& rows, std::vector<std::string>& faults);

}  // namespace ombrix
