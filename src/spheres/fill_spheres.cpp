#include "spheres/fill_spheres.h"

#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/bbox.h"
#include "record/hull_file_limits.h"
#include "shared/number_text.h"
#include "spheres/fill_parameters.h"
#include "spheres/refined_placement.h"
#include "spheres/sphere_share.h"
#include "spheres/sphere_work.h"
#include "spheres/volume_grid.h"

namespace ombrix {

namespace {

// The defaults' proportion, 21 sample points to 7 candidates across the smallest extent.
constexpr float kSamplesPerCandidate = 3.0f;

bool above_zero_and_finite(float value) { return value > 0.0f && std::isfinite(value); }

// Why the grids of `volume` cannot even be laid out, or empty when they can.
std::string_view unusable_input(const Volume& volume, const FillParameters& parameters) {
  const Vector extents = box_extents(volume.box);
  if (!above_zero_and_finite(extents.x) || !above_zero_and_finite(extents.y) || !above_zero_and_finite(extents.z)) {
    return "its box is flat or not finite.";
  }
  if (volume.planes.empty()) return "its hull has no planes.";
  // The run cannot write such a hull: filling it would be time spent for nothing.
  if (volume.planes.size() > kMostHullFileEntries) {
    return "its hull has more than 32767 planes, too many for a hull file.";
  }
  if (!above_zero_and_finite(parameters.grid_resolution) || !above_zero_and_finite(parameters.sample_resolution)) {
    return "the grid and sampling resolutions must be finite and above 0.";
  }
  if (!std::isfinite(parameters.overshoot_percent)) return "the overshoot must be finite.";
  return {};
}

std::string_view oversized(const VolumeGrid& grid) {
  if (grid.sample_points > kMostSamplePoints) return "more than 64000000 sample points.";
  if (grid.sphere_positions > kMostSpherePositions) return "more than 8000000 sphere positions.";
  return {};
}

// When the work would take too long, names the resolution that is out of proportion to the
// other: both weigh alike, the candidates growing with the cube of the one and the sample points
// within each candidate's reach with the cube of the other.
std::string_view too_slow(double work, const FillParameters& parameters) {
  if (!(work > kMostSphereWork)) return {};
  if (parameters.sample_resolution > kSamplesPerCandidate * parameters.grid_resolution) {
    return "too slow at these resolutions; lower the sampling resolution.";
  }
  return "too slow at these resolutions; lower the grid resolution.";
}

// Literally a hull without planes would exclude every point of the volume.
bool ignored(const Volume& excluded) { return excluded.planes.empty(); }

// The plane lists of the excluded hulls that can exclude anything.
std::vector<std::span<const Plane>> exclusions_of(const Volume& volume) {
  std::vector<std::span<const Plane>> exclusions;
  for (const Volume& excluded : volume.excluded) {
    if (!ignored(excluded)) exclusions.push_back(excluded.planes);
  }
  return exclusions;
}

void log_ignored_exclusions(const Volume& volume, Log& log) {
  for (const Volume& excluded : volume.excluded) {
    if (ignored(excluded)) log.log_message("    Excluded volume ignored: its hull has no planes.", Stamp::kStamped);
  }
}

std::string grid_size(const VolumeGrid& grid) {
  return format_whole(grid.axes[0].candidate_count) + " x " + format_whole(grid.axes[1].candidate_count) + " x " +
         format_whole(grid.axes[2].candidate_count);
}

}  // namespace

std::vector<std::string> fill_spheres(std::vector<Sphere>& spheres, std::span<const Volume> volumes,
                                      const Fields& fields, Log& log, ResultList& results, const SphereStages& stages) {
  std::vector<std::string> refusals;
  log.log_message("Creating spheres.", Stamp::kStamped);
  const FillParameters parameters = read_fill_parameters(fields);
  const float volume_sum = box_volume_sum(volumes);

  for (const Volume& volume : volumes) {
    std::string_view refusal = unusable_input(volume, parameters);
    refusals.emplace_back();
    VolumeGrid grid;
    if (refusal.empty()) {
      grid = volume_grid(volume.box, parameters);
      refusal = oversized(grid);
    }
    // The candidates come before the samples: how long the spheres take depends on their reach.
    const std::vector<std::span<const Plane>> exclusions = exclusions_of(volume);
    std::vector<SpherePosition> positions;
    double work = 0.0;
    if (refusal.empty()) {
      positions = stages.lay_out(grid, volume.planes, exclusions);
      work = sphere_work(grid, positions);
      refusal = too_slow(work, parameters);
    }
    if (!refusal.empty()) {
      refusals.back() = refusal;
      log.log_message("    No spheres for this volume: " + refusals.back(), Stamp::kStamped);
      continue;
    }

    log.log_message("Discretizing hull volume with sample_spheres.", Stamp::kStamped);
    log_ignored_exclusions(volume, log);
    std::vector<SampleSphere> samples = stages.sample(grid, volume.planes, exclusions);
    const auto sample_count = static_cast<std::int64_t>(samples.size());
    log.log_message("    Number of sample_spheres used: " + format_whole(sample_count), Stamp::kStamped);

    const auto position_count = static_cast<std::int64_t>(positions.size());
    log.log_message("Number of sphere positions that will be tested: " + format_whole(position_count) + " (Grid is " +
                        grid_size(grid) + ").",
                    Stamp::kStamped);

    const std::size_t share = sphere_share(volume.box, volume_sum, parameters.target_spheres);
    // The refinement may take what the greedy's estimate leaves of the stage's work bound.
    const std::vector<Sphere> placed =
        parameters.placement == SpherePlacement::kRefined
            ? place_refined_spheres(samples, positions, share, grid, {volume.planes, exclusions},
                                    kMostSphereWork - work, stages.place, results, log)
            : stages.place(samples, positions, share, box_extents(volume.box), results, log);
    spheres.insert(spheres.end(), placed.begin(), placed.end());
  }
  return refusals;
}

}  // namespace ombrix
