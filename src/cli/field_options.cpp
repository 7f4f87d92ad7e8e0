#include "cli/field_options.h"

#include "settings/settings_file.h"

namespace ombrix {

std::map<Field, std::string> default_field_texts(bool from_settings_file) {
  const FieldSettings settings = from_settings_file ? load_settings_file(kSettingsFileName) : FieldSettings{};
  return {
      {Field::kWorkingDir, ""},
      {Field::kInputFiles, settings.files},
      {Field::kOutputFile, settings.file_save},
      {Field::kTargetSpheres, settings.target_sphere_n},
      {Field::kGridResolution, settings.grid_resolution_val},
      {Field::kSampleResolution, settings.sample_sphere_resolution_val},
      {Field::kOvershoot, settings.sphere_overshot_val},
      {Field::kMaxPlanes, settings.max_planes},
      {Field::kPlacement, settings.sphere_placement},
  };
}

CLI::Option* checked_field_words(CLI::Option* option, Field field) {
  if (field == Field::kPlacement) option->check(CLI::IsMember({"greedy", "refined"}))->type_name("greedy|refined");
  return option;
}

CLI::Option* add_field_option(CLI::App& app, Field field, std::string& text) {
  const FieldOption& option = field_option(field);
  return checked_field_words(app.add_option(option.name, text, option.help)->type_name("TEXT"), field);
}

}  // namespace ombrix
