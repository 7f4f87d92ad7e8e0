#include "spheres/sphere_work.h"

#include <numbers>

namespace ombrix {

namespace {

// What one step of each kind costs next to testing one sample point against a candidate,
// measured with bench/ on real bodies and boxes (bench/RESULTS.md): searching one row of samples
// for the stretch a ball covers, passing over one x layer of samples, laying out and indexing one
// sample point.
constexpr double kRowCost = 25.0;
constexpr double kLayerCost = 2.0;
constexpr double kSampleCost = 40.0;

// `value`, or `most` when it is larger or not a number.
double at_most(double value, double most) { return value < most ? value : most; }

}  // namespace

double sphere_work(const VolumeGrid& grid, std::span<const SpherePosition> positions) {
  if (!(grid.sample_points > 0.0)) return 0.0;  // no samples: the first step drops every candidate
  const double spacing = grid.sample_spacing;
  const double layers = static_cast<double>(grid.axes[0].sample_count);
  const double rows = layers * static_cast<double>(grid.axes[1].sample_count);
  double work = grid.sample_points * kSampleCost;
  for (const SpherePosition& position : positions) {
    const double reach = position.radius > 0.0f ? position.radius / spacing : 0.0;
    const double ball = at_most(4.0 / 3.0 * std::numbers::pi * reach * reach * reach, grid.sample_points);
    const double disc = at_most(std::numbers::pi * reach * reach, rows);
    work += ball + kRowCost * disc + kLayerCost * layers;
  }
  return work;
}

}  // namespace ombrix
