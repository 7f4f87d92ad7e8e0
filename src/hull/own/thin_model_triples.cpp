#include "hull/own/thin_model_triples.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>

#include "hull/own/box_frame.h"
#include "hull/own/rounding_margins.h"

namespace ombrix {

namespace {

// Above this many triples (counted or estimated) the bound prunes too little to pay.
constexpr double kMostTriples = 0x1p27;
// Triples held at once: more are listed again in later passes, each taking the next indices.
constexpr size_t kHeldTriples = size_t{1} << 24;
// Pairs sampled to estimate how many triples a plane's strips hold.
constexpr size_t kSampledPairs = 4096;
// Packing allows 16 bits per index.
constexpr size_t kMostPoints = size_t{1} << 16;
// The frame's axes must be this close to orthonormal for in-frame distances to bound true ones.
constexpr double kAxisSkew = 0x1p-30;

using Coordinates = std::array<double, 3>;
// A triple i < j < k as (i << 32) | (j << 16) | k: sorting packed triples sorts them
// lexicographically.
using PackedTriple = std::uint64_t;
constexpr PackedTriple kLastTwo = 0xffffffff;
// Lists triples, each at least once, in no particular order.
using TripleSource = std::function<void(const std::function<void(PackedTriple)>& emit)>;

PackedTriple pack(size_t i, size_t j, size_t k) {
  std::array<size_t, 3> sorted{i, j, k};
  std::sort(sorted.begin(), sorted.end());
  return static_cast<PackedTriple>(sorted[0]) << 32 | static_cast<PackedTriple>(sorted[1]) << 16 | sorted[2];
}

// The points in their principal frame, axes ordered from the longest extent to the thinnest:
// point p is origin + sum(t[k] * axes[k]) + r with |r| at most `residual`.
struct ThinFrame {
  std::vector<Coordinates> t;
  Coordinates low{};
  Coordinates high{};
  double residual = 0.0;
  double skew = 0.0;  // how far the axes are from unit length and from right angles
};

ThinFrame thin_frame(std::span<const Vector> points) {
  const BoxFrame frame = principal_frame(points);
  ThinFrame thin;
  thin.residual = frame.residual;
  std::vector<Coordinates> unordered;
  unordered.reserve(points.size());
  for (const Vector& point : points) unordered.push_back(frame_coordinates(frame, point));
  Coordinates low = unordered[0];
  Coordinates high = unordered[0];
  for (const Coordinates& t : unordered) {
    for (int k = 0; k < 3; ++k) {
      low[k] = std::min(low[k], t[k]);
      high[k] = std::max(high[k], t[k]);
    }
  }
  std::array<int, 3> order{0, 1, 2};
  std::sort(order.begin(), order.end(),
            [&](int left, int right) { return high[left] - low[left] > high[right] - low[right]; });
  for (int k = 0; k < 3; ++k) {
    thin.low[k] = low[order[k]];
    thin.high[k] = high[order[k]];
  }
  thin.t.reserve(points.size());
  for (const Coordinates& t : unordered) thin.t.push_back({t[order[0]], t[order[1]], t[order[2]]});
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const auto& u = frame.axes[row];
      const auto& v = frame.axes[column];
      const double product = (u[0] * v[0] + u[1] * v[1]) + u[2] * v[2];
      thin.skew = std::max(thin.skew, std::fabs(product - (row == column ? 1.0 : 0.0)));
    }
  }
  return thin;
}

double extent(const ThinFrame& frame, int axis) { return frame.high[axis] - frame.low[axis]; }

// The rounding bounds every bound below works with, for one model.
struct Margins {
  double vertex = 0.0;  // how far a candidate's own vertices lie from it
  double value = 0.0;   // how far a computed plane value lies from the exact one
  // What is left of the tolerance once a vertex off the candidate has paid for them.
  double room(double spent) const { return kOnPlaneTolerance - value - vertex - spent * (1.0 + kNormalLengthError); }
};

