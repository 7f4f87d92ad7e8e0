#include "cli/check_command.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/check_report.h"
#include "cli/cli_options.h"
#include "cli/picture_output.h"
#include "hull/budget/plane_budget.h"
#include "hull/external/external_hull.h"
#include "pack/car_check.h"
#include "pack/car_pictures.h"
#include "pack/game_path.h"
#include "pack/in_order.h"
#include "pack/pack_layout.h"
#include "pack/pack_tally.h"
#include "pack/rebuild_car.h"
#include "pack/report_page.h"
#include "shared/platform_file.h"
#include "shared/write_file.h"

namespace ombrix {

namespace fs = std::filesystem;

namespace {

struct CheckOptions {
  std::string path;
  bool json = false;
  bool strict = false;
  size_t jobs = 0;  // 0: one per core
  std::string report;
  std::string rebuild;
  std::map<Field, std::string> shape;
  std::string hull_word = "auto";
};

// "checked 12 of 163" over itself on standard error, only where someone watches it.
class Progress {
 public:
  explicit Progress(size_t total) : total_(total), shown_(platform::standard_error_is_terminal()) {}
  void advance(size_t done) const {
    if (shown_) std::cerr << "\rchecked " << done << " of " << total_ << std::flush;
  }
  // Before a line on standard output, which may share the terminal.
  void clear() const {
    if (shown_) std::cerr << "\r\033[K" << std::flush;
  }
  ~Progress() { clear(); }

