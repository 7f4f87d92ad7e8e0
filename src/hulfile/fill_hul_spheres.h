// New collision spheres for the hulls of any hull file, by the run's own sphere filling.
#pragma once

#include <string>
#include <vector>

#include "record/collision_data.h"
#include "record/sphere.h"
#include "shared/fields.h"
#include "shared/log.h"
#include "spheres/sphere_result.h"

namespace ombrix {

struct HulFilling {
  std::vector<Sphere> spheres;             // every filled hull's spheres, hull after hull
  std::vector<std::string> skipped;        // one sentence per hull left out, naming it and saying why
  std::vector<std::string> replaced;       // one sentence per hull whose box was not its own and was made anew
  std::vector<std::string> short_of_room;  // one sentence per hull that holds fewer than its share
  std::vector<std::string> refused;        // the hulls whose fields the sphere stage refused ("hull 2")
  std::string refusal;                     // the stage's reason for the last of them, as it logs it
  size_t filled = 0;                       // hulls that could be handed to the sphere stage

  // True when some hull got spheres and the sphere stage refused none.
  bool usable() const { return filled > 0 && refused.empty() && !spheres.empty(); }
};

// Fills the hulls of `data` with spheres through fill_spheres, reading the same fields as a run
// and logging the same lines; `results` is emptied first and receives the rows. `data` is not
// changed: a caller puts `spheres` in place of the file's when `usable()`.
//
// A hull whose planes do not close around a region, or with a value that is not finite (in its
// planes, box, offset or corners), is left out. One hull left is filled as a run fills one main
// volume; several are filled one by one, each with its share of the target by box volume, the
// shares adding up to the target (each at least 1, or, with fewer spheres than hulls, one each for
// the largest boxes and the others named in `skipped`), and "Creating spheres." is logged for
// each. A hull with room for fewer spheres than its share keeps what it holds (named in
// `short_of_room`) and the others share the rest, so the count is the one asked for while any
// hull has room. A hull's box is used as the file holds it, so a file the run wrote from one model gets the
// run's spheres; a box that is flat, does not hold the hull's inmost point or reaches far beyond
// the hull is replaced by the box of the hull's corners.
HulFilling fill_hul_spheres(const CollisionData& data, const Fields& fields, Log& log, ResultList& results);

}  // namespace ombrix
