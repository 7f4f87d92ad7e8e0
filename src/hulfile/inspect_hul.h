// Everything `ombrix-cli inspect` finds out about a hull file, in one record.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "hulfile/check_geometry.h"
#include "hulfile/check_model_fit.h"
#include "hulfile/finding.h"
#include "hulfile/hul_file_reader.h"
#include "model/mesh_vertex.h"

namespace ombrix {

struct HulInspection {
  HulReading reading;
  std::vector<Finding> findings;  // an "unreadable" finding first when the file could not be read whole
  GeometryCheck geometry;
  std::optional<ModelFit> model;  // with a model only
};

// Checks what `reading` holds: its fault as the first finding (kind "unreadable"), then
// check_structure, check_geometry and, when `model` is given, check_model_fit. A reading cut
// off is checked as far as it goes.
HulInspection inspect_hul(HulReading reading, const std::optional<std::span<const MeshVertex>>& model);

// How much more the hulls hold, added up, than the model's convex hull, in percent (negative for
// less); nothing without a model, when the model has no three-dimensional hull, when a hull does
// not close, or when there is no hull.
std::optional<double> percent_beyond_convex_hull(const HulInspection& inspection);

}  // namespace ombrix
