// What the own hull does with each vertex triple it tries: build the candidate plane, find
// its side, and hand on the accepted planes in the order of the triples.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "geometry/plane.h"
#include "geometry/vector.h"
#include "hull/own/plane_side.h"

namespace ombrix {

using PlaneSink = std::function<void(const Plane&)>;

// Judges triples of the points a search runs over.
class TripleJudge {
 public:
  virtual ~TripleJudge() = default;
  // The vertices that can decide a side, given before the first triple: a search may leave out
  // vertices that never decide one. The span must outlive the judging.
  void set_deciders(std::span<const Vector> deciders) { deciders_ = deciders; }
  virtual void operator()(size_t i, size_t j, size_t k) = 0;
  // The same with the side of the candidate of (i, j), k in that order already known.
  virtual void judged(size_t i, size_t j, size_t k, OffPlaneSide side) = 0;

 protected:
  explicit TripleJudge(double largest) : largest_(largest) {}
  PlaneSideTester& tester();

 private:
  std::span<const Vector> deciders_;
  double largest_;
  std::optional<PlaneSideTester> tester_;  // made on the first triple
};

// Triples of the model's own vertices, tried in lexicographic order: each accepted plane is
// handed on at once.
class VertexTripleJudge final : public TripleJudge {
 public:
  VertexTripleJudge(std::span<const Vector> vertices, double largest, const PlaneSink& accept)
      : TripleJudge(largest), vertices_(vertices), accept_(accept) {}
  void operator()(size_t i, size_t j, size_t k) override;
  void judged(size_t i, size_t j, size_t k, OffPlaneSide side) override;

 private:
  std::span<const Vector> vertices_;
  const PlaneSink& accept_;
};

// The model's distinct positions, each with the vertices at it. A triple with two vertices at
// one position is degenerate (their difference is exactly zero), so only triples of distinct
// positions need trying.
struct DistinctPositions {
  std::vector<Vector> positions;                    // in the order they first occur
  std::vector<std::vector<std::uint32_t>> members;  // per position, its vertices in ascending order
};

DistinctPositions distinct_positions(std::span<const Vector> vertices);

// Triples of distinct positions, tried in any order: the vertex triples of three positions give
// one candidate for each order in which the positions come, so each order is judged once and,
// when accepted, recorded for all its vertex triples. hand_on then gives every accepted plane in
// the lexicographic order of the vertex triples.
class PositionTripleJudge final : public TripleJudge {
 public:
  PositionTripleJudge(const DistinctPositions& distinct, double largest);
  void operator()(size_t a, size_t b, size_t c) override;
  void judged(size_t a, size_t b, size_t c, OffPlaneSide side) override;
  void hand_on(const PlaneSink& accept);

 private:
  // An accepted order: the positions of the first, second and third vertex, and its plane.
  struct AcceptedOrder {
    std::uint32_t second = 0;
    std::uint32_t third = 0;
    Plane plane;
  };
  // Calls judge(order, odd) for each order (positions of a, b, c first to last, `odd` when it is
  // an odd permutation of them) in which their vertices occur.
  template <class Judge>
  void for_each_order(size_t a, size_t b, size_t c, Judge&& judge);

  const DistinctPositions& distinct_;
  std::vector<std::vector<AcceptedOrder>> accepted_by_first_;  // per position
};

}  // namespace ombrix
