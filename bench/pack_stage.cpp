#include "pack_stage.h"

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "stage_timing.h"

namespace ombrix::bench {

namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& path) {
  std::string text(1, '\'');
  text.append(path.string());
  text.push_back('\'');
  return text;
}

bool run_quietly(const std::string& command) { return std::system((command + " > /dev/null 2>&1").c_str()) == 0; }

std::uintmax_t folder_bytes(const fs::path& folder) {
  std::uintmax_t bytes = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) bytes += entry.file_size();
  }
  return bytes;
}

// The hull file of 40 planes the tool makes from `body`, kept beside it in `made`.
std::optional<fs::path> made_hull(const fs::path& cli, const fs::path& body, const fs::path& made, int index) {
  const fs::path folder = made / std::to_string(index);
  fs::create_directories(folder);
  fs::copy_file(body, folder / "body.prm");
  if (!run_quietly(quoted(cli) + " --workdir " + quoted(folder) + " --input body.prm --output hull.hul --planes 40"))
    return std::nullopt;
  return folder / "hull.hul";
}

}  // namespace

std::optional<PackTiming> time_pack(const std::vector<std::string>& models, const fs::path& cli, std::string& fault) {
  std::vector<fs::path> bodies;
  for (const std::string& model : models) {
    if (fs::path(model).filename() == "body.prm") bodies.emplace_back(model);
  }
  if (bodies.empty()) {
    fault = "no body.prm among the models";
    return std::nullopt;
  }
  const fs::path scratch = fs::temp_directory_path() / ("ombrix-bench-pack-" + std::to_string(::getpid()));
  const fs::path game = scratch / "game";
  std::vector<fs::path> hulls;
  for (size_t b = 0; b < bodies.size(); ++b) {
    const std::optional<fs::path> hull = made_hull(cli, bodies[b], scratch / "made", static_cast<int>(b));
    if (!hull) {
      fault = "can't make a hull file of " + bodies[b].string();
      fs::remove_all(scratch);
      return std::nullopt;
    }
    hulls.push_back(*hull);
  }
  for (int i = 0; i < kPackCars; ++i) {
    const std::string name = "car_" + std::to_string(i);
    const fs::path folder = game / "cars" / name;
    fs::create_directories(folder);
    const size_t b = static_cast<size_t>(i) % bodies.size();
    fs::copy_file(bodies[b], folder / "body.prm");
    fs::copy_file(hulls[b], folder / "hull.hul");
    std::ofstream(folder / "parameters.txt") << "Name \"Car " << i << "\"\r\nMODEL 0 \"Cars\\" << name
                                             << "\\Body.prm\"\r\nCOLL \"CARS\\" << name << "\\HULL.HUL\"\r\n";
  }
  PackTiming timing;
  timing.cars = kPackCars;
  timing.bodies = static_cast<int>(bodies.size());
  bool checked = true;
  // A pack with warnings exits with 0, one with errors with 1: either is a finished check.
  const auto check = [&](const std::string& options) {
    const int status = std::system((quoted(cli) + " check " + quoted(game) + options + " > /dev/null 2>&1").c_str());
    checked = checked && status != -1 && WEXITSTATUS(status) <= 1;
  };
  timing.check_seconds = seconds_of([&] { check(""); });
  timing.report_seconds = seconds_of([&] { check(" --report " + quoted(scratch / "report")); });
  if (checked) timing.report_bytes = static_cast<double>(folder_bytes(scratch / "report"));
  fs::remove_all(scratch);
  if (!checked) {
    fault = "the check did not finish";
    return std::nullopt;
  }
  return timing;
}

}  // namespace ombrix::bench