// Along a line: with every vertex within r of it, a candidate whose normal n has a vertex off it
// must have n·e (e along the line) of at least (0.5 - rounding - 2r) / L, L the line's extent,
// while |n·(p_j - p_i)| <= 2 * vertex rounding + 2r: so each two of the triple's vertices lie
// closer along the line than (2 * vertex rounding + 2r) * L / (0.5 - rounding - 2r).
std::optional<TripleSource> triples_along_a_line(const ThinFrame& frame, const Margins& margins) {
  const double centre_middle = 0.5 * (frame.low[1] + frame.high[1]);
  const double centre_thin = 0.5 * (frame.low[2] + frame.high[2]);
  double off_line = 0.0;
  for (const Coordinates& t : frame.t) {
    off_line = std::max(off_line, std::fabs(t[1] - centre_middle) + std::fabs(t[2] - centre_thin));
  }
  off_line = off_line * (1.0 + 2.0 * frame.skew) + frame.residual;
  const double room = margins.room(2.0 * off_line);
  if (!(room > 0.0)) return std::nullopt;
  const double stretch =
      (2.0 * margins.vertex + 2.0 * off_line * (1.0 + kNormalLengthError)) * extent(frame, 0) / room * (1.0 + 0x1p-40);

  auto by_length = std::make_shared<std::vector<std::uint32_t>>(frame.t.size());
  std::iota(by_length->begin(), by_length->end(), 0u);
  std::sort(by_length->begin(), by_length->end(),
            [&](std::uint32_t p, std::uint32_t q) { return frame.t[p][0] < frame.t[q][0]; });
  // The window of vertices within the stretch after each, along the line.
  auto window_end = std::make_shared<std::vector<std::uint32_t>>(frame.t.size());
  double count = 0.0;
  for (size_t first = 0, end = 0; first < by_length->size(); ++first) {
    end = std::max(end, first + 1);
    while (end < by_length->size() && frame.t[(*by_length)[end]][0] - frame.t[(*by_length)[first]][0] <= stretch) ++end;
    (*window_end)[first] = static_cast<std::uint32_t>(end);
    const double others = static_cast<double>(end - first - 1);
    count += 0.5 * others * (others - 1.0);
  }
  if (count > kMostTriples) return std::nullopt;
  // Each triple is found from its first vertex along the line, with the other two within the
  // stretch after it.
  return [by_length, window_end](const std::function<void(PackedTriple)>& emit) {
    const std::vector<std::uint32_t>& order = *by_length;
    for (size_t first = 0; first < order.size(); ++first) {
      for (size_t second = first + 1; second < (*window_end)[first]; ++second) {
        for (size_t third = second + 1; third < (*window_end)[first]; ++third)
          emit(pack(order[first], order[second], order[third]));
      }
    }
  };
}

// Points bucketed in a grid over their first two frame coordinates.
class PlaneGrid {
 public:
  // `slack`: how far beyond its segment's ends a point may be looked for.
  PlaneGrid(const ThinFrame& frame, double cell, double slack) : frame_(frame), cell_(cell), slack_(slack) {
    columns_ = static_cast<size_t>(extent(frame, 0) / cell) + 1;
    rows_ = static_cast<size_t>(extent(frame, 1) / cell) + 1;
    starts_.assign(columns_ * rows_ + 1, 0);
    for (const Coordinates& t : frame.t) ++starts_[cell_of(t) + 1];
    std::partial_sum(starts_.begin(), starts_.end(), starts_.begin());
    members_.resize(frame.t.size());
    std::vector<size_t> next(starts_.begin(), starts_.end() - 1);
    for (size_t p = 0; p < frame.t.size(); ++p) members_[next[cell_of(frame.t[p])]++] = static_cast<std::uint32_t>(p);
  }

