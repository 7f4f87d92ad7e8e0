// `ombrix-cli picture --model MODEL.prm [--hul FILE.hul] --output VIEW.png [--size WxH]`: four
// views of a model with its hulls and spheres, as a PNG.
#pragma once

#include <QSize>
#include <optional>
#include <string_view>

#include "cli/cli_command.h"

namespace ombrix {

// "WxH" (digits, "x", digits) within the picture's limits; nothing for any other text.
std::optional<QSize> picture_size(std::string_view text);

CliCommand add_picture_command(CLI::App& app);

}  // namespace ombrix
