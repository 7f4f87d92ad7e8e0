#include "spheres/refined_placement.h"

#include <optional>
#include <string>

#include "shared/number_text.h"
#include "spheres/cover_counts.h"
#include "spheres/refine_spheres.h"
#include "spheres/sample_hull.h"
#include "spheres/sphere_report.h"

namespace ombrix {

namespace {

std::string share_text(std::size_t covered, std::size_t total) {
  const double share = total == 0 ? 0.0 : (static_cast<double>(covered) / static_cast<double>(total)) * 100.0;
  return format_fixed(static_cast<float>(share), 1) + "%";
}

void log_shares(std::size_t refined, std::size_t greedy, std::size_t total, Log& log) {
  log.log_message("    Spheres refined: " + share_text(refined, total) + " of the hull volume covered (greedy " +
                      share_text(greedy, total) + ").",
                  Stamp::kStamped);
}

// The rows of `spheres` as the greedy would have reported them, each covering what those before
// it left; `counts` counts none of them afterwards either.
void append_rows(const std::vector<Sphere>& spheres, CoverCounts& counts, const VolumeGrid& grid, ResultList& results) {
  SphereReport report(counts.sample_count(), {grid.axes[0].extent, grid.axes[1].extent, grid.axes[2].extent});
  for (const Sphere& sphere : spheres) {
    const std::size_t covered = counts.add(sphere, 1);
    results.push_back(report.next_row(sphere, covered, counts.sample_count() - counts.covered_count()));
  }
}

// Counts for the points of the sample grid moved by half a spacing along every axis, kept by the
// samples' own rule; none when there are no such points.
std::optional<CoverCounts> counts_between_samples(const VolumeGrid& grid, const VolumePlanes& planes) {
  VolumeGrid between = grid;
  for (GridAxis& axis : between.axes) {
    axis.first_sample = static_cast<float>(axis.first_sample + grid.sample_spacing / 2.0);
  }
  return CoverCounts::on_grid(sample_hull(between, planes.hull, planes.exclusions), between);
}

// How many samples of `counts`, which counts no sphere, `spheres` cover together.
std::size_t covered_by(const std::vector<Sphere>& spheres, CoverCounts& counts) {
  for (const Sphere& sphere : spheres) counts.add(sphere, 1);
  const std::size_t covered = counts.covered_count();
  for (const Sphere& sphere : spheres) counts.add(sphere, -1);
  return covered;
}

// True when `refined` covers fewer points between the samples than `greedy`: what the moves won
// was the samples' grid, not volume.
bool lost_between_samples(const std::vector<Sphere>& refined, const std::vector<Sphere>& greedy, const VolumeGrid& grid,
                          const VolumePlanes& planes) {
  std::optional<CoverCounts> between = counts_between_samples(grid, planes);
  return between && covered_by(refined, *between) < covered_by(greedy, *between);
}

}  // namespace

std::vector<Sphere> place_refined_spheres(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                          std::size_t target, const VolumeGrid& grid, const VolumePlanes& planes,
                                          double allowance, const std::function<decltype(place_spheres)>& place,
                                          ResultList& results, Log& log) {
  // Placement takes samples and candidates out of the lists: what refining needs is kept first.
  std::optional<CoverCounts> counts = CoverCounts::on_grid(samples, grid);
  const std::vector<SpherePosition> candidates = positions;
  const std::size_t sample_total = samples.size();
  const std::size_t first_row = results.size();

  const Vector extents{grid.axes[0].extent, grid.axes[1].extent, grid.axes[2].extent};
  std::vector<Sphere> spheres = place(samples, positions, target, extents, results, log);
  if (!counts) {
    const std::size_t covered = sample_total - samples.size();
    log_shares(covered, covered, sample_total, log);
    return spheres;
  }

  const std::vector<Sphere> greedy = spheres;
  Refinement refinement = refine_spheres(spheres, *counts, candidates, grid, planes, allowance);
  for (const Sphere& sphere : spheres) counts->add(sphere, -1);
  if (lost_between_samples(spheres, greedy, grid, planes)) {
    spheres = greedy;
    refinement.refined_covered = refinement.greedy_covered;
  }
  log_shares(refinement.refined_covered, refinement.greedy_covered, counts->sample_count(), log);
  results.resize(first_row);
  append_rows(spheres, *counts, grid, results);
  return spheres;
}

}  // namespace ombrix
