#include "pack/pack_layout.h"

#include <algorithm>
#include <system_error>

#include "shared/text.h"

namespace ombrix {

namespace fs = std::filesystem;

namespace {

bool is_folder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

bool folder_or_broken_link(const fs::path& path) {
  std::error_code error;
  if (is_folder(path)) return true;
  return fs::is_symlink(fs::symlink_status(path, error)) && !fs::exists(path, error);
}

// The entry of `folder` named cars in any letter case that is a folder; empty when none.
fs::path cars_folder_in(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator entries(folder, error), end; !error && entries != end; entries.increment(error)) {
    if (equal_ignoring_case(entries->path().filename().string(), "cars") && is_folder(entries->path()))
      return entries->path();
  }
  return {};
}

// The folders in `cars`, named relative to the game folder; a fault when it cannot be listed.
void list_car_folders(const fs::path& cars, PackLayout& layout) {
  const std::string prefix = cars.filename().string() + "/";
  std::error_code error;
  fs::directory_iterator entries(cars, error);
  for (fs::directory_iterator end; !error && entries != end; entries.increment(error)) {
    if (folder_or_broken_link(entries->path()))
      layout.car_folders.push_back(prefix + entries->path().filename().string());
  }
  if (error) {
    layout.fault = "can't list the folder " + cars.string() + ": " + error.message();
    layout.car_folders.clear();
    return;
  }
  std::sort(layout.car_folders.begin(), layout.car_folders.end());
}

}  // namespace

PackLayout find_pack_layout(const fs::path& path) {
  PackLayout layout;
  if (!is_folder(path)) {
    layout.fault = "can't read " + path.string() + ": it is not a folder";
    return layout;
  }
  std::error_code error;
  const fs::path whole = fs::absolute(path, error).lexically_normal();
  const fs::path folder = whole.has_filename() ? whole : whole.parent_path();
  if (const fs::path cars = cars_folder_in(folder); !cars.empty()) {
    layout.game = folder;
    list_car_folders(cars, layout);
  } else if (equal_ignoring_case(folder.filename().string(), "cars")) {
    layout.game = folder.parent_path();
    layout.given_in_game = folder.filename().string();
    list_car_folders(folder, layout);
  } else if (!folder.has_filename()) {  // the root: no car's folder, and nothing above it
    layout.fault = "can't read " + path.string() + ": it holds no cars folder and is not a car's folder";
  } else {
    layout.game = folder.parent_path().parent_path();
    layout.given_in_game = folder.parent_path().filename().string() + "/" + folder.filename().string();
    layout.car_folders.push_back(layout.given_in_game);
  }
  return layout;
}

}  // namespace ombrix
