// The window's fields as options of ombrix-cli: each option's name and help, shared by the run
// and the subcommands that read the same fields.
#pragma once

#include <map>
#include <string>

#include <CLI/CLI.hpp>

#include "shared/fields.h"

namespace ombrix {

struct FieldOption {
  Field field;
  const char* name;
  const char* help;
};

inline constexpr FieldOption kFieldOptions[] = {
    {Field::kWorkingDir, "--workdir",
     "Working directory: the folder the input and output names are relative to. Default: empty, "
     "the current directory."},
    {Field::kInputFiles, "--input",
     "Model files (.prm or .m): \"|\" separates main volumes, \"*\" adds an excluded volume "
     "(a region the spheres keep out of) to the volume before it. Default: body.prm"},
    {Field::kOutputFile, "--output", "Name of the .hul file to write. Default: hull.hul"},
    {Field::kTargetSpheres, "--spheres", "Target number of collision spheres over all main volumes. Default: 11"},
    {Field::kGridResolution, "--grid",
     "Sphere grid resolution: about how many sphere centres are tried across the smallest side "
     "of each volume's box. Default: 7.0"},
    {Field::kSampleResolution, "--samples",
     "Sphere sampling resolution: about how many sample points measure the smallest side. "
     "Default: 21.0"},
    {Field::kOvershoot, "--overshoot",
     "Allowed overshoot in percent of the smallest side: lets spheres reach beyond the hull. "
     "Default: 0.0"},
    {Field::kMaxPlanes, "--planes",
     "Max planes: at most this many planes per hull (4 to 32767), every vertex still inside; "
     "a hull with more is replaced by one that encloses as little more as the tool finds. "
     "Default: empty, no limit (as 0)."},
    {Field::kPlacement, "--placement",
     "How the spheres are placed: greedy (one by one, each covering most of what is left) or refined "
     "(the greedy's spheres, then moved to cover more of the hull). Default: greedy"},
};

// The fields the sphere stage reads: the options of every command that fills spheres.
inline constexpr Field kSphereFields[] = {Field::kTargetSpheres, Field::kGridResolution, Field::kSampleResolution,
                                          Field::kOvershoot, Field::kPlacement};

// Every field's text when no option gives it: a first start's, or with `from_settings_file` the
// settings file's in the current directory, as the window starts.
std::map<Field, std::string> default_field_texts(bool from_settings_file);

// The option of `field`; every field has one.
constexpr const FieldOption& field_option(Field field) {
  for (const FieldOption& option : kFieldOptions) {
    if (option.field == field) return option;
  }
  return kFieldOptions[0];
}

// Adds `field`'s option to `app`, read into `text`; a field with a fixed set of words refuses others.
CLI::Option* add_field_option(CLI::App& app, Field field, std::string& text);

// `option`, made to refuse any word but its field's own where the field has a fixed set of words.
CLI::Option* checked_field_words(CLI::Option* option, Field field);

}  // namespace ombrix
