// The vertex triples worth trying on a model that hugs a line or a plane, where every vertex
// lies near the boundary of the hull and the hull cannot prune.
#pragma once

#include <functional>
#include <span>

#include "geometry/vector.h"

namespace ombrix {

using TripleVisit = std::function<void(size_t i, size_t j, size_t k)>;

// Every candidate with a vertex farther than 0.5 from it must cross the line or plane the model
// hugs at a steep angle, and only a triple nearly in line gives such a plane: along a line, all
// three vertices lie within a short stretch of it; in a plane, the three lie within a narrow
// strip of it. Calls visit(i, j, k) for those triples i < j < k of `points` in lexicographic
// order (a superset of the triples that can be accepted, with margins for every rounding of
// plane_from_points and plane_value) and returns true; returns false, visiting nothing, when the
// model is not thin enough for the bound to leave few triples. `largest`: at least the size of
// every coordinate. Cost: about the square of the vertex count times the square root of it, plus
// the triples.
bool for_each_thin_model_triple(std::span<const Vector> points, double largest, const TripleVisit& visit);

}  // namespace ombrix