 private:
  size_t total_;
  bool shown_;
};

// An output folder outside the game folder, made ready with its folder `inside`; a line on standard error when it
// cannot be.
bool ready_output_folder(const std::string& folder, const char* option, const PackLayout& layout,
                         const fs::path& inside = {}) {
  // The folder inside is looked at too: a link there would lead the writes into the pack.
  if (would_lie_within(layout.game, fs::path(folder) / inside)) {
    std::cerr << "ombrix-cli: " << option << ' ' << folder << " lies inside the game folder " << layout.game.string()
              << "; choose a folder outside the pack\n";
    return false;
  }
  std::error_code error;
  fs::create_directories(fs::path(folder) / inside, error);
  if (error) {
    std::cerr << "ombrix-cli: can't make the folder " << folder << ": " << error.message() << '\n';
    return false;
  }
  return true;
}

// Whether both pictures of a car would be written outside the game folder once links are followed.
bool pictures_outside_pack(const PackLayout& layout, const fs::path& report, size_t car, bool fresh) {
  return !would_lie_within(layout.game, report / thumbnail_name(car, fresh)) &&
         !would_lie_within(layout.game, report / views_name(car, fresh));
}

bool write_page(const std::string& folder, const std::string& page, const PackLayout& layout) {
  const fs::path target = fs::path(folder) / "index.html";
  if (would_lie_within(layout.game, target)) {
    std::cerr << "ombrix-cli: can't write the report page " << target.string()
              << ": it is a link into the game folder\n";
    return false;
  }
  const FileWrite write = write_whole_file(target.string(), page);
  if (write.outcome != WriteOutcome::kWritten) {
    std::cerr << "ombrix-cli: can't write the report page " << target.string()
              << (write.reason.empty() ? "" : ": " + write.reason) << '\n';
    return false;
  }
  return true;
}

HullMaker chosen_hull(const std::string& word) {
  const std::optional<HullProcedure> asked = hull_procedure_of_word(word);
  const HullProcedure procedure = asked ? *asked : default_hull_procedure(external_hull_program_present());
  return {hull_builder(procedure), hull_tolerance(procedure)};
}

int run_check(const CheckOptions& options) {
  const PackLayout layout = find_pack_layout(options.path);
  if (!layout.fault.empty()) {
    std::cerr << "ombrix-cli: " << layout.fault << '\n';
    return 2;
  }
  const bool report = !options.report.empty();
  const bool rebuild = !options.rebuild.empty();
  if (report && !ready_output_folder(options.report, "--report", layout, "pictures")) return 2;
  if (rebuild && !ready_output_folder(options.rebuild, "--rebuild", layout)) return 2;
  const FieldValues fields = shape_fields(options.shape);
  if (rebuild && !read_plane_budget(fields.field_text(Field::kMaxPlanes))) {
    std::cerr << "ombrix-cli: " << plane_budget_refusal(fields.field_text(Field::kMaxPlanes)) << '\n';
    return 2;
  }
  const HullMaker hull = chosen_hull(options.hull_word);
  const std::unique_ptr<QGuiApplication> application = report ? offscreen_application() : nullptr;

  const size_t jobs = options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  std::vector<CarCheck> cars(layout.car_folders.size());
  std::vector<char> pictured(cars.size(), 0);  // not vector<bool>: threads write neighbouring entries
  const auto check_and_draw = [&](CarCheck& car, size_t i) {
    car = check_car(layout, layout.car_folders[i]);
    if (!car.is_car) return;
    if (rebuild) car.fresh = rebuild_car(car, fields, hull, options.rebuild, options.rebuild, layout.game);
    if (!report || (car.body_file.empty() && car.hull_file.empty())) return;
    bool drawn = pictures_outside_pack(layout, options.report, i, false) &&
                 draw_car_pictures(car.body_file, car.hull_file, options.report, i, false);
    if (car.fresh && car.fresh->fault.empty())
      drawn = pictures_outside_pack(layout, options.report, i, true) &&
              draw_car_pictures(car.body_file, car.fresh->path, options.report, i, true) && drawn;
    pictured[i] = drawn;
  };
  {
    const Progress progress(cars.size());
    run_in_order(
        cars.size(), jobs,
        [&](size_t i) {
          CarCheck& car = cars[i];
          try {
            check_and_draw(car, i);
          } catch (const std::exception& stop) {  // memory or the file system gave out: this car only
            car.is_car = true;
            car.findings.push_back(
                {"check-stopped", Severity::kError, std::string("the check stopped: ") + stop.what()});
            ++car.count.errors;
          }
        },
        [&](size_t i) {
          progress.clear();
          if (!options.json) std::cout << check_line(cars[i]) << '\n' << std::flush;
          progress.advance(i + 1);
        });
  }
  if (options.json) {
    std::cout << check_json(options.path, cars) << std::flush;
  } else {
    std::cout << check_total(tally_cars(cars)) << '\n' << std::flush;
  }
  if (report &&
      !write_page(options.report, report_page(options.path, cars, std::vector<bool>(pictured.begin(), pictured.end())),
                  layout))
    return 2;
  for (const CarCheck& car : cars) {
    if (fails(car, options.strict)) return 1;
  }
  return 0;
}

}  // namespace

CliCommand add_check_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "check",
      "Check every car of a pack: each car's hull file against its body, as inspect does. Exit status: 0 no car "
      "with an error, 1 a car with an error (or a warning, with --strict), 2 PATH cannot be read.");
  auto options = std::make_shared<CheckOptions>();
  command->add_option("PATH", options->path, "A game folder (holding cars/), a cars/ folder, or one car's folder.")
      ->required()
      ->type_name("PATH");
  command->add_flag("--json", options->json, "Print one JSON document instead of lines.");
  command->add_flag("--strict", options->strict, "Exit with 1 on warnings too.");
  command->add_option("--jobs", options->jobs, "Check this many cars at once. Default: one per core.")
      ->type_name("N")
      ->check(CLI::Range(size_t{1}, size_t{256}));
  command
      ->add_option("--report", options->report,
                   "Write an HTML page (DIR/index.html) with a picture of every car, its figures and findings.")
      ->type_name("DIR");
  command
      ->add_option("--rebuild", options->rebuild,
                   "Make each car's hull file afresh from its body with the options below, into DIR/<car "
                   "folder>/hull.hul; the pack is not touched.")
      ->type_name("DIR");
  add_shape_options(*command, options->shape, options->hull_word);
  return {command, [options] { return run_check(*options); }};
}

}  // namespace ombrix
