// The model the viewer shows beside a hull file when none is named.
#pragma once

#include <string>

namespace ombrix {

// The game's name for a car's model, looked for beside its hull file.
inline constexpr const char* kCarModelName = "body.prm";

// The path of kCarModelName in the folder of `hul_path` when such a file is there, else empty.
std::string model_beside(const std::string& hul_path);

}  // namespace ombrix
