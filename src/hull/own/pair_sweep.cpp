#include "hull/own/pair_sweep.h"

#include <algorithm>
#include <cmath>

#include "hull/own/rounding_margins.h"

namespace ombrix {

namespace {

using Point3 = std::array<double, 3>;

Point3 difference(const Vector& point, const Point3& origin) {
  return {point.x - origin[0], point.y - origin[1], point.z - origin[2]};
}

double dot3(const Point3& u, const Point3& v) { return (u[0] * v[0] + u[1] * v[1]) + u[2] * v[2]; }

Point3 cross3(const Point3& u, const Point3& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

Point3 unit(const Point3& v) {
  const double length = std::sqrt(dot3(v, v));
  return {v[0] / length, v[1] / length, v[2] / length};
}

}  // namespace

PairSweep::PairSweep(std::span<const Vector> deciders, double largest)
    : deciders_(deciders), vertex_error_(defining_vertex_error(largest)), value_error_(plane_value_error(largest)) {}

inline PairSweep::Point2 PairSweep::seen_along_line(const Vector& point, double& along) const {
  const Point3 offset = difference(point, origin_);
  along = dot3(offset, axis_);
  return {dot3(offset, across_[0]), dot3(offset, across_[1])};
}

void PairSweep::start(const Vector& p, const Vector& q) {
  origin_ = {p.x, p.y, p.z};
  const Point3 pq = difference(q, origin_);
  length_ = std::sqrt(dot3(pq, pq));
  outline_.clear();
  outline_x_.clear();
  outline_y_.clear();
  // Too short a pair for its candidates' normals to be pinned across the line: see side_of.
  if (!(length_ > 8.0 * vertex_error_)) return;
  axis_ = unit(pq);
  int least = 0;
  for (int k = 1; k < 3; ++k) {
    if (std::fabs(axis_[k]) < std::fabs(axis_[least])) least = k;
  }
  Point3 helper{0.0, 0.0, 0.0};
  helper[least] = 1.0;
  across_[0] = unit(cross3(axis_, helper));
  across_[1] = cross3(axis_, across_[0]);

  seen_.clear();
  farthest_along_ = 0.0;
  farthest_across_ = 0.0;
  for (const Vector& decider : deciders_) {
    double along = 0.0;
    const Point2 seen = seen_along_line(decider, along);
    farthest_along_ = std::max(farthest_along_, std::fabs(along));
    farthest_across_ = std::max(farthest_across_, seen[0] * seen[0] + seen[1] * seen[1]);
    seen_.push_back(seen);
  }
  farthest_across_ = std::sqrt(farthest_across_);
  // The outline by Andrew's monotone chain, dropping a point only where it turns clearly inward,
  // so that rounding never drops a point of the true outline: the points kept bound every
  // decider's value along any direction.
  std::sort(seen_.begin(), seen_.end());
  const double inward = 0x1p-40 * farthest_across_ * farthest_across_;
  const auto turns_inward = [&](const Point2& a, const Point2& b, const Point2& c) {
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]) < -inward;
  };
  for (int pass = 0; pass < 2; ++pass) {
    const size_t chain_start = outline_.size();
    for (const Point2& point : seen_) {
      while (outline_.size() >= chain_start + 2 &&
             turns_inward(outline_[outline_.size() - 2], outline_.back(), point)) {
        outline_.pop_back();
      }
      outline_.push_back(point);
    }
    std::reverse(seen_.begin(), seen_.end());
  }
  outline_x_.clear();
  outline_y_.clear();
  for (const Point2& point : outline_) {
    outline_x_.push_back(point[0]);
    outline_y_.push_back(point[1]);
  }
}

// The candidate's normal n has |n| within rounding of 1 and passes within the vertex error e of
// p, q and r, so its part along the line is at most 2e / |pq| and its part across the line is
// square to r's offset up to an angle whose sine is at most 2e (1 + |r along| / |pq|) / (|n
// across| * r's distance from the line); by the right-hand rule it points to the left of r's
// offset, seen along the line. A decider's value is then its value along that unit direction
// times |n across|, up to those two terms times the decider's reach along and across, plus the
// errors of p's value and of plane_value.
std::optional<OffPlaneSide> PairSweep::side_of(const Vector& r) const {
  if (outline_x_.empty()) return std::nullopt;
  double along = 0.0;
  const Point2 seen = seen_along_line(r, along);
  const double squared = seen[0] * seen[0] + seen[1] * seen[1];
  // Values along the direction to the left of r's offset, each times r's distance.
  double highest = -INFINITY;
  double lowest = INFINITY;
  const size_t count = outline_x_.size();
  const double* xs = outline_x_.data();
  const double* ys = outline_y_.data();
  for (size_t point = 0; point < count; ++point) {
    const double value = seen[0] * ys[point] - seen[1] * xs[point];
    highest = value > highest ? value : highest;
    lowest = value < lowest ? value : lowest;
  }
  const double distance = std::sqrt(squared);
  highest /= distance;
  lowest /= distance;
  // Where rounding can tilt the normal along the line by more than a little (a short pair, or
  // coordinates so large that rounding dwarfs it), nothing is settled.
  const double shortest = 1.0 - kNormalLengthError - 2.0 * vertex_error_ / length_;
  if (!(shortest > 0.5)) return std::nullopt;
  const double longest = 1.0 + kNormalLengthError;
  const double sine = 2.0 * vertex_error_ * (1.0 + std::fabs(along) / length_) / (shortest * distance);
  if (!(sine < 0.5)) return std::nullopt;
  // The frame's own rounding moves a value by far less than 2^-40 of the reach.
  const double slack = 2.0 * vertex_error_ * farthest_along_ / length_ + 1.6 * sine * farthest_across_ + vertex_error_ +
                       value_error_ + 0x1p-40 * (farthest_along_ + farthest_across_);
  // The extremes of |n across| times a value, for either sign of the value.
  const auto least = [&](double value) { return (value >= 0.0 ? shortest : longest) * value - slack; };
  const auto most = [&](double value) { return (value >= 0.0 ? longest : shortest) * value + slack; };
  const bool surely_positive = least(highest) > kOnPlaneTolerance;
  const bool surely_negative = most(lowest) < -kOnPlaneTolerance;
  const bool none_positive = most(highest) <= kOnPlaneTolerance;
  const bool none_negative = least(lowest) >= -kOnPlaneTolerance;
  if (surely_positive && surely_negative) return OffPlaneSide::kNeither;
  if (none_positive && none_negative) return OffPlaneSide::kNeither;
  if (surely_positive && none_negative) return OffPlaneSide::kPositive;
  if (surely_negative && none_positive) return OffPlaneSide::kNegative;
  return std::nullopt;
}

}  // namespace ombrix
