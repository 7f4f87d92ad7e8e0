#include "hull/budget/drop_planes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

namespace ombrix {

namespace {

constexpr int kCapLabel = -2;

FacetPlane reversed(const FacetPlane& plane) { return {-plane.x, -plane.y, -plane.z, -plane.offset}; }

// Adds to `neighbours` every pair of labelled faces (labels 0 and above) that meet at a corner
// of `polytope`.
void add_meeting_faces(const ConvexPolytope& polytope, std::vector<std::vector<int>>& neighbours) {
  std::vector<std::vector<int>> faces_at(polytope.corners().size());
  for (const PolytopeFace& face : polytope.faces()) {
    if (face.label < 0) continue;
    for (const size_t corner : polytope.face_corners(face)) faces_at[corner].push_back(face.label);
  }
  for (const std::vector<int>& labels : faces_at) {
    for (const int a : labels) {
      for (const int b : labels) {
        if (a != b) neighbours[static_cast<size_t>(a)].push_back(b);
      }
    }
  }
}

void sort_unique(std::vector<int>& labels) {
  std::sort(labels.begin(), labels.end());
  labels.erase(std::unique(labels.begin(), labels.end()), labels.end());
}

struct Candidate {
  double cost = 0.0;
  int plane = 0;
  unsigned version = 0;
  // The priority queue's top is the cheapest, the first plane on a tie.
  bool operator<(const Candidate& other) const { return cost != other.cost ? cost > other.cost : plane > other.plane; }
};

class PlaneDropper {
 public:
  PlaneDropper(const HullPoints& hull, std::span<const FacetPlane> planes)
      : hull_(hull),
        planes_(planes.begin(), planes.end()),
        kept_(planes.size(), false),
        neighbours_(planes.size()),
        versions_(planes.size(), 0) {}

  KeptPlanes run(size_t most_planes) {
    const ConvexPolytope region = region_of(hull_, planes_);
    if (region.has_label(kBoxLabel) || region.empty()) return result(std::numeric_limits<double>::infinity(), false);
    volume_ = region.volume();
    size_t left = 0;
    for (const PolytopeFace& face : region.faces()) {
      kept_[static_cast<size_t>(face.label)] = true;
      ++left;
    }
    add_meeting_faces(region, neighbours_);
    for (std::vector<int>& labels : neighbours_) sort_unique(labels);
    for (size_t plane = 0; plane < planes_.size(); ++plane) {
      if (kept_[plane]) weigh(static_cast<int>(plane));
    }

    while (left > most_planes) {
      if (queue_.empty()) return result(volume_, false);
      const Candidate cheapest = queue_.top();
      queue_.pop();
      const auto plane = static_cast<size_t>(cheapest.plane);
      if (!kept_[plane] || cheapest.version != versions_[plane]) continue;
      if (!std::isfinite(cheapest.cost)) return result(volume_, false);
      drop(cheapest.plane, cheapest.cost);
      --left;
    }
    return result(volume_, true);
  }

 private:
  // The piece that dropping `plane` adds: beyond it, inside its neighbours. Only faces that share
  // an edge with it can bound that piece, and its neighbour list holds them all.
  ConvexPolytope piece(int plane) const {
    ConvexPolytope piece = hull_.frame();
    piece.cut(reversed(planes_[static_cast<size_t>(plane)]), kCapLabel);
    for (const int neighbour : neighbours_[static_cast<size_t>(plane)]) {
      piece.cut(planes_[static_cast<size_t>(neighbour)], neighbour);
    }
    return piece;
  }

  void weigh(int plane) {
    const ConvexPolytope added = piece(plane);
    const double cost = added.has_label(kBoxLabel) ? std::numeric_limits<double>::infinity() : added.volume();
    queue_.push({cost, plane, ++versions_[static_cast<size_t>(plane)]});
  }

  // The neighbours' faces grow into the piece: faces that meet there become neighbours.
  void drop(int plane, double cost) {
    const auto dropped = static_cast<size_t>(plane);
    const ConvexPolytope added = piece(plane);
    kept_[dropped] = false;
    volume_ += cost;
    const std::vector<int> around = std::move(neighbours_[dropped]);
    neighbours_[dropped].clear();
    add_meeting_faces(added, neighbours_);
    for (const int neighbour : around) {
      std::vector<int>& labels = neighbours_[static_cast<size_t>(neighbour)];
      labels.erase(std::remove(labels.begin(), labels.end(), plane), labels.end());
      sort_unique(labels);
    }
    for (const int neighbour : around) weigh(neighbour);
  }

  KeptPlanes result(double volume, bool within_budget) const {
    KeptPlanes kept;
    for (size_t plane = 0; plane < planes_.size(); ++plane) {
      if (kept_[plane]) kept.planes.push_back(planes_[plane]);
    }
    kept.volume = volume;
    kept.within_budget = within_budget;
    return kept;
  }

  const HullPoints& hull_;
  std::vector<FacetPlane> planes_;
  std::vector<bool> kept_;
  std::vector<std::vector<int>> neighbours_;
  std::vector<unsigned> versions_;
  std::priority_queue<Candidate> queue_;
  double volume_ = 0.0;
};

}  // namespace

KeptPlanes drop_planes(const HullPoints& hull, std::span<const FacetPlane> planes, size_t most_planes) {
  return PlaneDropper(hull, planes).run(most_planes);
}

}  // namespace ombrix
