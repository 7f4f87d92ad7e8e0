#include <cstdint>

#include "hull/budget/hull_points.h"
#include "hull/budget/plane_budget.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr const char* kFlatModelLine =
    "    No plane budget: the model's points lie in one plane or on one line, so no planes close around them.";

std::string volume_change_text(const BudgetedHull& budgeted) {
  const double percent = (budgeted.volume / budgeted.exact_volume - 1.0) * 100.0;
  std::string text = format_fixed(percent, 1);
  if (percent >= 0.0) text.insert(text.begin(), '+');
  text += '%';
  return text;
}

}  // namespace

void apply_plane_budget(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, size_t most_planes,
                        double tolerance, Log& log) {
  if (!planes.empty() && planes.size() <= most_planes) return;
  std::vector<Vector> points;
  points.reserve(vertices.size());
  for (const MeshVertex& vertex : vertices) points.push_back(vertex.position);
  if (planes.empty()) {
    // Said only when the model is flat, not when its procedure failed on it.
    if (!hull_points(points)) log.log_message(kFlatModelLine, Stamp::kStamped);
    return;
  }
  const std::optional<BudgetedHull> budgeted = budget_hull(points, most_planes, tolerance);
  if (!budgeted) {
    log.log_message(kFlatModelLine, Stamp::kStamped);
    return;
  }
  log.log_message("    Hull reduced to " + format_whole(static_cast<std::int64_t>(budgeted->planes.size())) +
                      " planes from " + format_whole(static_cast<std::int64_t>(planes.size())) + " (" +
                      volume_change_text(*budgeted) + " volume).",
                  Stamp::kStamped);
  planes = budgeted->planes;
}

}  // namespace ombrix
