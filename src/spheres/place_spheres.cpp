#include "spheres/place_spheres.h"

#include <cassert>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "shared/number_text.h"

namespace ombrix {

namespace {

// Positions in the sample list, in list order.
using CoverList = std::vector<std::uint32_t>;

// Scores `candidate` afresh over the samples left, filling `cover`.
void evaluate(SpherePosition& candidate, const std::vector<SampleSphere>& samples, CoverList& cover) {
  cover.clear();
  candidate.score = 0.0f;
  for (std::size_t q = 0; q < samples.size(); ++q) {
    if (point_distance(samples[q].position, candidate.centre) <= candidate.radius) {
      cover.push_back(static_cast<std::uint32_t>(q));
      candidate.score = static_cast<float>(static_cast<double>(candidate.score) + samples[q].weight);
    }
  }
}

// Removes the samples at the (ascending) positions of `cover`, keeping the others' order.
void remove_covered(std::vector<SampleSphere>& samples, const CoverList& cover) {
  std::size_t kept = 0;
  std::size_t next = 0;
  for (std::size_t q = 0; q < samples.size(); ++q) {
    if (next < cover.size() && cover[next] == q) {
      ++next;
    } else {
      samples[kept++] = samples[q];
    }
  }
  samples.resize(kept);
}

void widen(float& low, float& high, double centre, double radius) {
  if (low > centre - radius) low = static_cast<float>(centre - radius);
  if (high < centre + radius) high = static_cast<float>(centre + radius);
}

float percent(double part, double whole) { return static_cast<float>((part / whole) * 100.0); }

float coverage(float low, float high, float extent) {
  return static_cast<float>(((static_cast<double>(high) - low) / extent) * 100.0);
}

std::string one_decimal(float value) { return format_fixed(value, 1); }

void log_sphere(const SphereResult& row, Log& log) {
  const std::string number = format_whole(row.number);
  log.log_message("Sphere " + number + " coordinates: x: " + one_decimal(row.x) + ", y: " + one_decimal(row.y) +
                      ", z: " + one_decimal(row.z) + ", radius: " + one_decimal(row.radius),
                  true);
  log.log_message("    Sphere " + number + " covers " + one_decimal(row.trimmed) + "% of the hull volume. (" +
                      one_decimal(row.remaining) + "% remains).",
                  true);
  log.log_message("    Spheres set BBox is covering [x: " + one_decimal(row.coverage_x) +
                      "%, y: " + one_decimal(row.coverage_y) + "%, z: " + one_decimal(row.coverage_z) +
                      "%] of the Hull BBox.",
                  true);
}

}  // namespace

std::vector<Sphere> place_spheres(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                  std::size_t target, const Vector& extents, ResultList& results, Log& log) {
  assert(target >= 1);
  assert(samples.size() <= std::numeric_limits<std::uint32_t>::max());
  log.log_message("Filling Hull with spheres.", true);

  const double sample_total = static_cast<double>(samples.size());
  std::vector<Sphere> spheres;
  SphereResult row;  // carries the set box from one sphere to the next
  CoverList cover;
  CoverList best_cover;
  bool first_step = true;

  while (spheres.size() < target) {
    std::optional<std::size_t> best;
    float best_score = 0.0f;
    bool looked_at_one = false;

    // Candidates that cover nothing are squeezed out in the same pass, in order.
    std::size_t kept = 0;
    for (std::size_t p = 0; p < positions.size(); ++p) {
      SpherePosition& candidate = positions[p];
      // A stored score only shrinks as samples leave, so one below the best cannot win.
      const bool skip = !first_step && looked_at_one && best_score > candidate.score;
      looked_at_one = true;
      if (!skip) {
        evaluate(candidate, samples, cover);
        if (cover.empty()) continue;
        if (candidate.score > best_score) {
          best = kept;
          best_score = candidate.score;
          std::swap(best_cover, cover);
        }
      }
      positions[kept++] = candidate;
    }
    positions.resize(kept);
    if (!best) break;

    const SpherePosition chosen = positions[*best];
    positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(*best));
    remove_covered(samples, best_cover);
    spheres.push_back({chosen.centre.x, chosen.centre.y, chosen.centre.z, chosen.radius});

    if (spheres.size() == 1) {
      row.set_min_x = row.set_max_x = chosen.centre.x;
      row.set_min_y = row.set_max_y = chosen.centre.y;
      row.set_min_z = row.set_max_z = chosen.centre.z;
    }
    widen(row.set_min_x, row.set_max_x, chosen.centre.x, chosen.radius);
    widen(row.set_min_y, row.set_max_y, chosen.centre.y, chosen.radius);
    widen(row.set_min_z, row.set_max_z, chosen.centre.z, chosen.radius);

    row.number = static_cast<std::int32_t>(spheres.size());
    row.trimmed = percent(static_cast<double>(best_cover.size()), sample_total);
    row.remaining = percent(static_cast<double>(samples.size()), sample_total);
    row.x = chosen.centre.x;
    row.y = chosen.centre.y;
    row.z = chosen.centre.z;
    row.radius = chosen.radius;
    row.coverage_x = coverage(row.set_min_x, row.set_max_x, extents.x);
    row.coverage_y = coverage(row.set_min_y, row.set_max_y, extents.y);
    row.coverage_z = coverage(row.set_min_z, row.set_max_z, extents.z);
    results.push_back(row);
    log_sphere(row, log);

    first_step = false;
  }
  return spheres;
}

}  // namespace ombrix
