#include "pipeline/run_pipeline.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "hulfile/hul_file.h"
#include "hull/budget/plane_budget.h"
#include "model/model_file.h"
#include "model/vertex_box.h"
#include "pipeline/input_list.h"
#include "record/collision_data.h"
#include "record/hull_file_limits.h"
#include "shared/number_text.h"
#include "shared/paths.h"
#include "shared/write_file.h"
#include "spheres/fill_spheres.h"

namespace ombrix {

namespace {

// A 32-bit millisecond tick count: the elapsed time stays right across its wrap-around.
std::uint32_t tick_count() {
  const auto since_start = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since_start).count());
}

// Regular files only (a link to one counts): a folder is not a model, and a pipe would block.
bool names_a_file(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

std::string directory_prefix(const Fields& fields) {
  return with_trailing_separator(fields.field_text(Field::kWorkingDir));
}

// Reads every entry into `product`; a file that cannot be read is skipped with the reader's
// message. A `most_planes` of 0 is no budget.
void read_volumes(const std::vector<InputEntry>& entries, const HullMaker& hull, size_t most_planes,
                  RunProduct& product, Log& log) {
  CollisionData& data = product.data;
  VertexList vertices;
  for (const InputEntry& entry : entries) {
    if (!read_model_file(entry.path, vertices, log)) continue;

    Volume* target = nullptr;
    if (!entry.excluded) {
      target = &data.volumes.emplace_back();
      product.model_paths.push_back(entry.path);
    } else if (!data.volumes.empty()) {
      target = &data.volumes.back().excluded.emplace_back();
    } else {
      log.log_message("    Excluded volume ignored (no main volume before it): " + entry.path, Stamp::kStamped);
      continue;
    }
    bbox_of_vertices(target->box, vertices);
    hull.build(target->planes, vertices, log);
    if (most_planes > 0) apply_plane_budget(target->planes, vertices, most_planes, hull.tolerance, log);
  }
}

std::string count_text(size_t count) { return format_whole(static_cast<std::int64_t>(count)); }

// Why `data` does not fit a hull file, and the way out. A run fills only the main volumes'
// planes and the spheres, never points or edges.
std::string too_large_reason(const CollisionData& data) {
  const std::string limit = ", more than the " + count_text(kMostHullFileEntries) + " a hull file holds; ";
  for (const Volume& volume : data.volumes) {
    if (volume.planes.size() > kMostHullFileEntries) {
      return "a hull has " + count_text(volume.planes.size()) + " planes" + limit +
             "choose the exact hull procedure, which gives each flat side one plane";
    }
  }
  if (data.spheres.size() > kMostHullFileEntries) {
    return count_text(data.spheres.size()) + " spheres" + limit + "ask for fewer spheres";
  }
  return count_text(data.volumes.size()) + " main volumes" + limit + "split them over several files";
}

bool write_output(const Fields& fields, const CollisionData& data, std::span<const std::string> also_read, Log& log) {
  const std::string path = run_output_path(fields);
  if (data.volumes.empty()) {
    log.log_message("Nothing to write: no model could be read.", Stamp::kStamped);
    return false;
  }
  const std::optional<std::string> bytes = hul_file_bytes(data);
  if (!bytes) {
    log.log_message("Can't write file: " + path + " (" + too_large_reason(data) + ").", Stamp::kStamped);
    return false;
  }
  std::vector<std::string> inputs = run_input_paths(fields);
  inputs.insert(inputs.end(), also_read.begin(), also_read.end());
  const FileWrite write = write_whole_file(path, *bytes, inputs);
  switch (write.outcome) {
    case WriteOutcome::kWritten:
      return true;
    case WriteOutcome::kIsAnInput:
      log.log_message("Can't write file: " + path + " (it is the input file " + write.input + ").", Stamp::kStamped);
      return false;
    case WriteOutcome::kCannotWrite:
      break;
  }
  log.log_message("Can't write file: " + path, Stamp::kStamped);
  return false;
}

}  // namespace

std::string run_output_path(const Fields& fields) {
  const std::string name = fields.field_text(Field::kOutputFile);
  if (std::filesystem::path(name).is_absolute()) return name;
  return directory_prefix(fields) + name;
}

std::vector<std::string> run_input_paths(const Fields& fields) {
  std::vector<std::string> paths;
  for (const InputEntry& entry : parse_input_list(fields.field_text(Field::kInputFiles), directory_prefix(fields))) {
    paths.push_back(entry.path);
  }
  return paths;
}

RunOutcome run_pipeline(const Fields& fields, Log& log, const HullMaker& hull, ResultList& results, RunProduct* product,
                        std::span<const std::string> also_read) {
  results.clear();
  if (product) *product = {};
  log.log_message("", Stamp::kPlain);
  log.log_message("start", Stamp::kStamped);

  const std::string budget_text = fields.field_text(Field::kMaxPlanes);
  const std::optional<size_t> most_planes = read_plane_budget(budget_text);
  if (!most_planes) {
    log.log_message(plane_budget_refusal(budget_text), Stamp::kStamped);
    log.log_message("", Stamp::kPlain);
    return RunOutcome::kAborted;
  }

  const std::vector<InputEntry> entries =
      parse_input_list(fields.field_text(Field::kInputFiles), directory_prefix(fields));
  for (const InputEntry& entry : entries) {
    if (!names_a_file(entry.path)) {
      log.log_message("Aborting. Can't find the file: " + entry.path, Stamp::kStamped);
      log.log_message("", Stamp::kPlain);
      return RunOutcome::kAborted;
    }
  }

  const std::uint32_t start = tick_count();
  RunProduct built;
  read_volumes(entries, hull, *most_planes, built, log);
  fill_spheres(built.data.spheres, built.data.volumes, fields, log, results);
  const bool written = write_output(fields, built.data, also_read, log);

  const auto elapsed = static_cast<std::int32_t>(tick_count() - start);
  log.log_message("end (" + format_whole(elapsed) + "ms)", Stamp::kStamped);
  if (product) *product = std::move(built);
  return written ? RunOutcome::kWritten : RunOutcome::kNotWritten;
}

}  // namespace ombrix
