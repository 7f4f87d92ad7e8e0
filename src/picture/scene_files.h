// Scenes from files: models read with their polygons, for the viewer and the command line.
#pragma once

#include <string>
#include <vector>

#include "picture/picture_scene.h"

namespace ombrix {

// Adds the model file at `path` to `scene`, named by its file name. A file that cannot be read
// is left out and its refusal appended to `problems`. Returns whether it was added.
bool add_model_file(PictureScene& scene, const std::string& path, std::vector<std::string>& problems);

}  // namespace ombrix
