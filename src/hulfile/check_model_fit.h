// How well a hull file fits the model it was made for: the model's vertices against the hulls,
// and how much of the model's box the spheres fill.
#pragma once

#include <span>
#include <vector>

#include "hulfile/finding.h"
#include "model/mesh_vertex.h"
#include "record/collision_data.h"

namespace ombrix {

struct ModelFit {
  size_t vertices = 0;
  // How far the farthest vertex lies out of the hulls (each vertex measured against the hull it
  // lies out of least, with unit normals); negative when every vertex is inside, +infinity when
  // no hull has usable planes.
  double farthest_out = 0.0;
  size_t beyond_tolerance = 0;  // vertices more than kOnPlaneTolerance out
  // Percent of the model's box inside at least one sphere, counted on the centres of a grid of
  // 40 x 40 x 40 cells over the box (a flat side of the box gets one cell).
  double box_covered = 0.0;
};

// Measures `vertices` against `data` and appends "model-outside" to `findings` when vertices
// lie more than kOnPlaneTolerance out of every hull. Spheres or planes that are not finite are
// left out. No vertices give an empty fit and no finding. Cost: the vertices times the planes,
// plus the grid cells each sphere's box covers.
ModelFit check_model_fit(const CollisionData& data, std::span<const MeshVertex> vertices,
                         std::vector<Finding>& findings);

}  // namespace ombrix
