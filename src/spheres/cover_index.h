// The samples of one placement, arranged so that the samples a sphere covers are found without
// testing every sample.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "geometry/bbox.h"
#include "geometry/vector.h"
#include "spheres/sample_hull.h"

namespace ombrix {

// What a sphere covers of the samples left.
struct Cover {
  float score = 0.0f;     // their weights summed in list order, rounded to single precision at each step
  std::size_t count = 0;  // how many they are
};

// A sample list, in its order, with the samples taken out so far. A sample is covered by a
// sphere when point_distance(sample, centre) <= radius, exactly as a scan would test it.
//
// Consecutive samples with the same x and y and a z that does not decrease form a run; within a
// run the covered samples are a stretch found by search, and runs and whole x slabs out of reach
// are passed over. Samples as sample_hull lays them out form long runs; any other order still
// gives the same answers, only more slowly. Once half the samples are taken out they are dropped
// from the runs, so that later searches and sums pass over the samples left only. Memory grows
// with the number of samples.
class CoverIndex {
 public:
  // At most 2^32 - 1 samples.
  explicit CoverIndex(std::span<const SampleSphere> samples);

  // What a sphere at `centre` with `radius` covers of the samples left.
  Cover cover_of(const Vector& centre, float radius) const;

  // Takes out the samples left that the sphere covers and returns how many they were; `taken`
  // becomes the box around their positions (unchanged when there are none).
  std::size_t take_cover(const Vector& centre, float radius, BBox& taken);

  std::size_t left_count() const { return left_count_; }

  // Removes from `samples`, the list this index was built from, the samples taken out.
  void keep_left(std::vector<SampleSphere>& samples) const;

 private:
  struct Run {
    float x = 0.0f;
    float y = 0.0f;
    std::uint32_t begin = 0;  // the run's samples in the list, [begin, end)
    std::uint32_t end = 0;
    float first_z = 0.0f;             // for guessing where a z lies in the run:
    float positions_per_unit = 0.0f;  // samples per unit of z, 0 when all have one z
  };
  struct Slab {
    float x = 0.0f;
    std::uint32_t first_run = 0;  // its runs, [first_run, end_run)
    std::uint32_t end_run = 0;
  };
  // Calls `visit(run, begin, end)` for each stretch of samples, taken out or not, within reach of the
  // sphere, in list order.
  template <typename Visit>
  void for_each_covered_stretch(const Vector& centre, float radius, Visit visit) const;

  // Appends the run of samples [begin, end) at `x` and `y` to the runs (and to the last slab, or a
  // new one at another x).
  void add_run(float x, float y, std::uint32_t begin, std::uint32_t end);

  // Removes the samples taken out from the runs.
  void drop_taken();

  // Where the sample at `k` stands in the list the index was built from.
  std::uint32_t list_position(std::uint32_t k) const;

  // Per sample, in list order, those taken out since the last drop_taken included.
  std::vector<float> z_;
  std::vector<float> weight_;                 // 0 once taken out: adding it leaves a score unchanged
  std::vector<std::uint8_t> left_;            // 1 while the sample is left
  std::vector<std::uint32_t> list_position_;  // where it stands in the list; empty before the first drop
  std::size_t list_size_ = 0;
  std::vector<Run> runs_;
  std::vector<Slab> slabs_;
  std::size_t left_count_ = 0;
};

}  // namespace ombrix
