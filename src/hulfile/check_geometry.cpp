#include "hulfile/check_geometry.h"

#include <cmath>

#include "hulfile/hull_distance.h"
#include "hull/solid/solid_volume.h"
#include "record/on_plane_tolerance.h"
#include "shared/joined.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr double kPlaneTestLimit = 4e8;
constexpr size_t kSolidPlaneLimit = 200000;

std::string number(size_t value) { return std::to_string(value); }
std::string distance_text(double value) { return format_fixed(value, 3); }
std::string hull_name(size_t index) { return joined({"hull ", number(index + 1)}); }

std::optional<BBox> box_around(const std::vector<Vector>& corners) {
  if (corners.empty()) return std::nullopt;
  BBox box = box_of_point(corners[0]);
  for (const Vector& corner : corners) extend_box(box, corner);
  return box;
}

void check_solids(const CollisionData& data, GeometryCheck& check, std::vector<Finding>& findings) {
  size_t planes_used = 0;
  for (size_t h = 0; h < data.volumes.size(); ++h) {
    const std::vector<Plane>& planes = data.volumes[h].planes;
    planes_used += planes.size();
    if (planes_used > kSolidPlaneLimit) {
      check.solids.resize(data.volumes.size());
      check.volumes.resize(data.volumes.size());
      check.solid_boxes.resize(data.volumes.size());
      check.notes.push_back(joined({"whether the planes close around a region was not checked from ", hull_name(h),
                                    " on: more than ", number(kSolidPlaneLimit), " planes"}));
      return;
    }
    HullSolid solid;
    const SolidResult result = solid_of_planes(planes, solid);
    check.solids.push_back(result);
    check.volumes.push_back(result == SolidResult::kClosed ? std::optional(solid_volume(solid)) : std::nullopt);
    check.solid_boxes.push_back(result == SolidResult::kClosed ? box_around(solid.corners) : std::nullopt);
    const std::string hull = hull_name(h);
    if (result == SolidResult::kUnbounded) {
      findings.push_back(
          {"open-hull", joined({hull, ": its planes do not close around a region: it is open on some side"})});
    } else if (result == SolidResult::kEmpty) {
      findings.push_back(
          {"empty-hull", joined({hull, ": its planes close around nothing: no point lies inside all of them"})});
    } else if (result == SolidResult::kFlat) {
      findings.push_back({"flat-hull", joined({hull, ": its planes close around a region with no thickness"})});
    }
  }
}

void check_points(const CollisionData& data, const std::vector<std::optional<std::vector<FacetPlane>>>& hulls,
                  GeometryCheck& check, std::vector<Finding>& findings) {
  double tests = 0.0;
  for (size_t h = 0; h < hulls.size(); ++h) {
    if (hulls[h]) tests += static_cast<double>(hulls[h]->size()) * static_cast<double>(data.volumes[h].points.size());
  }
  if (tests > kPlaneTestLimit) {
    check.notes.push_back(
        "whether the hulls' points lie within their planes was not checked: too many points and planes");
    return;
  }
  for (size_t h = 0; h < hulls.size(); ++h) {
    if (!hulls[h] || hulls[h]->empty()) continue;
    const std::vector<Vector>& points = data.volumes[h].points;
    size_t outside = 0;
    size_t worst = 0;
    double worst_distance = 0.0;
    for (size_t i = 0; i < points.size(); ++i) {
      const double distance = distance_out_of(*hulls[h], points[i]);
      if (!(distance > kOnPlaneTolerance)) continue;  // a point that is not finite is reported elsewhere
      if (outside++ == 0 || distance > worst_distance) {
        worst = i;
        worst_distance = distance;
      }
    }
    if (outside == 0) continue;
    findings.push_back(
        {"point-outside", joined({hull_name(h), ": ", number(outside), " of its ", number(points.size()),
                                  outside == 1 ? " points lies" : " points lie", " more than ",
                                  format_fixed(kOnPlaneTolerance, 1), " out of its planes (the farthest: point ",
                                  number(worst + 1), ", ", distance_text(worst_distance), " out)"})});
  }
}

void check_spheres(const CollisionData& data, const std::vector<std::optional<std::vector<FacetPlane>>>& hulls,
                   GeometryCheck& check, std::vector<Finding>& findings) {
  check.spheres.resize(data.spheres.size());
  double planes = 0.0;
  bool all_measurable = true;
  for (const auto& hull : hulls) {
    if (hull) planes += static_cast<double>(hull->size());
    all_measurable = all_measurable && hull && !hull->empty();
  }
  if (planes * static_cast<double>(data.spheres.size()) > kPlaneTestLimit) {
    check.notes.push_back("where the spheres sit was not checked: too many spheres and planes");
    return;
  }
  bool unjudged = false;
  for (size_t i = 0; i < data.spheres.size(); ++i) {
    const Sphere& sphere = data.spheres[i];
    if (!std::isfinite(sphere.x) || !std::isfinite(sphere.y) || !std::isfinite(sphere.z) ||
        !std::isfinite(sphere.radius)) {
      continue;
    }
    const std::string name = joined({"sphere ", number(i + 1)});
    const std::optional<NearestHull> nearest = nearest_hull(hulls, {sphere.x, sphere.y, sphere.z});
    // Out of every hull that can be measured, it may still sit in one that cannot.
    if (!all_measurable && (!nearest || nearest->distance_out > kOnPlaneTolerance)) {
      unjudged = true;
      continue;
    }
    if (!nearest) {
      findings.push_back({"sphere-outside", joined({name, "'s centre lies outside every hull: the file has none"})});
      continue;
    }
    SphereFit& fit = check.spheres[i];
    fit = {true, nearest->hull, nearest->distance_out, nearest->distance_out + sphere.radius};
    if (fit.centre_out > kOnPlaneTolerance) {
      findings.push_back(
          {"sphere-outside", joined({name, "'s centre lies outside every hull (", distance_text(fit.centre_out),
                                     " out of ", hull_name(fit.hull), ", the nearest)"})});
    } else if (fit.reach > kOnPlaneTolerance) {
      findings.push_back(
          {"sphere-reach", joined({name, " reaches ", distance_text(fit.reach), " out of ", hull_name(fit.hull)})});
    }
  }
  if (unjudged) {
    check.notes.push_back(
        "spheres outside every hull with usable planes were not judged: a hull's planes are "
        "missing or not finite");
  }
}

}  // namespace

GeometryCheck check_geometry(const CollisionData& data, std::vector<Finding>& findings) {
  GeometryCheck check;
  const std::vector<std::optional<std::vector<FacetPlane>>> hulls = unit_hull_planes(data);
  check_solids(data, check, findings);
  check_points(data, hulls, check, findings);
  check_spheres(data, hulls, check, findings);
  return check;
}

}  // namespace ombrix
