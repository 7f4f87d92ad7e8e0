#include "hulfile/inspect_hul.h"

#include "hulfile/check_structure.h"

namespace ombrix {

HulInspection inspect_hul(HulReading reading, const std::optional<std::span<const MeshVertex>>& model) {
  HulInspection inspection;
  inspection.reading = std::move(reading);
  const CollisionData& data = inspection.reading.data;
  if (!inspection.reading.fault.empty())
    inspection.findings.push_back({"unreadable", inspection.reading.fault});
  check_structure(data, inspection.findings);
  inspection.geometry = check_geometry(data, inspection.findings);
  if (model) inspection.model = check_model_fit(data, *model, inspection.findings);
  return inspection;
}

}  // namespace ombrix
