#include "hull/external/external_hull_output.h"

#include "shared/number_text.h"
#include "shared/text.h"

namespace ombrix {

namespace {

Plane read_plane_line(std::string_view line) {
  std::string_view rest = trim_spaces(line);
  float numbers[4] = {};
  for (float& number : numbers) {
    const size_t space = rest.find(' ');
    const std::string_view field = rest.substr(0, space);
    number = read_decimal(field, LeadingBlanks::kAnyWhiteSpace);
    rest = space == std::string_view::npos ? std::string_view{} : trim_spaces(rest.substr(space + 1));
  }
  return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

}  // namespace

std::vector<std::string> split_output_lines(std::string_view output) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < output.size(); ++i) {
    if (output[i] != '\r' && output[i] != '\n') continue;
    lines.emplace_back(output.substr(start, i - start));
    if (output[i] == '\r' && i + 1 < output.size() && output[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < output.size()) lines.emplace_back(output.substr(start));
  return lines;
}

void append_output_planes(std::vector<Plane>& planes, const std::vector<std::string>& lines) {
  if (lines.size() < 2 || trim_spaces(lines[0]) != "4") return;
  for (size_t i = 2; i < lines.size(); ++i) planes.push_back(read_plane_line(lines[i]));
}

std::string plane_count_line(size_t count) {
  return "    Number of planes for the Hull: " + format_whole(static_cast<std::int64_t>(count));
}

}  // namespace ombrix
