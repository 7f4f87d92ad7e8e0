#include "cli/cli_options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/field_options.h"
#include "settings/settings_file.h"

namespace ombrix {

namespace {

// The arguments after the program's name, last first as CLI11 takes a list. CLI11 reads an
// empty "--opt=" as "--opt" with its value still to come and would take the next argument for
// it; a field option is given its empty text as a separate argument instead, as "--opt ''" is.
std::vector<std::string> arguments_for_parsing(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = argc - 1; i > 0; --i) {
    const std::string argument = argv[i];
    const bool empty_field = std::ranges::any_of(
        kFieldOptions, [&](const FieldOption& option) { return argument == std::string(option.name) + "="; });
    if (empty_field) arguments.push_back("");
    arguments.push_back(empty_field ? argument.substr(0, argument.size() - 1) : argument);
  }
  return arguments;
}

// The run's options as typed, before defaults fill what was not.
struct TypedRunOptions {
  std::map<Field, std::string> fields;
  std::string hull = "auto";
  std::string table;
  std::string picture;
  bool from_settings = false;
};

bool shapes_hulls(Field field) {
  return field != Field::kWorkingDir && field != Field::kInputFiles && field != Field::kOutputFile;
}

void add_hull_option(CLI::App& app, std::string& hull_word) {
  app.add_option("--hull", hull_word,
                 "Which hull procedure to use: auto (the external qconvex program when it lies "
                 "in the current directory, else the tool's own), internal, external, or exact "
                 "(qconvex's planes computed inside the tool, no program needed).")
      ->check(CLI::IsMember({"auto", "internal", "external", "exact"}))
      ->type_name("auto|internal|external|exact");
}

void add_run_options(CLI::App& app, TypedRunOptions& typed) {
  for (const FieldOption& option : kFieldOptions) add_field_option(app, option.field, typed.fields[option.field]);
  add_hull_option(app, typed.hull);
  app.add_option("--table", typed.table,
                 "After the run, write the result table (tab-separated, one row per sphere) to FILE; "
                 "\"-\" prints it after the log.")
      ->type_name("FILE");
  app.add_option("--picture", typed.picture,
                 "After the run has written its hull file, write a picture of its models, hulls and spheres "
                 "from four sides to FILE (PNG).")
      ->type_name("FILE");
  app.add_flag("--settings", typed.from_settings,
               "Take the defaults of the field options from ombrix.ini in the current "
               "directory, as the window does at start-up; options given here still win.");
}

// Parses the arguments; an exit status when the program should stop at once.
std::optional<int> parse_arguments(CLI::App& app, int argc, char** argv) {
  try {
    std::vector<std::string> arguments = arguments_for_parsing(argc, argv);
    app.parse(arguments);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : 2;
  }
  return std::nullopt;
}

// The options of a run: each field as typed or else its default, the rest as typed.
void fill_run_options(const CLI::App& app, const TypedRunOptions& typed, CliOptions& options) {
  std::map<Field, std::string> defaults = default_field_texts(typed.from_settings);
  for (const FieldOption& option : kFieldOptions) {
    const bool given = app.get_option(option.name)->count() > 0;
    options.fields.set(option.field, given ? typed.fields.at(option.field) : defaults[option.field]);
  }
  options.hull = hull_procedure_of_word(typed.hull);
  if (typed.from_settings) options.settings_read.push_back(kSettingsFileName);
  if (app.get_option("--table")->count() > 0) options.table_path = typed.table;
  if (app.get_option("--picture")->count() > 0) options.picture_path = typed.picture;
}

}  // namespace

std::optional<HullProcedure> hull_procedure_of_word(const std::string& word) {
  if (word == "internal") return HullProcedure::kOwn;
  if (word == "exact") return HullProcedure::kExact;
  if (word == "external") return HullProcedure::kExternal;
  return std::nullopt;
}

void add_shape_options(CLI::App& command, std::map<Field, std::string>& given, std::string& hull_word) {
  // The command line is gone when the command runs: what was given is noted while it is parsed.
  for (const FieldOption& option : kFieldOptions) {
    if (!shapes_hulls(option.field)) continue;
    CLI::Option* added = command.add_option(option.name, option.help)->type_name("TEXT");
    checked_field_words(added, option.field)->each([&given, field = option.field](const std::string& text) {
      given[field] = text;
    });
  }
  add_hull_option(command, hull_word);
}

FieldValues shape_fields(const std::map<Field, std::string>& given) {
  FieldValues fields(default_field_texts(false));
  for (const auto& [field, text] : given) fields.set(field, text);
  return fields;
}

std::optional<int> parse_command_line(int argc, char** argv, CliOptions& options) {
  CLI::App app{
      "ombrix-cli: computes the convex hull of each Re-Volt model file, fills the hulls with "
      "collision spheres and writes the game's collision hull file (.hul). Every option takes "
      "the text of one field of the ombrix window and is read exactly as the window's run "
      "reads it.",
      "ombrix-cli"};
  TypedRunOptions typed;
  add_run_options(app, typed);
  const std::vector<CliCommand> commands = add_subcommands(app);
  app.require_subcommand(0, 1);

  if (const std::optional<int> status = parse_arguments(app, argc, argv)) return status;
  for (const CliCommand& command : commands) {
    if (command.subcommand->parsed()) {
      options.command = command.run;
      return std::nullopt;
    }
  }
  fill_run_options(app, typed, options);
  return std::nullopt;
}

}  // namespace ombrix
