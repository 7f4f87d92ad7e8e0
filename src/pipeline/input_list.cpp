#include "pipeline/input_list.h"

#include "shared/text.h"

namespace ombrix {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

std::vector<InputEntry> parse_input_list(std::string_view input, std::string_view directory_prefix) {
  std::vector<InputEntry> entries;
  for (std::string_view group : split(input, '|')) {
    bool first = true;
    for (std::string_view name : split(trim_spaces(group), '*')) {
      std::string path(directory_prefix);
      path += trim_spaces(name);
      entries.push_back({std::move(path), !first});
      first = false;
    }
  }
  return entries;
}

}  // namespace ombrix