  // Calls visit(p) for every point in the cells that meet the band of half-width `reach` around
  // the segment from a to b (in the first two frame coordinates), and maybe a few more.
  template <class Visit>
  void for_each_near_segment(const Coordinates& a, const Coordinates& b, double reach, Visit&& visit) const {
    const bool along_x = std::fabs(b[0] - a[0]) >= std::fabs(b[1] - a[1]);
    const int major = along_x ? 0 : 1;
    const int minor = along_x ? 1 : 0;
    const Coordinates& from = a[major] <= b[major] ? a : b;
    const Coordinates& to = a[major] <= b[major] ? b : a;
    // Within a step of the major axis the segment moves at most as far along the minor one; the
    // band's half-width measured along the minor axis is at most reach * sqrt(2).
    const double slope = to[major] > from[major] ? (to[minor] - from[minor]) / (to[major] - from[major]) : 0.0;
    const double widen = reach * 1.5 + slack_;
    const size_t first = index(from[major] - widen, major);
    const size_t last = index(to[major] + widen, major);
    for (size_t step = first; step <= last; ++step) {
      const double start = std::max(low(major) + static_cast<double>(step) * cell_, from[major]);
      const double end = std::min(low(major) + static_cast<double>(step + 1) * cell_, to[major]);
      const double at_start = from[minor] + slope * (std::min(start, end) - from[major]);
      const double at_end = from[minor] + slope * (std::max(start, end) - from[major]);
      const size_t lowest = index(std::min(at_start, at_end) - widen, minor);
      const size_t highest = index(std::max(at_start, at_end) + widen, minor);
      for (size_t across = lowest; across <= highest; ++across) {
        const size_t cell = along_x ? step * rows_ + across : across * rows_ + step;
        for (size_t m = starts_[cell]; m < starts_[cell + 1]; ++m) visit(members_[m]);
      }
    }
  }

 private:
  double low(int axis) const { return frame_.low[axis]; }
  size_t index(double coordinate, int axis) const {
    const double steps = std::floor((coordinate - low(axis)) / cell_);
    const size_t count = axis == 0 ? columns_ : rows_;
    if (!(steps > 0.0)) return 0;
    return std::min(count - 1, static_cast<size_t>(steps));
  }
  size_t cell_of(const Coordinates& t) const { return index(t[0], 0) * rows_ + index(t[1], 1); }

  const ThinFrame& frame_;
  double cell_;
  double slack_;
  size_t columns_ = 0;
  size_t rows_ = 0;
  std::vector<size_t> starts_;
  std::vector<std::uint32_t> members_;
};

double squared_distance(const Coordinates& p, const Coordinates& q) {
  const double dx = q[0] - p[0];
  const double dy = q[1] - p[1];
  return dx * dx + dy * dy;
}

