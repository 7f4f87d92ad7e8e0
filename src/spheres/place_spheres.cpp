#include "spheres/place_spheres.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "spheres/cover_index.h"
#include "spheres/sphere_report.h"
#include "spheres/square_reach.h"

namespace ombrix {

namespace {

// What a candidate covered when it was last scored; its score sits in the position list.
struct CandidateState {
  bool current = false;  // no sample it covered has been taken out since
  bool covers_any = false;
};

// How far `centre` lies outside [low, high], rounded as point_distance rounds a difference: never
// more than its difference from any sample within the range.
double gap(float centre, float low, float high) {
  if (centre < low) return static_cast<double>(low) - centre;
  if (centre > high) return static_cast<double>(centre) - high;
  return 0.0;
}

// False only when no point of `box` can lie within `radius` of `centre` by point_distance.
bool may_reach(const BBox& box, const Vector& centre, float radius) {
  const double x = gap(centre.x, box.min_x, box.max_x);
  const double y = gap(centre.y, box.min_y, box.max_y);
  const double z = gap(centre.z, box.min_z, box.max_z);
  return !((x * x + y * y) + z * z > square_reach(radius));
}

template <typename T>
void erase_at(std::vector<T>& items, std::size_t at) {
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
}

// One step's pass over the candidates, in order: scores those that may still win, removes for
// good those that cover nothing, and returns the position of the best, or none when no candidate
// covers any weight.
std::optional<std::size_t> find_best(std::vector<SpherePosition>& positions, std::vector<CandidateState>& states,
                                     const CoverIndex& index, bool first_step) {
  std::optional<std::size_t> best;
  float best_score = 0.0f;
  // Candidates that cover nothing are squeezed out in the same pass, in order.
  std::size_t kept = 0;
  for (std::size_t p = 0; p < positions.size(); ++p) {
    SpherePosition& candidate = positions[p];
    CandidateState& state = states[p];
    // A stored score only shrinks as samples leave, so one below the best cannot win. (Scores
    // are sums of weights of at least 0, so the first candidate looked at, against a best of
    // 0, is never skipped.) In the first step every score is still the 0 it was laid out with.
    const bool skip = !first_step && best_score > candidate.score;
    if (!skip) {
      // Scoring again what nothing has changed would give the same score.
      if (!state.current) {
        const Cover cover = index.cover_of(candidate.centre, candidate.radius);
        candidate.score = cover.score;
        state = {true, cover.count != 0};
      }
      if (!state.covers_any) continue;
      if (candidate.score > best_score) {
        best = kept;
        best_score = candidate.score;
      }
    }
    positions[kept] = candidate;
    states[kept] = state;
    ++kept;
  }
  positions.resize(kept);
  states.resize(kept);
  return best;
}

// Takes the candidate at `chosen` out of the list and its samples out of `index`, marks for
// scoring again the candidates that may have lost samples to it, and returns its sphere and how
// many samples it took.
std::pair<Sphere, std::size_t> place_candidate(std::vector<SpherePosition>& positions,
                                               std::vector<CandidateState>& states, std::size_t chosen,
                                               CoverIndex& index) {
  const SpherePosition placed = positions[chosen];
  erase_at(positions, chosen);
  erase_at(states, chosen);
  BBox taken;
  const std::size_t covered = index.take_cover(placed.centre, placed.radius, taken);
  for (std::size_t p = 0; p < positions.size(); ++p) {
    CandidateState& state = states[p];
    if (state.current && may_reach(taken, positions[p].centre, positions[p].radius)) state.current = false;
  }
  return {{placed.centre.x, placed.centre.y, placed.centre.z, placed.radius}, covered};
}

}  // namespace

std::vector<Sphere> place_spheres(std::vector<SampleSphere>& samples, std::vector<SpherePosition>& positions,
                                  std::size_t target, const Vector& extents, ResultList& results, Log& log) {
  assert(target >= 1);
  assert(samples.size() <= std::numeric_limits<std::uint32_t>::max());
  assert(std::none_of(samples.begin(), samples.end(), [](const SampleSphere& s) { return s.weight < 0.0f; }));
  log.log_message("Filling Hull with spheres.", Stamp::kStamped);

  CoverIndex index(samples);
  std::vector<CandidateState> states(positions.size());
  SphereReport report(samples.size(), extents);
  std::vector<Sphere> spheres;
  while (spheres.size() < target) {
    const std::optional<std::size_t> best = find_best(positions, states, index, spheres.empty());
    if (!best) break;
    const auto [sphere, covered] = place_candidate(positions, states, *best, index);
    spheres.push_back(sphere);
    report.add(sphere, covered, index.left_count(), results, log);
  }
  index.keep_left(samples);
  return spheres;
}

}  // namespace ombrix
