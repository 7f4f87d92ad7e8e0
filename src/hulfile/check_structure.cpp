#include "hulfile/check_structure.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "shared/float_text.h"
#include "shared/joined.h"

namespace ombrix {

namespace {

constexpr double kNormalLengthTolerance = 0.01;

std::string number(size_t value) { return std::to_string(value); }

// Counts the records of one kind that break a rule, keeping the first one's description.
class Tally {
 public:
  void add(std::string first) {
    if (count_++ == 0) first_ = std::move(first);
  }
  size_t count() const { return count_; }
  const std::string& first() const { return first_; }

 private:
  size_t count_ = 0;
  std::string first_;
};

class ValueTally : public Tally {
 public:
  void check(std::string_view where, std::initializer_list<std::pair<std::string_view, float>> values) {
    for (const auto& [name, value] : values) {
      if (!std::isfinite(value)) add(joined({where, name, ", ", shortest_decimal(value)}));
    }
  }
};

void report_values(const ValueTally& tally, std::string_view owner, std::vector<Finding>& findings) {
  if (tally.count() == 0) return;
  findings.push_back(
      {"not-finite", joined({owner, ": ", number(tally.count()), tally.count() == 1 ? " value is" : " values are",
                             " not finite (the first: ", tally.first(), ")"})});
}

void check_box(const BBox& box, const std::string& hull, std::vector<Finding>& findings) {
  const struct {
    const char* axis;
    float min;
    float max;
  } axes[] = {{"x", box.min_x, box.max_x}, {"y", box.min_y, box.max_y}, {"z", box.min_z, box.max_z}};
  for (const auto& axis : axes) {
    if (axis.min > axis.max) {
      findings.push_back(
          {"box-inverted", joined({hull, ": its box's min ", axis.axis, " (", shortest_decimal(axis.min),
                                   ") is above its max ", axis.axis, " (", shortest_decimal(axis.max), ")"})});
    }
  }
}

void check_values(const Volume& volume, const std::string& hull, std::vector<Finding>& findings) {
  ValueTally values;
  const BBox& box = volume.box;
  values.check("its box's ", {{"min x", box.min_x},
                              {"max x", box.max_x},
                              {"min y", box.min_y},
                              {"max y", box.max_y},
                              {"min z", box.min_z},
                              {"max z", box.max_z}});
  values.check("its offset's ", {{"x", volume.offset.x}, {"y", volume.offset.y}, {"z", volume.offset.z}});
  for (size_t i = 0; i < volume.points.size(); ++i) {
    const Vector& point = volume.points[i];
    values.check(joined({"point ", number(i + 1), "'s "}), {{"x", point.x}, {"y", point.y}, {"z", point.z}});
  }
  for (size_t i = 0; i < volume.planes.size(); ++i) {
    const Plane& plane = volume.planes[i];
    values.check(joined({"plane ", number(i + 1), "'s "}),
                 {{"a", plane.a}, {"b", plane.b}, {"c", plane.c}, {"d", plane.d}});
  }
  report_values(values, hull, findings);
}

void check_normals(const Volume& volume, const std::string& hull, std::vector<Finding>& findings) {
  Tally normals;
  for (size_t i = 0; i < volume.planes.size(); ++i) {
    const Plane& plane = volume.planes[i];
    const double length =
        std::sqrt((double(plane.a) * plane.a + double(plane.b) * plane.b) + double(plane.c) * plane.c);
    if (std::isfinite(length) && std::fabs(length - 1.0) > kNormalLengthTolerance) {
      normals.add(joined({"plane ", number(i + 1), ", length ", shortest_decimal(static_cast<float>(length))}));
    }
  }
  if (normals.count() == 0) return;
  findings.push_back(
      {"normal-length", joined({hull, ": ", number(normals.count()), " of its ", number(volume.planes.size()),
                                " planes ", normals.count() == 1 ? "has" : "have",
                                " a normal more than 1% off unit length (the first: ", normals.first(), ")"})});
}

void check_edges(const Volume& volume, const std::string& hull, std::vector<Finding>& findings) {
  Tally edges;
  const auto outside = [&](std::int16_t index) {
    return index < 0 || static_cast<size_t>(index) >= volume.points.size();
  };
  for (size_t i = 0; i < volume.edges.size(); ++i) {
    const Edge& edge = volume.edges[i];
    if (outside(edge.from) || outside(edge.to)) {
      edges.add(joined(
          {"edge ", number(i + 1), ", from index ", std::to_string(edge.from), " to index ", std::to_string(edge.to)}));
    }
  }
  if (edges.count() == 0) return;
  findings.push_back({"edge-index", joined({hull, ": ", number(edges.count()), " of its ", number(volume.edges.size()),
                                            edges.count() == 1 ? " edges refers" : " edges refer",
                                            " to points it does not have (the first: ", edges.first(), "; it has ",
                                            number(volume.points.size()), " points)"})});
}

}  // namespace

void check_structure(const CollisionData& data, std::vector<Finding>& findings) {
  for (size_t h = 0; h < data.volumes.size(); ++h) {
    const Volume& volume = data.volumes[h];
    const std::string hull = joined({"hull ", number(h + 1)});
    check_box(volume.box, hull, findings);
    check_values(volume, hull, findings);
    check_normals(volume, hull, findings);
    check_edges(volume, hull, findings);
  }
  ValueTally spheres;
  for (size_t i = 0; i < data.spheres.size(); ++i) {
    const Sphere& sphere = data.spheres[i];
    spheres.check(joined({"sphere ", number(i + 1), "'s "}),
                  {{"x", sphere.x}, {"y", sphere.y}, {"z", sphere.z}, {"radius", sphere.radius}});
  }
  report_values(spheres, "spheres", findings);
  if (!data.trailing.empty()) {
    findings.push_back(
        {"trailing-bytes", joined({number(data.trailing.size()), data.trailing.size() == 1 ? " byte" : " bytes",
                                   " after the last sphere"})});
  }
}

}  // namespace ombrix
