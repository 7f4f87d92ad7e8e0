// The settings file "ombrix.ini": the field texts kept from one start of the tool to the next.
#pragma once

#include <string>

namespace ombrix {

inline constexpr const char* kSettingsFileName = "ombrix.ini";

// The texts of the stored fields, as the fields show them; the defaults are a first start's.
struct FieldSettings {
  std::string files = "body.prm";
  std::string file_save = "hull.hul";
  std::string grid_resolution_val = "7.0";
  std::string sample_sphere_resolution_val = "21.0";
  std::string target_sphere_n = "11";
  std::string sphere_overshot_val = "0.0";
  bool update_clipboard = false;
};

// The settings stored in the file at `path`; a missing or unreadable file gives the defaults.
FieldSettings load_settings_file(const std::string& path);

}  // namespace ombrix
