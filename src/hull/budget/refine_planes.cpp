#include "hull/budget/refine_planes.h"

#include <cmath>
#include <optional>
#include <vector>

#include "hull/budget/tilt_direction.h"

namespace ombrix {

namespace {

constexpr int kMostRounds = 30;
constexpr double kNearbyCosine = 0.85;  // about 32 degrees
constexpr double kFirstAngle = 0.1;     // radians
constexpr double kLastAngle = 1e-4;
constexpr double kLeastGain = 1e-12;  // of the volume: less is rounding
constexpr int kMostTiltsPerVisit = 8;

Point3 normal_of(const FacetPlane& plane) { return {plane.x, plane.y, plane.z}; }

// `normal` turned by `angle` toward the unit direction `way`, perpendicular to it.
Point3 turned(const Point3& normal, const Point3& way, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return unit({normal.x * c + way.x * s, normal.y * c + way.y * s, normal.z * c + way.z * s});
}

// The labels (0 and above) of the faces of `region` that share a corner with face `label`.
std::vector<size_t> faces_around(const ConvexPolytope& region, int label) {
  std::vector<size_t> around;
  const PolytopeFace* face = region.face_with_label(label);
  if (face == nullptr) return around;
  std::vector<char> at_face(region.corners().size(), 0);
  for (const size_t corner : region.face_corners(*face)) at_face[corner] = 1;
  for (const PolytopeFace& other : region.faces()) {
    if (other.label == label || other.label < 0) continue;
    for (const size_t corner : region.face_corners(other)) {
      if (at_face[corner]) {
        around.push_back(static_cast<size_t>(other.label));
        break;
      }
    }
  }
  return around;
}

class PlaneRefiner {
 public:
  PlaneRefiner(const HullPoints& hull, std::vector<FacetPlane>& planes, std::span<const FacetPlane> candidates)
      : hull_(hull),
        planes_(planes),
        candidates_(candidates),
        angles_(planes.size(), kFirstAngle),
        unsettled_(planes.size(), true) {}

  double run() {
    double volume = region_volume(hull_, planes_);
    for (int round = 0; round < kMostRounds; ++round) {
      bool moved = false;
      for (size_t plane = 0; plane < planes_.size(); ++plane) moved = refine(plane, volume) || moved;
      if (!moved) break;
    }
    return volume;
  }

 private:
  // Moves one plane, the others held; true when it moved. A plane is tried again only once a
  // plane whose face met its own has moved: otherwise it would fail as before.
  bool refine(size_t index, double& volume) {
    if (!unsettled_[index]) return false;
    unsettled_[index] = false;
    const int label = static_cast<int>(index);
    ConvexPolytope rest = hull_.frame();
    for (size_t other = 0; other < planes_.size(); ++other) {
      if (other != index) rest.cut(planes_[other], static_cast<int>(other));
    }
    ConvexPolytope region = rest;
    region.cut(planes_[index], label);
    if (region.has_label(kBoxLabel) || !region.has_label(label)) return false;
    volume = region.volume();
    const std::vector<size_t> before = faces_around(region, label);

    bool moved = false;
    const Point3 normal = normal_of(planes_[index]);
    for (const FacetPlane& candidate : candidates_) {
      if (dot(normal_of(candidate), normal) >= kNearbyCosine &&
          take_if_smaller(rest, candidate, label, region, volume)) {
        planes_[index] = candidate;
        angles_[index] = kFirstAngle;
        moved = true;
      }
    }

    int tilts = 0;
    while (angles_[index] >= kLastAngle && tilts < kMostTiltsPerVisit) {
      const PolytopeFace* face = region.face_with_label(label);
      const std::optional<Point3> way =
          tilt_direction(hull_, planes_[index], region.face_shape(*face).centroid, angles_[index]);
      if (way) {
        const FacetPlane tilted = hull_.touching_plane(turned(normal_of(planes_[index]), *way, angles_[index]));
        if (take_if_smaller(rest, tilted, label, region, volume)) {
          planes_[index] = tilted;
          moved = true;
          ++tilts;
          continue;
        }
      }
      angles_[index] *= 0.5;
    }

    if (moved) {
      for (const size_t neighbour : before) unsettled_[neighbour] = true;
      for (const size_t neighbour : faces_around(region, label)) unsettled_[neighbour] = true;
    }
    return moved;
  }

  // When `rest` cut by `plane` closes a region smaller than `volume`, makes it `region`.
  bool take_if_smaller(const ConvexPolytope& rest, const FacetPlane& plane, int label, ConvexPolytope& region,
                       double& volume) const {
    ConvexPolytope trial = rest;
    trial.cut(plane, label);
    if (trial.has_label(kBoxLabel) || !trial.has_label(label)) return false;
    const double trial_volume = trial.volume();
    if (!(trial_volume < volume * (1.0 - kLeastGain))) return false;
    region = std::move(trial);
    volume = trial_volume;
    return true;
  }

  const HullPoints& hull_;
  std::vector<FacetPlane>& planes_;
  std::span<const FacetPlane> candidates_;
  std::vector<double> angles_;
  std::vector<bool> unsettled_;
};

}  // namespace

double refine_planes(const HullPoints& hull, std::vector<FacetPlane>& planes, std::span<const FacetPlane> candidates) {
  return PlaneRefiner(hull, planes, candidates).run();
}

}  // namespace ombrix
