#include "hull/solid/chebyshev_centre.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace ombrix {

namespace {

// The problem: maximise the depth t over (x, y, z, t) with row·(x, y, z, t) <= bound for every
// plane, where row = (normal, 1) and bound = -offset. It is solved through its dual (minimise
// bound·w over w >= 0 with the rows weighted by w summing to (0, 0, 0, 1)), whose bases have
// only four rows, so a step costs one pass over the planes.
using Vector4 = std::array<double, 4>;
using Matrix4 = std::array<Vector4, 4>;

constexpr double kPivotTolerance = 1e-9;
constexpr double kOptimalityTolerance = 1e-10;  // of the problem scaled to offsets within 1

double dot4(const Vector4& u, const Vector4& v) { return ((u[0] * v[0] + u[1] * v[1]) + u[2] * v[2]) + u[3] * v[3]; }

// Solves m·x = rhs by elimination with partial pivoting; false when m is singular.
bool solve(Matrix4 m, Vector4 rhs, Vector4& x) {
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row) {
      if (std::fabs(m[row][column]) > std::fabs(m[pivot][column])) pivot = row;
    }
    if (std::fabs(m[pivot][column]) < 1e-14) return false;
    std::swap(m[pivot], m[column]);
    std::swap(rhs[pivot], rhs[column]);
    for (int row = column + 1; row < 4; ++row) {
      const double factor = m[row][column] / m[column][column];
      for (int k = column; k < 4; ++k) m[row][k] -= factor * m[column][k];
      rhs[row] -= factor * rhs[column];
    }
  }
  for (int row = 3; row >= 0; --row) {
    double sum = rhs[row];
    for (int k = row + 1; k < 4; ++k) sum -= m[row][k] * x[k];
    x[row] = sum / m[row][row];
  }
  return true;
}

class DepthProgram {
 public:
  DepthProgram(std::span<const FacetPlane> planes, double reach, double scale) {
    rows_.reserve(planes.size() + 6);
    bounds_.reserve(planes.size() + 6);
    for (const FacetPlane& plane : planes) add_row({plane.x, plane.y, plane.z, 1.0}, -plane.offset / scale);
    for (int axis = 0; axis < 3; ++axis) {
      for (const double sign : {1.0, -1.0}) {
        Vector4 row{0.0, 0.0, 0.0, 1.0};
        row[static_cast<size_t>(axis)] = sign;
        add_row(row, reach / scale);
      }
    }
  }

  // The optimum (x, y, z, t) in scaled units, or false.
  bool solve_for(Vector4& optimum) const {
    // Opposite faces of the cube with two more of its faces: a feasible start, weights 1/2, 1/2, 0, 0.
    const size_t cube = rows_.size() - 6;
    std::array<size_t, 4> basis{cube, cube + 1, cube + 2, cube + 4};
    const size_t step_limit = 200 + 50 * rows_.size();
    // Dantzig's choice is fast; Bland's, taken after many steps, cannot cycle on degenerate bases.
    const size_t bland_after = 100 + 10 * rows_.size();
    for (size_t step = 0; step < step_limit; ++step) {
      Matrix4 columns{};
      Matrix4 transposed{};
      Vector4 basis_bounds{};
      for (size_t k = 0; k < 4; ++k) {
        transposed[k] = rows_[basis[k]];
        basis_bounds[k] = bounds_[basis[k]];
        for (size_t r = 0; r < 4; ++r) columns[r][k] = rows_[basis[k]][r];
      }
      Vector4 weights{};
      Vector4 point{};
      if (!solve(columns, {0.0, 0.0, 0.0, 1.0}, weights) || !solve(transposed, basis_bounds, point)) return false;

      const bool bland = step >= bland_after;
      size_t entering = rows_.size();
      double most_violated = -kOptimalityTolerance * (1.0 + std::fabs(point[3]));
      for (size_t j = 0; j < rows_.size(); ++j) {
        const double slack = bounds_[j] - dot4(rows_[j], point);
        if (slack < most_violated && std::find(basis.begin(), basis.end(), j) == basis.end()) {
          entering = j;
          if (bland) break;
          most_violated = slack;
        }
      }
      if (entering == rows_.size()) {
        optimum = point;
        return true;
      }

      Vector4 direction{};
      if (!solve(columns, rows_[entering], direction)) return false;
      size_t leaving = 4;
      double best_ratio = 0.0;
      for (size_t k = 0; k < 4; ++k) {
        if (direction[k] <= kPivotTolerance) continue;
        const double ratio = std::max(weights[k], 0.0) / direction[k];
        const bool better =
            leaving == 4 || ratio < best_ratio ||
            (ratio == best_ratio && (bland ? basis[k] < basis[leaving] : direction[k] > direction[leaving]));
        if (better) {
          leaving = k;
          best_ratio = ratio;
        }
      }
      if (leaving == 4) return false;  // the planes admit no deepest point: only through rounding
      basis[leaving] = entering;
    }
    return false;
  }

 private:
  void add_row(const Vector4& row, double bound) {
    rows_.push_back(row);
    bounds_.push_back(bound);
  }

  std::vector<Vector4> rows_;
  std::vector<double> bounds_;
};

}  // namespace

std::optional<DeepestPoint> chebyshev_centre(std::span<const FacetPlane> planes, double reach) {
  if (!std::isfinite(reach) || reach <= 0.0) return std::nullopt;
  // Scaled so that the planes' offsets lie within 1: the tolerances are then relative to them.
  double scale = 0.0;
  for (const FacetPlane& plane : planes) {
    if (!std::isfinite(plane.x) || !std::isfinite(plane.y) || !std::isfinite(plane.z) || !std::isfinite(plane.offset)) {
      return std::nullopt;
    }
    scale = std::max(scale, std::fabs(plane.offset));
  }
  if (scale == 0.0) scale = reach;
  Vector4 optimum{};
  if (!DepthProgram(planes, reach, scale).solve_for(optimum)) return std::nullopt;
  return DeepestPoint{optimum[0] * scale, optimum[1] * scale, optimum[2] * scale, optimum[3] * scale};
}

}  // namespace ombrix
