#include "hull/exact_hull.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

namespace ombrix {

namespace {

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

// Owns one Qhull run over the points and frees all of Qhull's memory when it goes.
class QhullRun {
 public:
  QhullRun(std::span<const Vector> points) : message_sink_(std::fopen(kNullDevice, "w")) {
    coordinates_.reserve(points.size() * 3);
    for (const Vector& point : points) coordinates_.insert(coordinates_.end(), {point.x, point.y, point.z});
    qh_zero(&qh_, message_sink_);
    // Plain "qhull": merges coplanar facets, so a flat face of the model is one facet.
    char command[] = "qhull";
    exit_code_ = qh_new_qhull(&qh_, 3, static_cast<int>(points.size()), coordinates_.data(), False,
                              command, nullptr, message_sink_);
  }
  ~QhullRun() {
    qh_freeqhull(&qh_, !qh_ALL);
    int still_long = 0;
    int total_long = 0;
    qh_memfreeshort(&qh_, &still_long, &total_long);
    if (message_sink_) std::fclose(message_sink_);
  }
  QhullRun(const QhullRun&) = delete;
  QhullRun& operator=(const QhullRun&) = delete;

  bool succeeded() const { return message_sink_ && exit_code_ == 0; }
  qhT* qh() { return &qh_; }

 private:
  std::FILE* message_sink_;
  std::vector<coordT> coordinates_;
  qhT qh_;
  int exit_code_ = -1;
};

}  // namespace

double facet_distance(const FacetPlane& facet, const Vector& point) {
  return ((facet.x * point.x + facet.y * point.y) + facet.z * point.z) + facet.offset;
}

std::optional<ExactHull> compute_exact_hull(std::span<const Vector> points) {
  if (points.size() < 4 || points.size() > static_cast<size_t>(std::numeric_limits<int>::max() / 3)) {
    return std::nullopt;
  }
  QhullRun run(points);
  if (!run.succeeded()) return std::nullopt;
  qhT* qh = run.qh();

  ExactHull hull;
  facetT* facet;
  vertexT* vertex;
  vertexT** vertexp;
  FORALLfacets {
    const FacetPlane plane{facet->normal[0], facet->normal[1], facet->normal[2], facet->offset};
    FOREACHvertex_(facet->vertices) {
      const int id = qh_pointid(qh, vertex->point);
      if (id < 0 || static_cast<size_t>(id) >= points.size()) return std::nullopt;
      hull.error = std::max(hull.error, std::fabs(facet_distance(plane, points[static_cast<size_t>(id)])));
    }
    hull.facets.push_back(plane);
  }
  if (hull.facets.size() < 4) return std::nullopt;

  hull.depths.reserve(points.size());
  for (const Vector& point : points) {
    double depth = std::numeric_limits<double>::infinity();
    for (const FacetPlane& plane : hull.facets) depth = std::min(depth, -facet_distance(plane, point));
    hull.depths.push_back(depth);
    hull.error = std::max(hull.error, -depth);
  }
  if (!std::isfinite(hull.error)) return std::nullopt;
  return hull;
}

}  // namespace ombrix
