// The names the window takes from the input field outside a run.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// The input text up to its first "|", without the spaces around it. A "*" and what follows it
// stay part of the name.
std::string first_input_name(std::string_view input_text);

// The output name the "<" button derives: the first input name with the extension after its
// last "." (one that follows the last "\" or "/") replaced by "hul", whatever its case; a name
// without an extension is returned unchanged, an empty input gives an empty name.
std::string derived_output_name(std::string_view input_text);

}  // namespace ombrix
