// ombrix-bench MODEL...: times each stage's literal and fast forms on every model, one line per
// model and stage: "stage model vertices literal_s fast_s ratio identical". For the exact hull
// the literal form is the external program, which its planes must equal. Then how long a
// picture of each model takes to draw: "picture model polygons hull_faces spheres size draw_s".
// Then how long the viewer takes to follow a dragged sphere: "drag model polygons spheres
// median_move_s longest_move_s". Then the plane budget against the plain greedy: "budget model vertices exact_planes",
// per budget (40, 20, 12) "planes added_% greedy_%", then "budget_cpu_s run_cpu_s run_s greedy_s not_worse": the
// budget's and a whole run's processor seconds, the run's and the greedy's on the clock, and whether no budget enclosed
// more than the greedy's. Then the refined spheres against the greedy's: "refine model vertices", per sphere count (11,
// 20) the covered percent of each on the run's samples and on a finer grid and the filling's seconds of each, then the
// fewest refined spheres that cover as much as 11 greedy ones, a whole refined run's processor and clock seconds, and
// whether the refined never covered less. Then a made-up pack of kPackCars cars of the given bodies checked by
// ombrix-cli: "pack cars bodies check_s report_s report_mb". With --work, only the tool's sphere stage is timed,
// against its work estimate: "model vertices grid samples spheres overshoot work processor_s placed".
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>
#include <QApplication>

#include "budget_stage.h"
#include "drag_stage.h"
#include "exact_stage.h"
#include "hull_stage.h"
#include "model/model_file.h"
#include "pack_stage.h"
#include "picture_stage.h"
#include "refine_stage.h"
#include "shared/number_text.h"
#include "shared/recording_log.h"
#include "sphere_stage.h"
#include "sphere_work_timing.h"

