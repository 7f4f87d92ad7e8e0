#include <algorithm>
#include <cmath>

#include "cli/inspect_report.h"
#include "record/on_plane_tolerance.h"
#include "shared/float_text.h"
#include "shared/joined.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

std::string counted(size_t count, std::string_view noun, std::string_view plural = "") {
  if (count == 1) return joined({"1 ", noun});
  return joined({std::to_string(count), " ", plural.empty() ? joined({noun, "s"}) : std::string(plural)});
}

std::string real(float value) { return shortest_decimal(value); }

// Distances in model units, to a thousandth.
std::string distance(double value) { return format_fixed(value, 3); }

std::string hull_line(const Volume& volume, size_t index, const std::optional<SolidResult>& region,
                      const std::optional<double>& solid_volume) {
  const BBox& box = volume.box;
  return joined({"hull ",
                 std::to_string(index + 1),
                 ": ",
                 counted(volume.points.size(), "point"),
                 ", ",
                 counted(volume.edges.size(), "edge"),
                 ", ",
                 counted(volume.planes.size(), "plane"),
                 "; box x ",
                 real(box.min_x),
                 " to ",
                 real(box.max_x),
                 ", y ",
                 real(box.min_y),
                 " to ",
                 real(box.max_y),
                 ", z ",
                 real(box.min_z),
                 " to ",
                 real(box.max_z),
                 "; offset ",
                 real(volume.offset.x),
                 ", ",
                 real(volume.offset.y),
                 ", ",
                 real(volume.offset.z),
                 "; ",
                 region_word(region),
                 solid_volume ? joined({", volume ", real(static_cast<float>(*solid_volume))}) : "",
                 "\n"});
}

std::string sphere_place(const SphereFit& fit) {
  if (!fit.placed) return "";
  const std::string hull = joined({"hull ", std::to_string(fit.hull + 1)});
  if (fit.centre_out > kOnPlaneTolerance) {
    return joined({"; its centre lies ", distance(fit.centre_out), " out of ", hull, ", the nearest"});
  }
  if (fit.reach >= 0.0005) return joined({"; reaches ", distance(fit.reach), " out of ", hull});
  return joined({"; inside ", hull, ", ", distance(std::max(-fit.reach, 0.0)), " clear of its planes"});
}

// "; the hulls hold 0.8% more than its convex hull", or "less", or nothing to say.
std::string beyond_convex_text(const std::optional<double>& percent) {
  if (!percent) return "";
  return joined({"; the hulls hold ", format_fixed(std::fabs(*percent), 1), *percent < 0.0 ? "% less" : "% more",
                 " than its convex hull"});
}

std::string model_line(const ModelFit& fit, const std::string& path, const std::optional<double>& beyond) {
  std::string where;
  if (fit.vertices == 0) {
    where = "no vertices";
  } else if (std::isinf(fit.farthest_out) && fit.farthest_out > 0) {
    where = joined({counted(fit.vertices, "vertex", "vertices"), "; no hull has usable planes"});
  } else if (fit.farthest_out < 0.0005) {  // nothing out at the thousandths the report shows
    where = joined({counted(fit.vertices, "vertex", "vertices"), "; every vertex lies inside the hulls"});
  } else {
    where = joined({counted(fit.vertices, "vertex", "vertices"), "; the farthest lies ", distance(fit.farthest_out),
                    " out of the hulls, ", std::to_string(fit.beyond_tolerance), " more than ",
                    format_fixed(kOnPlaneTolerance, 1), " out"});
  }
  return joined({"model ", path, ": ", where, "; the spheres cover ", format_fixed(fit.box_covered, 1), "% of its box",
                 beyond_convex_text(beyond), "\n"});
}

}  // namespace

const char* region_word(const std::optional<SolidResult>& region) {
  if (!region) return "not-checked";
  switch (*region) {
    case SolidResult::kClosed:
      return "closed";
    case SolidResult::kUnbounded:
      return "open";
    case SolidResult::kEmpty:
      return "empty";
    case SolidResult::kFlat:
      return "flat";
    case SolidResult::kNotFinite:
      break;
  }
  return "not-finite";
}

std::string inspect_text_report(const HulInspection& inspection, const InspectedFiles& files) {
  const CollisionData& data = inspection.reading.data;
  std::string report =
      joined({files.hul_path, ": ", counted(inspection.reading.file_size, "byte"), ", ",
              counted(data.volumes.size(), "hull"), ", ", counted(data.spheres.size(), "sphere"), "\n"});
  const GeometryCheck& geometry = inspection.geometry;
  for (size_t h = 0; h < data.volumes.size(); ++h)
    report += hull_line(data.volumes[h], h, geometry.solids[h], geometry.volumes[h]);
  for (size_t i = 0; i < data.spheres.size(); ++i) {
    const Sphere& sphere = data.spheres[i];
    report += joined({"sphere ", std::to_string(i + 1), ": centre ", real(sphere.x), ", ", real(sphere.y), ", ",
                      real(sphere.z), "; radius ", real(sphere.radius), sphere_place(geometry.spheres[i]), "\n"});
  }
  if (inspection.model) {
    report += model_line(*inspection.model, files.model_path.value_or(""), percent_beyond_convex_hull(inspection));
  }
  for (const std::string& note : geometry.notes) report += joined({"note: ", note, "\n"});
  if (inspection.findings.empty()) return report + "no findings\n";
  const FindingCount count = count_findings(inspection.findings);
  report += joined({counted(inspection.findings.size(), "finding"), " (", counted(count.errors, "error"), ", ",
                    counted(count.warnings, "warning"), "):\n"});
  for (const Finding& finding : inspection.findings) {
    report += joined({severity_word(severity_of(finding.kind)), " ", finding.kind, ": ", finding.message, "\n"});
  }
  return report;
}

}  // namespace ombrix
