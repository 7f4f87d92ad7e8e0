#include <cmath>
#include <initializer_list>

#include "cli/inspect_report.h"
#include "cli/json_text.h"
#include "shared/joined.h"

namespace ombrix {

namespace {

std::string json_list(std::initializer_list<float> values) {
  std::string list = "[";
  for (const float value : values) {
    if (list.size() > 1) list += ", ";
    list += json_number(value);
  }
  return list + "]";
}

std::string json_real(double value) { return json_number(static_cast<float>(value)); }

std::string json_real_or_null(const std::optional<double>& value) { return value ? json_real(*value) : "null"; }

std::string hull_object(const Volume& volume, const std::optional<SolidResult>& region,
                        const std::optional<double>& solid_volume) {
  const BBox& box = volume.box;
  return joined(
      {"{\"points\": ", std::to_string(volume.points.size()), ", \"edges\": ", std::to_string(volume.edges.size()),
       ", \"planes\": ", std::to_string(volume.planes.size()),
       ", \"box\": ", json_list({box.min_x, box.max_x, box.min_y, box.max_y, box.min_z, box.max_z}),
       ", \"offset\": ", json_list({volume.offset.x, volume.offset.y, volume.offset.z}),
       ", \"region\": ", json_string(region_word(region)), ", \"volume\": ", json_real_or_null(solid_volume), "}"});
}

std::string fit_object(const SphereFit& fit) {
  if (!fit.placed) return "{\"hull\": null}";
  return joined({"{\"hull\": ", std::to_string(fit.hull + 1), ", \"centre_out\": ", json_real(fit.centre_out),
                 ", \"reach\": ", json_real(fit.reach), "}"});
}

std::string model_object(const ModelFit& fit, const std::string& path, const std::optional<double>& beyond) {
  return joined({"{\"file\": ", json_string(path), ", \"vertices\": ", std::to_string(fit.vertices),
                 ", \"farthest_out\": ", json_real(fit.farthest_out), ", \"beyond_tolerance\": ",
                 std::to_string(fit.beyond_tolerance), ", \"box_covered\": ", json_real(fit.box_covered),
                 ", \"convex_volume\": ", json_real_or_null(fit.convex_volume),
                 ", \"beyond_convex\": ", json_real_or_null(beyond), "}"});
}

// `items` as a JSON array, one item a line.
std::string json_array(const std::vector<std::string>& items) {
  if (items.empty()) return "[]";
  std::string array = "[\n";
  for (size_t i = 0; i < items.size(); ++i) array += joined({"    ", items[i], i + 1 < items.size() ? ",\n" : "\n"});
  return array + "  ]";
}

}  // namespace

std::string inspect_json_report(const HulInspection& inspection, const InspectedFiles& files) {
  const CollisionData& data = inspection.reading.data;
  const GeometryCheck& geometry = inspection.geometry;
  std::vector<std::string> hulls;
  for (size_t h = 0; h < data.volumes.size(); ++h)
    hulls.push_back(hull_object(data.volumes[h], geometry.solids[h], geometry.volumes[h]));
  std::vector<std::string> findings;
  for (const Finding& finding : inspection.findings) {
    findings.push_back(joined({"{\"kind\": ", json_string(finding.kind),
                               ", \"severity\": ", json_string(severity_word(severity_of(finding.kind))),
                               ", \"message\": ", json_string(finding.message), "}"}));
  }
  std::vector<std::string> fits;
  for (const SphereFit& fit : geometry.spheres) fits.push_back(fit_object(fit));
  std::vector<std::string> notes;
  for (const std::string& note : geometry.notes) notes.push_back(json_string(note));

  std::string json = joined(
      {"{\n  \"file\": ", json_string(files.hul_path), ",\n  \"bytes\": ", std::to_string(inspection.reading.file_size),
       ",\n  \"hulls\": ", json_array(hulls), ",\n  \"spheres\": ", std::to_string(data.spheres.size()),
       ",\n  \"findings\": ", json_array(findings), ",\n  \"trailing_bytes\": ", std::to_string(data.trailing.size()),
       ",\n  \"sphere_fits\": ", json_array(fits)});
  if (inspection.model)
    json += joined({",\n  \"model\": ", model_object(*inspection.model, files.model_path.value_or(""),
                                                     percent_beyond_convex_hull(inspection))});
  return json + joined({",\n  \"notes\": ", json_array(notes), "\n}\n"});
}

}  // namespace ombrix
