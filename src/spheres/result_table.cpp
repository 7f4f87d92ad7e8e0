#include "spheres/result_table.h"

#include <initializer_list>

#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr std::string_view kHeaderLine =
    "Sphere\tCHull trimmed volume (%)\tCHull remaining volume (%)\tBBox coverage (x)\tBBox coverage (y)\t"
    "BBox coverage (z)\t\tSphere\tRadius\tCenter (x)\tCenter (y)\tCenter (z)\r\n";

constexpr int kDecimals = 10;

void append_reals(std::string& line, std::initializer_list<float> values) {
  for (const float value : values) {
    line += '\t';
    line += format_fixed(value, kDecimals);
  }
}

}  // namespace

std::string result_table_text(const ResultList& results) {
  std::string text;
  for (const SphereResult& row : results) {
    if (row.number == 1) text += kHeaderLine;
    const std::string number = format_whole(row.number);
    text += number;
    append_reals(text, {row.trimmed, row.remaining, row.coverage_x, row.coverage_y, row.coverage_z});
    text += "\t\t";
    text += number;
    append_reals(text, {row.radius, row.x, row.y, row.z});
    text += "\r\n";
  }
  return text;
}

}  // namespace ombrix
