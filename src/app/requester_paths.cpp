#include "app/requester_paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "shared/text.h"

namespace ombrix {

namespace {

bool is_valid_file_name(std::string_view name) {
  constexpr std::string_view kForbidden = "\"\\/:*?<>|";
  return std::ranges::none_of(
      name, [&](char c) { return static_cast<unsigned char>(c) < 32 || kForbidden.find(c) != std::string_view::npos; });
}

}  // namespace

std::string current_directory_text(char separator) {
  std::error_code error;
  return with_trailing_separator(std::filesystem::current_path(error).string(), separator);
}

std::string requester_folder(std::string_view working_dir_text, std::string_view current_directory, char separator) {
  std::string folder = with_trailing_separator(working_dir_text, separator);
  return folder.empty() ? std::string(current_directory) : folder;
}

RequesterStart requester_start(std::string_view initial_path, char separator) {
  const size_t last = initial_path.rfind(separator);
  const size_t name_start = last == std::string_view::npos ? 0 : last + 1;
  RequesterStart start{std::string(initial_path.substr(0, name_start)), std::string(initial_path.substr(name_start))};
  if (!is_valid_file_name(start.name)) start.name.clear();
  return start;
}

std::string without_folder(std::string_view text, std::string_view folder) {
  if (folder.empty()) return std::string(text);
  std::string result;
  for (size_t at = text.find(folder); at != std::string_view::npos; at = text.find(folder)) {
    result += text.substr(0, at);
    text.remove_prefix(at + folder.size());
  }
  result += text;
  return result;
}

std::string working_dir_from_choice(std::string_view chosen, std::string_view current_directory, bool ignore_case) {
  const bool is_current = ignore_case ? equal_ignoring_case(chosen, current_directory) : chosen == current_directory;
  return is_current ? std::string() : std::string(chosen);
}

}  // namespace ombrix
