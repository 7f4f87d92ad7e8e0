// The report of a volume's spheres as they are placed: a result row and three log lines each.
#pragma once

#include <cstddef>

#include "geometry/vector.h"
#include "record/sphere.h"
#include "shared/log.h"
#include "spheres/sphere_result.h"

namespace ombrix {

// Reports one main volume's spheres, in placement order, against its `sample_total` samples and
// the `extents` of its box.
class SphereReport {
 public:
  SphereReport(std::size_t sample_total, const Vector& extents);

  // Appends the row of `sphere`, the volume's next sphere, which newly covered `covered` samples
  // and left `remaining` uncovered, to `results` and logs its coordinates, the two percentages
  // and how much of the box the volume's spheres so far span, each number with one decimal and
  // every line stamped.
  void add(const Sphere& sphere, std::size_t covered, std::size_t remaining, ResultList& results, Log& log);

  // The row add would append, without logging it.
  SphereResult next_row(const Sphere& sphere, std::size_t covered, std::size_t remaining);

 private:
  double sample_total_;
  Vector extents_;
  SphereResult row_;  // carries the number and the set box from one sphere to the next
};

}  // namespace ombrix
