// Pictures from the command line: four views of a scene written as a PNG, with no display.
#pragma once

#include <QGuiApplication>
#include <QSize>
#include <memory>
#include <span>
#include <string>

#include "picture/picture_scene.h"

namespace ombrix {

// The size of a picture when none is asked for.
inline constexpr QSize kDefaultPictureSize{1200, 900};

// A GUI application on the offscreen platform, which text in pictures needs for its fonts, for
// as long as it is kept; nothing when one is already running.
std::unique_ptr<QGuiApplication> offscreen_application();

// Writes the four views of `scene` with its legend to `path` as a PNG of `size` (which must lie
// within four_view_picture's limits), drawing offscreen, through write_command_file: never over
// one of `inputs`. Says on the standard error stream when it cannot be written. Returns whether
// it was.
bool write_scene_picture(const PictureScene& scene, const std::string& path, std::span<const std::string> inputs,
                         QSize size = kDefaultPictureSize);

}  // namespace ombrix
