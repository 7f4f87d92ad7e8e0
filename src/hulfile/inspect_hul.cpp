#include "hulfile/inspect_hul.h"

#include "hulfile/check_structure.h"

namespace ombrix {

HulInspection inspect_hul(HulReading reading, const std::optional<std::span<const MeshVertex>>& model) {
  HulInspection inspection;
  inspection.reading = std::move(reading);
  const CollisionData& data = inspection.reading.data;
  if (!inspection.reading.fault.empty()) inspection.findings.push_back({"unreadable", inspection.reading.fault});
  check_structure(data, inspection.findings);
  inspection.geometry = check_geometry(data, inspection.findings);
  if (model) inspection.model = check_model_fit(data, *model, inspection.findings);
  return inspection;
}

std::optional<double> percent_beyond_convex_hull(const HulInspection& inspection) {
  if (!inspection.model || !inspection.model->convex_volume) return std::nullopt;
  const std::vector<std::optional<double>>& volumes = inspection.geometry.volumes;
  if (volumes.empty()) return std::nullopt;
  double total = 0.0;
  for (const std::optional<double>& volume : volumes) {
    if (!volume) return std::nullopt;
    total += *volume;
  }
  return (total / *inspection.model->convex_volume - 1.0) * 100.0;
}

}  // namespace ombrix
