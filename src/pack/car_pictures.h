// The pictures of one car in a pack report: a small three-quarter view for the table and the
// four views it opens, of the body with one hull file and its spheres.
#pragma once

#include <filesystem>
#include <string>

namespace ombrix {

// The thumbnail's size in pixels, and the four views'.
inline constexpr int kThumbnailWidth = 240;
inline constexpr int kThumbnailHeight = 160;
inline constexpr int kViewsWidth = 960;
inline constexpr int kViewsHeight = 720;

// The pictures' names in the report folder: "pictures/car-007.png" and "pictures/car-007-views.png",
// "-fresh" before ".png" or "-views" for a rebuilt hull file. Numbers, so that any folder name
// makes a file name.
std::string thumbnail_name(size_t car, bool fresh);
std::string views_name(size_t car, bool fresh);

// Draws the body (none when empty) with the hull file (none when empty) into `report` under the
// two names above. Needs a GUI application for the legend's fonts; safe on several threads at
// once. Returns whether both were written.
bool draw_car_pictures(const std::filesystem::path& body, const std::filesystem::path& hull,
                       const std::filesystem::path& report, size_t car, bool fresh);

}  // namespace ombrix
