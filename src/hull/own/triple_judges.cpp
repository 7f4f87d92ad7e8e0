#include "hull/own/triple_judges.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <numeric>

namespace ombrix {

PlaneSideTester& TripleJudge::tester() {
  if (!tester_) tester_.emplace(deciders_, largest_);
  return *tester_;
}

void VertexTripleJudge::operator()(size_t i, size_t j, size_t k) {
  if (const std::optional<Plane> plane = accepted_plane(tester(), vertices_[i], vertices_[j], vertices_[k])) {
    accept_(*plane);
  }
}

void VertexTripleJudge::judged(size_t i, size_t j, size_t k, OffPlaneSide side) {
  if (const std::optional<Plane> plane = accepted_plane(side, vertices_[i], vertices_[j], vertices_[k]))
    accept_(*plane);
}

DistinctPositions distinct_positions(std::span<const Vector> vertices) {
  std::vector<std::uint32_t> order(vertices.size());
  std::iota(order.begin(), order.end(), 0u);
  // Equal bits, not equal values: -0 and +0 give differences of either sign of zero, and the
  // sign of a zero reaches the written plane.
  const auto key = [&](std::uint32_t p) {
    return std::make_tuple(std::bit_cast<std::uint32_t>(vertices[p].x), std::bit_cast<std::uint32_t>(vertices[p].y),
                           std::bit_cast<std::uint32_t>(vertices[p].z));
  };
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t p, std::uint32_t q) { return key(p) < key(q); });
  std::vector<std::uint32_t> position_of(vertices.size());
  std::vector<std::uint32_t> first_members;
  for (size_t rank = 0; rank < order.size(); ++rank) {
    if (rank == 0 || key(order[rank]) != key(order[rank - 1])) first_members.push_back(order[rank]);
    position_of[order[rank]] = static_cast<std::uint32_t>(first_members.size() - 1);
  }
  // Number the positions in the order they first occur.
  std::vector<std::uint32_t> by_occurrence(first_members.size());
  std::iota(by_occurrence.begin(), by_occurrence.end(), 0u);
  std::sort(by_occurrence.begin(), by_occurrence.end(),
            [&](std::uint32_t a, std::uint32_t b) { return first_members[a] < first_members[b]; });
  std::vector<std::uint32_t> renumbered(first_members.size());
  for (size_t position = 0; position < by_occurrence.size(); ++position) {
    renumbered[by_occurrence[position]] = static_cast<std::uint32_t>(position);
  }
  DistinctPositions distinct;
  distinct.members.resize(first_members.size());
  for (const std::uint32_t position : by_occurrence) distinct.positions.push_back(vertices[first_members[position]]);
  for (size_t vertex = 0; vertex < vertices.size(); ++vertex) {
    distinct.members[renumbered[position_of[vertex]]].push_back(static_cast<std::uint32_t>(vertex));
  }
  return distinct;
}

PositionTripleJudge::PositionTripleJudge(const DistinctPositions& distinct, double largest)
    : TripleJudge(largest), distinct_(distinct), accepted_by_first_(distinct.positions.size()) {}

template <class Judge>
void PositionTripleJudge::for_each_order(size_t a, size_t b, size_t c, Judge&& judge) {
  const std::array<size_t, 3> positions{a, b, c};
  const auto single = [&](size_t position) { return distinct_.members[position].size() == 1; };
  if (single(a) && single(b) && single(c)) {
    // One vertex each: the one order is that of the vertices, odd when they come inverted an
    // odd number of times.
    const auto vertex = [&](size_t position) { return distinct_.members[position][0]; };
    std::array<size_t, 3> ordered = positions;
    const int inversions = (vertex(a) > vertex(b)) + (vertex(a) > vertex(c)) + (vertex(b) > vertex(c));
    std::sort(ordered.begin(), ordered.end(), [&](size_t p, size_t q) { return vertex(p) < vertex(q); });
    judge(ordered, inversions % 2 == 1);
    return;
  }
  std::array<int, 3> order{0, 1, 2};
  bool odd = false;  // next_permutation's order alternates even and odd permutations by pairs
  int step = 0;
  do {
    odd = step == 1 || step == 2 || step == 5;
    ++step;
    const std::array<size_t, 3> ordered{positions[static_cast<size_t>(order[0])],
                                        positions[static_cast<size_t>(order[1])],
                                        positions[static_cast<size_t>(order[2])]};
    const std::vector<std::uint32_t>& first = distinct_.members[ordered[0]];
    const std::vector<std::uint32_t>& second = distinct_.members[ordered[1]];
    const std::vector<std::uint32_t>& third = distinct_.members[ordered[2]];
    // The order occurs when some vertex of the middle position lies between the first
    // position's first vertex and the third's last.
    const auto middle = std::upper_bound(second.begin(), second.end(), first.front());
    if (middle == second.end() || *middle >= third.back()) continue;
    judge(ordered, odd);
  } while (std::next_permutation(order.begin(), order.end()));
}

