// What a picture shows: models, hulls and spheres, in the model files' own axes (y points down).
#pragma once

#include <string>
#include <vector>

#include "geometry/vector.h"
#include "model/model_mesh.h"
#include "record/sphere.h"

namespace ombrix {

// A hull as it is drawn: the faces of its solid, or why it has none.
struct HullShape {
  std::vector<std::vector<Vector>> faces;  // each a loop of corners around one face
  std::string not_closed;                  // empty when `faces` close the hull; else why not, in words
  bool excluded = false;                   // an excluded volume: drawn in a colour of its own
};

struct SceneSphere {
  Sphere sphere;
  int number = 0;         // the number the run's log gives it ("Sphere N coordinates")
  bool selected = false;  // drawn highlighted, its number shown however small it is
};

struct SceneModel {
  std::string name;  // the model file's name, for the legend
  ModelMesh mesh;
};

struct PictureScene {
  std::vector<SceneModel> models;
  std::vector<HullShape> hulls;
  std::vector<SceneSphere> spheres;
  std::string hull_file;  // the name of the hull file the hulls and spheres come from; empty: none
};

}  // namespace ombrix
