#include "spheres/sphere_report.h"

#include <string>

#include "shared/number_text.h"

namespace ombrix {

namespace {

void widen(float& low, float& high, double centre, double radius) {
  if (low > centre - radius) low = static_cast<float>(centre - radius);
  if (high < centre + radius) high = static_cast<float>(centre + radius);
}

float percent(double part, double whole) { return static_cast<float>((part / whole) * 100.0); }

float coverage(float low, float high, float extent) {
  return static_cast<float>(((static_cast<double>(high) - low) / extent) * 100.0);
}

std::string one_decimal(float value) { return format_fixed(value, 1); }

void log_sphere(const SphereResult& row, Log& log) {
  const std::string number = format_whole(row.number);
  log.log_message("Sphere " + number + " coordinates: x: " + one_decimal(row.x) + ", y: " + one_decimal(row.y) +
                      ", z: " + one_decimal(row.z) + ", radius: " + one_decimal(row.radius),
                  Stamp::kStamped);
  log.log_message("    Sphere " + number + " covers " + one_decimal(row.trimmed) + "% of the hull volume. (" +
                      one_decimal(row.remaining) + "% remains).",
                  Stamp::kStamped);
  log.log_message("    Spheres set BBox is covering [x: " + one_decimal(row.coverage_x) + "%, y: " +
                      one_decimal(row.coverage_y) + "%, z: " + one_decimal(row.coverage_z) + "%] of the Hull BBox.",
                  Stamp::kStamped);
}

}  // namespace

SphereReport::SphereReport(std::size_t sample_total, const Vector& extents)
    : sample_total_(static_cast<double>(sample_total)), extents_(extents) {}

void SphereReport::add(const Sphere& sphere, std::size_t covered, std::size_t remaining, ResultList& results,
                       Log& log) {
  results.push_back(next_row(sphere, covered, remaining));
  log_sphere(results.back(), log);
}

SphereResult SphereReport::next_row(const Sphere& sphere, std::size_t covered, std::size_t remaining) {
  SphereResult& row = row_;
  if (row.number == 0) {
    row.set_min_x = row.set_max_x = sphere.x;
    row.set_min_y = row.set_max_y = sphere.y;
    row.set_min_z = row.set_max_z = sphere.z;
  }
  widen(row.set_min_x, row.set_max_x, sphere.x, sphere.radius);
  widen(row.set_min_y, row.set_max_y, sphere.y, sphere.radius);
  widen(row.set_min_z, row.set_max_z, sphere.z, sphere.radius);

  ++row.number;
  row.trimmed = percent(static_cast<double>(covered), sample_total_);
  row.remaining = percent(static_cast<double>(remaining), sample_total_);
  row.x = sphere.x;
  row.y = sphere.y;
  row.z = sphere.z;
  row.radius = sphere.radius;
  row.coverage_x = coverage(row.set_min_x, row.set_max_x, extents_.x);
  row.coverage_y = coverage(row.set_min_y, row.set_max_y, extents_.y);
  row.coverage_z = coverage(row.set_min_z, row.set_max_z, extents_.z);
  return row;
}

}  // namespace ombrix