namespace {

using namespace ombrix;
using namespace ombrix::bench;

// In the order a run calls them; the exact hull, another procedure for the hull, comes last.
const std::vector<std::pair<std::string, Stage>> kStages = {
    {"hull", run_hull_stage},
    {"spheres", run_sphere_stage},
    {"exact", run_exact_stage},
};

std::string result_line(const std::string& stage, const std::string& model, size_t vertices,
                        const StageResult& result) {
  const double ratio = result.fast_seconds > 0.0 ? result.literal_seconds / result.fast_seconds : 0.0;
  return stage + " " + model + " " + std::to_string(vertices) + " " + format_fixed(result.literal_seconds, 3) + " " +
         format_fixed(result.fast_seconds, 4) + " " + format_fixed(ratio, 1) + " " + (result.identical ? "yes" : "NO");
}

bool chosen(const std::vector<std::string>& chosen_stages, const std::string& name) {
  return chosen_stages.empty() || std::ranges::find(chosen_stages, name) != chosen_stages.end();
}

// Draws each model and prints how long it took; false when a model could not be read.
bool time_pictures(const std::vector<std::string>& models) {
  bool all_read = true;
  std::cout << "picture model polygons hull_faces spheres size draw_s\n" << std::flush;
  for (const std::string& model : models) {
    std::string fault;
    const std::optional<PictureTiming> timing = time_picture(model, fault);
    if (!timing) {
      std::cerr << fault << '\n';
      all_read = false;
      continue;
    }
    std::cout << "picture " << model << " " << timing->polygons << " " << timing->hull_faces << " " << timing->spheres
              << " " << kPictureWidth << "x" << kPictureHeight << " " << format_fixed(timing->seconds, 4) << '\n'
              << std::flush;
  }
  return all_read;
}

// One line of the work timing, or the settings and "refused" when the grids are too large.
std::string work_line(const std::string& model, size_t vertices, const BenchSettings& settings,
                      const std::optional<WorkTiming>& timing) {
  std::string line = model + " " + std::to_string(vertices) + " " + settings.grid.value_or("7.0") + " " +
                     settings.samples.value_or("21.0") + " " + settings.spheres.value_or("11") + " " +
                     settings.overshoot.value_or("0.0") + " ";
  if (!timing) return line + "refused";
  char work[32];
  std::snprintf(work, sizeof work, "%.3g", timing->work);
  return line + work + " " + format_fixed(timing->processor_seconds, 2) + " " + std::to_string(timing->spheres);
}

// The vertices of `model`, or none, with the reader's lines on the error stream, when it cannot
// be read.
std::optional<VertexList> read_vertices(const std::string& model) {
  VertexList vertices;
  RecordingLog reader_log;
  if (read_model_file(model, vertices, reader_log)) return vertices;
  for (const std::string& text : reader_log.texts()) std::cerr << text << '\n';
  return std::nullopt;
}

// Measures the plane budget on each model; false when a model could not be read or a budget
// enclosed more than the greedy's.
bool time_budgets(const std::vector<std::string>& models) {
  bool all_well = true;
  std::cout << "budget model vertices exact_planes";
  for (const size_t budget : kBenchBudgets) {
    std::cout << " planes_" << budget << " added_" << budget << " greedy_" << budget;
  }
  std::cout << " budget_cpu_s run_cpu_s run_s greedy_s not_worse\n" << std::flush;
  for (const std::string& model : models) {
    const std::optional<VertexList> vertices = read_vertices(model);
    all_well = all_well && vertices;
    if (!vertices) continue;
    const BudgetTiming timing = time_budget(model, *vertices);
    std::cout << "budget " << model << " " << vertices->size() << " " << timing.exact_planes;
    for (const BudgetPoint& point : timing.budgets) {
      std::cout << " " << point.planes << " " << format_fixed(point.added_percent, 3) << " "
                << format_fixed(point.greedy_percent, 3);
    }
    std::cout << " " << format_fixed(timing.budget_seconds, 4) << " " << format_fixed(timing.run_seconds, 4) << " "
              << format_fixed(timing.run_wall_seconds, 4) << " " << format_fixed(timing.greedy_seconds, 3) << " "
              << (timing.never_worse ? "yes" : "NO") << '\n'
              << std::flush;
    all_well = all_well && timing.never_worse;
  }
  return all_well;
}

// Drags a sphere in the viewer on each model and prints how long each move took; false when a
// model could not be run.
bool time_drags(const std::vector<std::string>& models) {
  bool all_run = true;
  std::cout << "drag model polygons spheres median_move_s longest_move_s\n" << std::flush;
  for (const std::string& model : models) {
    std::string fault;
    const std::optional<DragTiming> timing = time_drag(model, fault);
    all_run = all_run && timing;
    if (!timing) {
      std::cerr << "ombrix-bench: " << model << ": " << fault << '\n';
      continue;
    }
    std::cout << "drag " << model << " " << timing->polygons << " " << timing->spheres << " "
              << format_fixed(timing->median_seconds, 4) << " " << format_fixed(timing->longest_seconds, 4) << '\n'
              << std::flush;
  }
  return all_run;
}

// Measures the refined placement against the greedy on each model; false when a model could not
// be read or the refined spheres covered less.
bool time_refines(const std::vector<std::string>& models) {
  bool all_well = true;
  std::cout << "refine model vertices";
  for (const size_t count : kRefineSphereCounts) {
    std::cout << " greedy_" << count << " refined_" << count << " fine_greedy_" << count << " fine_refined_" << count
              << " greedy_s_" << count << " refined_s_" << count;
  }
  std::cout << " spheres_to_match run_cpu_s run_s not_worse\n" << std::flush;
  for (const std::string& model : models) {
    const std::optional<VertexList> vertices = read_vertices(model);
    all_well = all_well && vertices;
    if (!vertices) continue;
    const RefineTiming timing = time_refine(model, *vertices);
    std::cout << "refine " << model << " " << vertices->size();
    for (const RefinePoint& point : timing.points) {
      std::cout << " " << format_fixed(point.greedy_percent, 1) << " " << format_fixed(point.refined_percent, 1) << " "
                << format_fixed(point.fine_greedy_percent, 1) << " " << format_fixed(point.fine_refined_percent, 1)
                << " " << format_fixed(point.greedy_seconds, 4) << " " << format_fixed(point.refined_seconds, 4);
    }
    std::cout << " " << timing.spheres_to_match << " " << format_fixed(timing.run_seconds, 4) << " "
              << format_fixed(timing.run_wall_seconds, 4) << " " << (timing.never_worse ? "yes" : "NO") << '\n'
              << std::flush;
    all_well = all_well && timing.never_worse;
  }
  return all_well;
}

// Times the sphere stage of each model against its work estimate; false when a model could not
// be read.
bool time_work(const std::vector<std::string>& models, const BenchSettings& settings) {
  bool all_read = true;
  std::cout << "model vertices grid samples spheres overshoot work processor_s placed\n" << std::flush;
  for (const std::string& model : models) {
    const std::optional<VertexList> vertices = read_vertices(model);
    all_read = all_read && vertices;
    if (!vertices) continue;
    std::cout << work_line(model, vertices->size(), settings, time_sphere_work(*vertices, settings)) << '\n'
              << std::flush;
  }
  return all_read;
}

}  // namespace

