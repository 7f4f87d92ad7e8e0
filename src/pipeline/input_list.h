// How the input field's text becomes the list of files of a run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

struct InputEntry {
  std::string path;       // directory prefix followed directly by the name as typed
  bool excluded = false;  // true for a name after "*": an excluded volume of the main volume before it
};

// Splits `input` at "|" into groups and each group at "*" into names, trimming spaces (not TABs)
// around each; the first name of a group is a main volume, the others its excluded volumes.
// Empty groups and names are kept: their entry's path is the bare `directory_prefix`.
std::vector<InputEntry> parse_input_list(std::string_view input, std::string_view directory_prefix);

}  // namespace ombrix
