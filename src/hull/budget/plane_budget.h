// The plane budget: a hull of at most a given number of planes that still holds every point of a
// model, enclosing as little more than the points' convex hull as it can.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "model/mesh_vertex.h"
#include "record/hull_file_limits.h"
#include "shared/log.h"

namespace ombrix {

// The fewest planes a budget can ask for: four make the smallest closed region. The most is
// what a hull file holds.
inline constexpr size_t kFewestBudgetPlanes = 4;
inline constexpr size_t kMostBudgetPlanes = kMostHullFileEntries;

// The budget a field text asks for: 0 for none (an empty text, spaces only, or 0), else a whole
// number from kFewestBudgetPlanes to kMostBudgetPlanes, digits only, spaces around it allowed.
// Nothing for any other text: a sign, a fraction, letters, too small or too large a number.
std::optional<size_t> read_plane_budget(std::string_view text);

// The line a run logs when it refuses the text of the budget's field, before any model is read:
// "Aborting. Max planes must be empty, 0 or a whole number from 4 to 32767, not '<text>'."
std::string plane_budget_refusal(std::string_view text);

struct BudgetedHull {
  std::vector<Plane> planes;  // at most the budget, unit normals (to single precision), pointing out
  double volume = 0.0;        // what `planes` enclose
  double exact_volume = 0.0;  // what the points' convex hull encloses
};

// Planes, at most `most_planes` of them (kFewestBudgetPlanes or more), closing around
// `points` so that none lies more than `tolerance` out of any (plane_value <= tolerance as
// computed from the written single-precision fields), with as small a volume as the search finds.
//
// The planes start as the faces of the points' convex hull, which are dropped one at a time,
// each time the one whose loss adds the least volume; then each plane is tilted about where it
// touches the points while the volume shrinks. The result encloses no more than the dropping
// alone would. With a tolerance, the planes then move in by it, but never by more than half the
// depth of the largest ball inside, so the region keeps a thickness. When the dropping cannot go
// on without opening the region (a box asked for fewer than six), a tetrahedron around the points
// is cut down by the hull's faces instead.
//
// Nothing when the points have no three-dimensional hull: fewer than four, all in one plane or on
// one line. The same points give the same planes, bit for bit. Cost: milliseconds for a car body.
std::optional<BudgetedHull> budget_hull(std::span<const Vector> points, size_t most_planes, double tolerance);

// A run's budget step for one model: when the hull a procedure built for `vertices` has more than
// `most_planes` planes, replaces `planes` by budget_hull's, `tolerance` being how far that
// procedure lets a vertex lie out of its own planes, and logs (stamped)
// "    Hull reduced to <count> planes from <count before> (<+/-percent>% volume)." with the volume
// compared to the vertices' convex hull, to one decimal. When the vertices have no
// three-dimensional hull (all in one plane or on one line, whatever the plane count, none
// included) the planes stay as they are and it logs "    No plane budget: the model's points lie
// in one plane or on one line, so no planes close around them."; any other hull within the budget
// is left alone, and nothing is logged for it.
void apply_plane_budget(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, size_t most_planes,
                        double tolerance, Log& log);

}  // namespace ombrix