// Times the check of a made-up pack with the ombrix-cli beside this program; false when it failed.
bool time_pack_check(const std::vector<std::string>& models, const char* program) {
  std::string fault;
  const std::filesystem::path cli = std::filesystem::absolute(program).parent_path() / "ombrix-cli";
  const std::optional<PackTiming> timing = time_pack(models, cli, fault);
  std::cout << "pack cars bodies check_s report_s report_mb\n";
  if (!timing) {
    std::cerr << "ombrix-bench: pack: " << fault << '\n';
    return false;
  }
  std::cout << "pack " << timing->cars << " " << timing->bodies << " " << format_fixed(timing->check_seconds, 2) << " "
            << format_fixed(timing->report_seconds, 2) << " " << format_fixed(timing->report_bytes / 1e6, 1) << '\n'
            << std::flush;
  return true;
}

int main(int argc, char** argv) {
  CLI::App app{"Times the literal and the fast form of each stage on each model file."};
  std::vector<std::string> models;
  BenchSettings settings;
  app.add_option("MODEL", models, "model files (.prm or .m)")->required();
  app.add_option("--grid", settings.grid, "sphere grid resolution, for the sphere stage");
  app.add_option("--samples", settings.samples, "sphere sampling resolution, for the sphere stage");
  app.add_option("--qconvex", settings.qconvex, "the qconvex program the exact stage is compared with")
      ->capture_default_str();
  std::vector<std::string> chosen_stages;
  app.add_option("--stage", chosen_stages,
                 "only this stage (hull, spheres, exact, picture, drag, budget, refine or pack; may be repeated); all "
                 "by default")
      ->check(CLI::IsMember({"hull", "spheres", "exact", "picture", "drag", "budget", "refine", "pack"}))
      ->allow_extra_args(false);
  app.add_option("--spheres", settings.spheres, "target number of spheres, for --work");
  app.add_option("--overshoot", settings.overshoot, "overshoot in percent, for --work");
  bool work = false;
  app.add_flag("--work", work, "only time the tool's sphere stage against its work estimate, past the bound too");
  CLI11_PARSE(app, argc, argv);
  // Sphere numbers are drawn with fonts, and the drag stage opens the viewer: both need an
  // application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

#ifndef NDEBUG
  std::cerr << "ombrix-bench: built without NDEBUG; the figures of a Debug build mean little\n";
#endif
  if (work) return time_work(models, settings) ? 0 : 1;
  bool all_identical = true;
  const bool any_compared =
      std::ranges::any_of(kStages, [&](const auto& stage) { return chosen(chosen_stages, stage.first); });
  if (any_compared) std::cout << "stage model vertices literal_s fast_s ratio identical\n" << std::flush;
  for (const std::string& model : any_compared ? models : std::vector<std::string>()) {
    const std::optional<VertexList> vertices = read_vertices(model);
    all_identical = all_identical && vertices;
    if (!vertices) continue;
    for (const auto& [name, stage] : kStages) {
      if (!chosen(chosen_stages, name)) continue;
      const StageResult result = stage(*vertices, settings);
      all_identical = all_identical && result.identical;
      std::cout << result_line(name, model, vertices->size(), result) << '\n' << std::flush;
    }
  }
  const bool all_drawn = !chosen(chosen_stages, "picture") || time_pictures(models);
  const bool all_dragged = !chosen(chosen_stages, "drag") || time_drags(models);
  const bool all_budgeted = !chosen(chosen_stages, "budget") || time_budgets(models);
  const bool all_refined = !chosen(chosen_stages, "refine") || time_refines(models);
  const bool pack_checked = !chosen(chosen_stages, "pack") || time_pack_check(models, argv[0]);
  return all_identical && all_drawn && all_dragged && all_budgeted && all_refined && pack_checked ? 0 : 1;
}