void PositionTripleJudge::operator()(size_t a, size_t b, size_t c) {
  for_each_order(a, b, c, [&](const std::array<size_t, 3>& ordered, bool) {
    const std::optional<Plane> plane = accepted_plane(tester(), distinct_.positions[ordered[0]],
                                                      distinct_.positions[ordered[1]], distinct_.positions[ordered[2]]);
    if (plane)
      accepted_by_first_[ordered[0]].push_back(
          {static_cast<std::uint32_t>(ordered[1]), static_cast<std::uint32_t>(ordered[2]), *plane});
  });
}

// An odd order turns the candidate's normal, so the side found for (a, b, c) changes sign.
void PositionTripleJudge::judged(size_t a, size_t b, size_t c, OffPlaneSide side) {
  for_each_order(a, b, c, [&](const std::array<size_t, 3>& ordered, bool odd) {
    OffPlaneSide own = side;
    if (odd && side == OffPlaneSide::kNegative) own = OffPlaneSide::kPositive;
    if (odd && side == OffPlaneSide::kPositive) own = OffPlaneSide::kNegative;
    const std::optional<Plane> plane = accepted_plane(own, distinct_.positions[ordered[0]],
                                                      distinct_.positions[ordered[1]], distinct_.positions[ordered[2]]);
    if (plane)
      accepted_by_first_[ordered[0]].push_back(
          {static_cast<std::uint32_t>(ordered[1]), static_cast<std::uint32_t>(ordered[2]), *plane});
  });
}

// Vertex by vertex, the accepted orders that start at its position give its triples: every
// j after it at the second position and k after j at the third, sorted.
void PositionTripleJudge::hand_on(const PlaneSink& accept) {
  std::vector<std::uint32_t> position_of;
  for (size_t position = 0; position < distinct_.members.size(); ++position) {
    for (const std::uint32_t vertex : distinct_.members[position]) {
      if (vertex >= position_of.size()) position_of.resize(vertex + 1);
      position_of[vertex] = static_cast<std::uint32_t>(position);
    }
  }
  // (j, k, order) packed so that sorting orders by j, then k.
  std::vector<std::uint64_t> later;
  for (std::uint32_t i = 0; i < position_of.size(); ++i) {
    const std::vector<AcceptedOrder>& orders = accepted_by_first_[position_of[i]];
    later.clear();
    for (size_t order = 0; order < orders.size(); ++order) {
      const std::vector<std::uint32_t>& second = distinct_.members[orders[order].second];
      const std::vector<std::uint32_t>& third = distinct_.members[orders[order].third];
      if (second.size() == 1 && third.size() == 1) {  // the common case, without searching
        if (i < second[0] && second[0] < third[0])
          later.push_back(std::uint64_t{second[0]} << 48 | std::uint64_t{third[0]} << 32 | order);
        continue;
      }
      for (auto j = std::upper_bound(second.begin(), second.end(), i); j != second.end(); ++j) {
        for (auto k = std::upper_bound(third.begin(), third.end(), *j); k != third.end(); ++k) {
          later.push_back(std::uint64_t{*j} << 48 | std::uint64_t{*k} << 32 | order);
        }
      }
    }
    std::sort(later.begin(), later.end());
    for (const std::uint64_t triple : later) accept(orders[triple & 0xffffffff].plane);
  }
}

}  // namespace ombrix
