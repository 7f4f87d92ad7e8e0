#include "app/output_name.h"

namespace ombrix {

std::string first_input_name(std::string_view input_text) {
  std::string_view name = input_text.substr(0, input_text.find('|'));
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return std::string(name);
}

std::string derived_output_name(std::string_view input_text) {
  std::string name = first_input_name(input_text);
  const size_t dot = name.rfind('.');
  const size_t folder_end = name.find_last_of("\\/");
  // Both separators count, so a dotted folder name is never taken for an extension.
  if (dot == std::string::npos || (folder_end != std::string::npos && dot < folder_end)) return name;
  name.resize(dot + 1);
  return name + "hul";
}

}  // namespace ombrix