// In a plane: with every vertex within t/2 of it and the model's diameter D, a candidate with a
// vertex off it has a normal whose part along the plane is at least (0.5 - rounding - t) / D
// long, while that part times each in-plane difference of the triple's vertices stays within
// 2 * vertex rounding + t: so the three lie in a strip of the plane of half-width w =
// (2 * vertex rounding + t) * D / (0.5 - rounding - t), and the third lies within 2w of the
// line through the two farthest apart.
std::optional<TripleSource> triples_across_a_plane(const ThinFrame& frame, const Margins& margins) {
  if (frame.skew > kAxisSkew) return std::nullopt;
  const double thickness = extent(frame, 2) * (1.0 + 2.0 * frame.skew) + 2.0 * frame.residual;
  const double room = margins.room(thickness);
  if (!(room > 0.0)) return std::nullopt;
  const double diameter =
      std::sqrt(extent(frame, 0) * extent(frame, 0) + extent(frame, 1) * extent(frame, 1) + thickness * thickness) *
          (1.0 + 0x1p-40) +
      2.0 * frame.residual;
  const double strip = (2.0 * margins.vertex + thickness * (1.0 + kNormalLengthError)) * diameter / room;
  // In-frame distances stand for true ones up to the skew, the thin axis's lean out of the
  // plane of the other two and the residual of both points; the altitude is twice the strip.
  const double band =
      2.0 * (strip + 2.0 * frame.residual + 4.0 * frame.skew * extent(frame, 2)) * (1.0 + 4.0 * frame.skew) +
      0x1p-40 * diameter;
  const double width = std::max(extent(frame, 0), extent(frame, 1));
  if (band > width / 8.0) return std::nullopt;

  const double cell = std::max({band, width / std::sqrt(static_cast<double>(frame.t.size())), 0x1p-40 * diameter});
  // Lengths and areas are compared with room for their rounding; a point that is no farther
  // from either end than the segment is long, with that room, lies at most its root beyond them.
  const double slack = 0x1p-40 * diameter * diameter;
  auto grid = std::make_shared<PlaneGrid>(frame, cell, std::sqrt(slack));
  const std::vector<Coordinates>& t = frame.t;
  const auto third_vertices = [&t, grid, band, slack](size_t a, size_t b, const auto& found) {
    const double longest = squared_distance(t[a], t[b]);
    const double length = std::sqrt(longest);
    grid->for_each_near_segment(t[a], t[b], band, [&](std::uint32_t c) {
      if (c == a || c == b) return;
      // Found from a longest side of the triple: the others are no longer.
      if (squared_distance(t[a], t[c]) > longest + slack || squared_distance(t[b], t[c]) > longest + slack) return;
      const double twice_area =
          std::fabs((t[b][0] - t[a][0]) * (t[c][1] - t[a][1]) - (t[b][1] - t[a][1]) * (t[c][0] - t[a][0]));
      if (twice_area > band * length * (1.0 + 0x1p-40) + slack) return;
      found(c);
    });
  };

  // Pairs at evenly spread positions of the pair list estimate the triples.
  const double pairs = 0.5 * static_cast<double>(t.size()) * static_cast<double>(t.size() - 1);
  double found = 0.0;
  const size_t samples = static_cast<size_t>(std::min(pairs, static_cast<double>(kSampledPairs)));
  for (size_t sample = 0; sample < samples; ++sample) {
    const size_t a = (sample * 7919) % t.size();
    const size_t b = (a + 1 + (sample * 104729) % (t.size() - 1)) % t.size();
    third_vertices(a, b, [&](std::uint32_t) { found += 1.0; });
  }
  if (found / static_cast<double>(samples) * pairs > kMostTriples) return std::nullopt;

  return [&t, third_vertices](const std::function<void(PackedTriple)>& emit) {
    for (size_t a = 0; a < t.size(); ++a) {
      for (size_t b = a + 1; b < t.size(); ++b) third_vertices(a, b, [&](std::uint32_t c) { emit(pack(a, b, c)); });
    }
  };
}

}  // namespace

bool for_each_thin_model_triple(std::span<const Vector> points, double largest, const TripleVisit& visit) {
  if (points.size() < 3 || points.size() >= kMostPoints) return false;
  const ThinFrame frame = thin_frame(points);
  if (!std::isfinite(frame.residual)) return false;
  const Margins margins{defining_vertex_error(largest), plane_value_error(largest)};
  std::optional<TripleSource> source = triples_along_a_line(frame, margins);
  if (!source) source = triples_across_a_plane(frame, margins);
  if (!source) return false;

  // One pass counts the triples by first index; each further pass lists those of as many
  // consecutive first indices as can be held at once, kept as their second and third index.
  const size_t n = points.size();
  std::vector<size_t> starts(n + 1, 0);
  (*source)([&](PackedTriple triple) { ++starts[(triple >> 32) + 1]; });
  std::partial_sum(starts.begin(), starts.end(), starts.begin());
  std::vector<std::uint32_t> held;
  std::vector<size_t> filled(n);
  for (size_t first = 0; first < n;) {
    size_t next = first + 1;
    while (next < n && starts[next + 1] - starts[first] <= kHeldTriples) ++next;
    held.resize(starts[next] - starts[first]);
    for (size_t i = first; i < next; ++i) filled[i] = starts[i] - starts[first];
    (*source)([&](PackedTriple triple) {
      const size_t i = static_cast<size_t>(triple >> 32);
      if (i >= first && i < next) held[filled[i]++] = static_cast<std::uint32_t>(triple & kLastTwo);
    });
    for (size_t i = first; i < next; ++i) {
      const auto begin = held.begin() + static_cast<std::ptrdiff_t>(starts[i] - starts[first]);
      const auto end = held.begin() + static_cast<std::ptrdiff_t>(filled[i]);
      std::sort(begin, end);
      const auto distinct_end = std::unique(begin, end);
      for (auto later = begin; later != distinct_end; ++later) visit(i, *later >> 16, *later & 0xffff);
    }
    first = next;
  }
  return true;
}

}  // namespace ombrix
