// Scenes from files: models read with their polygons and hull files read whole, for the viewer
// and the command line.
#pragma once

#include <string>
#include <vector>

#include "picture/picture_scene.h"

namespace ombrix {

// Adds the model file at `path` to `scene`, named by its file name. A file that cannot be read
// is left out and its fault appended to `faults`. Returns whether it was added.
bool add_model_file(PictureScene& scene, const std::string& path, std::vector<std::string>& faults);

// Adds the hulls and spheres of the hull file at `path` to `scene` (the spheres numbered 1, 2,
// 3... in file order) and names the scene's hull file after it. A file that breaks off adds what
// was read whole before the break, and "Can't read <path>: <where it breaks>" is appended to
// `faults`; a model file (model_instead_of_hull) adds nothing and says so. Returns whether the
// whole file was read.
bool add_hull_file(PictureScene& scene, const std::string& path, std::vector<std::string>& faults);

}  // namespace ombrix
