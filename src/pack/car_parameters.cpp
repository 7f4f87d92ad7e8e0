#include "pack/car_parameters.h"

#include <algorithm>

#include "shared/text.h"

namespace ombrix {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// The words of one line up to its comment; a quoted text is one word without its quotes.
std::vector<std::string_view> words_of(std::string_view line) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < line.size()) {
    if (blank(line[at])) {
      ++at;
    } else if (line[at] == ';') {
      break;
    } else if (line[at] == '"') {
      const size_t end = line.find('"', at + 1);
      const size_t stop = end == std::string_view::npos ? line.size() : end;
      words.push_back(line.substr(at + 1, stop - at - 1));
      at = stop + 1;
    } else {
      size_t end = at;
      while (end < line.size() && !blank(line[end]) && line[end] != ';' && line[end] != '"') ++end;
      words.push_back(line.substr(at, end - at));
      at = end;
    }
  }
  return words;
}

void keep(std::optional<std::string>& entry, std::string_view value, std::string_view keyword,
          std::vector<std::string>& notes) {
  const std::string note = std::string(keyword) + " is given more than once; the last is used";
  if (entry && *entry != value && std::find(notes.begin(), notes.end(), note) == notes.end()) notes.push_back(note);
  entry = std::string(value);
}

}  // namespace

CarParameters read_car_parameters(std::string_view text) {
  CarParameters parameters;
  if (text.find('\0') != std::string_view::npos) {
    parameters.notes.push_back("parameters.txt is not text");
    return parameters;
  }
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::vector<std::string_view> words = words_of(line);
    if (words.size() >= 3 && equal_ignoring_case(words[0], "MODEL") && words[1] == "0") {
      keep(parameters.body, words[2], "MODEL 0", parameters.notes);
    } else if (words.size() >= 2 && equal_ignoring_case(words[0], "COLL")) {
      keep(parameters.hull, words[1], "COLL", parameters.notes);
    } else if (words.size() >= 2 && equal_ignoring_case(words[0], "NAME")) {
      keep(parameters.name, words[1], "Name", parameters.notes);
    }
  }
  return parameters;
}

}  // namespace ombrix
