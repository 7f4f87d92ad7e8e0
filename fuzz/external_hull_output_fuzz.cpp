// The external hull program's output on any bytes: lines hold no line ends, and a plane is
// appended for every line after the two header lines exactly when the first one is "4".
#include <bit>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "hull/external/external_hull_output.h"
#include "shared/text.h"

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::string> lines = split_output_lines({reinterpret_cast<const char*>(data), size});
  for (const std::string& line : lines) {
    if (line.find_first_of("\r\n") != std::string::npos) fuzz::report_finding("a line holds a line end");
  }

  const Plane earlier{0.5f, -0.0f, 2.0f, -3.0f};
  std::vector<Plane> planes = {earlier};
  append_output_planes(planes, lines);
  const bool hull_output = lines.size() >= 2 && trim_spaces(lines[0]) == "4";
  if (planes.size() != 1 + (hull_output ? lines.size() - 2 : 0)) fuzz::report_finding("not one plane per facet line");
  const Plane& first = planes[0];
  if (std::bit_cast<std::uint32_t>(first.b) != std::bit_cast<std::uint32_t>(earlier.b) || first.d != earlier.d) {
    fuzz::report_finding("a plane already in the list changed");
  }
  return 0;
}
