#include "cli/check_command.h"

#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/check_report.h"
#include "pack/car_check.h"
#include "pack/in_order.h"
#include "pack/pack_layout.h"
#include "pack/pack_tally.h"

namespace ombrix {

namespace {

struct CheckOptions {
  std::string path;
  bool json = false;
  bool strict = false;
  size_t jobs = 0;  // 0: one per core
};

// "checked 12 of 163" over itself on standard error, only where someone watches it.
class Progress {
 public:
  explicit Progress(size_t total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
  void advance(size_t done) const {
    if (shown_) std::cerr << "\rchecked " << done << " of " << total_ << std::flush;
  }
  ~Progress() {
    if (shown_) std::cerr << "\r\033[K" << std::flush;
  }

 private:
  size_t total_;
  bool shown_;
};

int run_check(const CheckOptions& options) {
  const PackLayout layout = find_pack_layout(options.path);
  if (!layout.fault.empty()) {
    std::cerr << "ombrix-cli: " << layout.fault << '\n';
    return 2;
  }
  const size_t jobs = options.jobs > 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  std::vector<CarCheck> cars(layout.car_folders.size());
  {
    const Progress progress(cars.size());
    run_in_order(
        cars.size(), jobs, [&](size_t i) { cars[i] = check_car(layout, layout.car_folders[i]); },
        [&](size_t i) {
          if (!options.json) std::cout << check_line(cars[i]) << '\n' << std::flush;
          progress.advance(i + 1);
        });
  }
  if (options.json) {
    std::cout << check_json(options.path, cars) << std::flush;
  } else {
    std::cout << check_total(tally_cars(cars)) << '\n' << std::flush;
  }
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
  return {command, [options] { return run_check(*options); }};
}

}  // namespace ombrix
