// The checks of a hull file that need geometry: whether each hull's planes close around a
// region, whether its points lie within them, and where the spheres sit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hulfile/finding.h"
#include "hull/solid/hull_solid.h"
#include "record/collision_data.h"

namespace ombrix {

// Where one sphere sits: against the hull it reaches out of least.
struct SphereFit {
  bool placed = false;      // false for a sphere with a value that is not finite, or no hull to measure
  size_t hull = 0;          // that hull, from 0
  double centre_out = 0.0;  // how far the centre lies out of the hull's planes, negative inside
  double reach = 0.0;       // how far the sphere reaches out of them: centre_out + radius
};

struct GeometryCheck {
  std::vector<std::optional<SolidResult>> solids;  // per hull; nothing when not checked
  std::vector<std::optional<double>> volumes;      // per hull: what its solid holds, when closed
  std::vector<std::optional<BBox>> solid_boxes;    // per hull: the box around its solid's corners, when closed
  std::vector<SphereFit> spheres;                  // per sphere
  std::vector<std::string> notes;                  // checks left out, and why
};

// Appends to `findings`, per hull: "open-hull", "empty-hull" or "flat-hull" when its planes do
// not close around a region with a thickness (solid_of_planes), and "point-outside" when points
// lie more than kOnPlaneTolerance out of its planes; then per sphere "sphere-outside" when its
// centre lies more than kOnPlaneTolerance out of every hull, else "sphere-reach" when it reaches
// more than kOnPlaneTolerance out of its hull. Distances are measured with unit normals. Hulls with
// values that are not finite, or no planes, are left out (check_structure and the solid report
// them), and a sphere outside every other hull is then not judged.
//
// Bounded on any file: a check whose cost would pass about 4e8 plane tests, or hulls beyond 200000
// planes in all for the solids, is left out with a note.
GeometryCheck check_geometry(const CollisionData& data, std::vector<Finding>& findings);

}  // namespace ombrix
