#include "hull/own/box_frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ombrix {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

std::array<double, 3> offset_from(const std::array<double, 3>& origin, const Vector& point) {
  return {point.x - origin[0], point.y - origin[1], point.z - origin[2]};
}

double dot3(const std::array<double, 3>& u, const std::array<double, 3>& v) {
  return (u[0] * v[0] + u[1] * v[1]) + u[2] * v[2];
}

// Jacobi rotations converge quadratically: on a 3 x 3 matrix about six sweeps reach the
// rounding floor, twelve leave room for badly scaled covariances at a negligible cost.
constexpr int kJacobiSweeps = 12;
// An off-diagonal element this small (or not a number) is taken as zero: the rotation angle
// divides by it, and so small a coupling no longer moves the axes.
constexpr double kNegligibleCoupling = 1e-300;

// Eigenvectors of a symmetric 3 x 3 matrix by Jacobi rotations, as the rows of the result.
// Their accuracy only decides how tight the boxes are, never whether a bound holds: the frame's
// residual is measured on the axes as they come out.
Matrix eigenvectors(Matrix m) {
  Matrix v{{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}};
  for (int sweep = 0; sweep < kJacobiSweeps; ++sweep) {
    for (const auto& [p, q] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}}) {
      if (!(std::fabs(m[p][q]) > kNegligibleCoupling)) continue;
      const double theta = (m[q][q] - m[p][p]) / (2.0 * m[p][q]);
      const double t = (theta >= 0.0 ? 1.0 : -1.0) / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
      const double c = 1.0 / std::sqrt(t * t + 1.0);
      const double s = t * c;
      for (int k = 0; k < 3; ++k) {  // m = m * J, then m = J^T * m, v = v * J
        const double mkp = m[k][p];
        const double mkq = m[k][q];
        m[k][p] = c * mkp - s * mkq;
        m[k][q] = s * mkp + c * mkq;
      }
      for (int k = 0; k < 3; ++k) {
        const double mpk = m[p][k];
        const double mqk = m[q][k];
        m[p][k] = c * mpk - s * mqk;
        m[q][k] = s * mpk + c * mqk;
      }
      for (int k = 0; k < 3; ++k) {
        const double vkp = v[k][p];
        const double vkq = v[k][q];
        v[k][p] = c * vkp - s * vkq;
        v[k][q] = s * vkp + c * vkq;
      }
    }
  }
  Matrix rows;
  for (int axis = 0; axis < 3; ++axis) {
    const std::array<double, 3> column{v[0][axis], v[1][axis], v[2][axis]};
    const double length = std::sqrt(dot3(column, column));
    for (int k = 0; k < 3; ++k) rows[axis][k] = column[k] / length;
  }
  return rows;
}

double thinnest_extent(const BoxFrame& frame, std::span<const Vector> points) {
  std::array<double, 3> low;
  std::array<double, 3> high;
  low.fill(std::numeric_limits<double>::infinity());
  high.fill(-std::numeric_limits<double>::infinity());
  for (const Vector& point : points) {
    const std::array<double, 3> t = frame_coordinates(frame, point);
    for (int k = 0; k < 3; ++k) {
      low[k] = std::min(low[k], t[k]);
      high[k] = std::max(high[k], t[k]);
    }
  }
  return std::min({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
}

}  // namespace

BoxFrame principal_frame(std::span<const Vector> points) {
  BoxFrame frame;
  for (const Vector& point : points) {
    frame.origin[0] += point.x;
    frame.origin[1] += point.y;
    frame.origin[2] += point.z;
  }
  for (double& coordinate : frame.origin) coordinate /= static_cast<double>(points.size());
  Matrix covariance{};
  for (const Vector& point : points) {
    const std::array<double, 3> offset = offset_from(frame.origin, point);
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) covariance[row][column] += offset[row] * offset[column];
    }
  }
  frame.axes = eigenvectors(covariance);

  // The exact residual of each point differs from the one computed here by a few roundings
  // of its offset's size; 2^-40 of the largest offset covers them.
  double largest_residual = 0.0;
  double largest_offset = 0.0;
  for (const Vector& point : points) {
    const std::array<double, 3> offset = offset_from(frame.origin, point);
    const std::array<double, 3> t = frame_coordinates(frame, point);
    std::array<double, 3> rest = offset;
    for (int axis = 0; axis < 3; ++axis) {
      for (int k = 0; k < 3; ++k) rest[k] -= t[axis] * frame.axes[axis][k];
    }
    largest_residual = std::max(largest_residual, std::sqrt(dot3(rest, rest)));
    largest_offset = std::max(largest_offset, std::sqrt(dot3(offset, offset)));
  }
  frame.residual = largest_residual + 0x1p-40 * (largest_offset + 1.0);
  return frame;
}

std::array<double, 3> frame_coordinates(const BoxFrame& frame, const Vector& point) {
  const std::array<double, 3> offset = offset_from(frame.origin, point);
  return {dot3(frame.axes[0], offset), dot3(frame.axes[1], offset), dot3(frame.axes[2], offset)};
}

BoxFrame choose_box_frame(std::span<const Vector> points) {
  const BoxFrame axes;
  if (points.size() < 3) return axes;
  const BoxFrame principal = principal_frame(points);
  if (!std::isfinite(principal.residual)) return axes;
  return thinnest_extent(principal, points) < 0.5 * thinnest_extent(axes, points) ? principal : axes;
}

}  // namespace ombrix
