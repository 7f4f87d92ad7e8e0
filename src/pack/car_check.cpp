#include "pack/car_check.h"

#include <algorithm>
#include <span>
#include <system_error>

#include "hulfile/model_instead_of_hull.h"
#include "hulfile/sphere_coverage.h"
#include "model/model_mesh.h"
#include "pack/car_parameters.h"
#include "pack/game_path.h"
#include "shared/file_bytes.h"

namespace ombrix {

namespace fs = std::filesystem;

namespace {

void add(CarCheck& car, std::string kind, Severity severity, std::string message) {
  car.findings.push_back({std::move(kind), severity, std::move(message)});
}

// `shown` (relative to the game folder) relative to the folder the check was given.
std::string relative_to_given(const PackLayout& layout, const std::string& shown) {
  if (layout.given_in_game.empty()) return shown;
  return fs::path(shown).lexically_relative(layout.given_in_game).generic_string();
}

// A file of the car: the name parameters.txt gives it, or the file already found in the car's folder.
struct NamedFile {
  std::string name;
  std::optional<GamePath> found;
};

struct NamedFiles {
  std::optional<NamedFile> body;
  std::optional<NamedFile> hull;
};

// The file `named` (from parameters.txt's `entry`) in the game folder, or a finding saying why not.
std::optional<GamePath> find_named(const PackLayout& layout, CarCheck& car, const std::string& entry,
                                   const NamedFile& named) {
  if (named.found) return named.found;
  GamePath found = find_game_path(layout.game, named.name);
  if (!found.fault.empty()) {
    add(car, found.refused ? "path-refused" : "missing-file", Severity::kError,
        entry + " \"" + named.name + "\": " + found.fault);
    return std::nullopt;
  }
  return found;
}

// The parts of a car folder's name (entries joined with `/`, each of which may hold a `\`).
std::vector<std::string> folder_parts(const std::string& folder) {
  std::vector<std::string> parts;
  for (size_t at = 0; at <= folder.size();) {
    const size_t end = std::min(folder.find('/', at), folder.size());
    parts.push_back(folder.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

// The entry `name` of the car folder `folder` (in parts), as the game would find it.
GamePath find_in_folder(const PackLayout& layout, std::vector<std::string> folder, const char* name) {
  folder.emplace_back(name);
  return find_game_parts(layout.game, folder);
}

// What the car names, from parameters.txt or, without one, body.prm and hull.hul when both are
// there; nothing when the folder holds no car.
std::optional<NamedFiles> named_files(const PackLayout& layout, const std::vector<std::string>& folder, CarCheck& car) {
  const GamePath parameters = find_in_folder(layout, folder, "parameters.txt");
  if (parameters.fault.empty()) {
    InputFile file(parameters.path.string());
    std::string text;
    // One byte past the limit tells a file at the limit from a larger one.
    if (!file.is_open() || !file.read(kMostParametersBytes + 1, text)) {
      add(car, "parameters-unreadable", Severity::kError,
          "parameters.txt: " + (file.is_open() ? std::string("the file cannot be read") : file.fault()));
      return NamedFiles{};
    }
    if (text.size() > kMostParametersBytes) {
      text.resize(kMostParametersBytes);
      add(car, "parameters", Severity::kWarning, "parameters.txt is larger than 4 MB: only its start was read");
    }
    CarParameters read = read_car_parameters(text);
    for (std::string& note : read.notes) add(car, "parameters", Severity::kWarning, std::move(note));
    car.name = read.name;
    if (!read.hull) add(car, "no-hull", Severity::kError, "parameters.txt names no hull file (COLL)");
    if (!read.body) add(car, "no-body", Severity::kWarning, "parameters.txt names no body (MODEL 0)");
    NamedFiles files;
    if (read.body) files.body = NamedFile{*read.body, std::nullopt};
    if (read.hull) files.hull = NamedFile{*read.hull, std::nullopt};
    return files;
  }
  if (parameters.refused) {
    add(car, "path-refused", Severity::kError, "parameters.txt: " + parameters.fault);
    return NamedFiles{};
  }
  const GamePath body = find_in_folder(layout, folder, "body.prm");
  const GamePath hull = find_in_folder(layout, folder, "hull.hul");
  if (!body.fault.empty() || !hull.fault.empty()) return std::nullopt;
  return NamedFiles{NamedFile{body.shown, body}, NamedFile{hull.shown, hull}};
}

std::optional<VertexList> read_body(const PackLayout& layout, const NamedFile& name, CarCheck& car) {
  const std::optional<GamePath> found = find_named(layout, car, "MODEL 0", name);
  if (!found) return std::nullopt;
  car.body = relative_to_given(layout, found->shown);
  std::error_code error;
  if (!fs::is_regular_file(found->path, error)) {
    add(car, "body-unreadable", Severity::kError, "the body " + *car.body + " is not a regular file");
    return std::nullopt;
  }
  ModelReading reading = read_model_mesh(found->path.string());
  if (!reading.fault.empty()) {
    add(car, "body-unreadable", Severity::kError, "the body: " + reading.fault);
    return std::nullopt;
  }
  car.body_file = found->path;
  return std::move(reading.mesh.vertices);
}

void inspect_hull(const PackLayout& layout, const NamedFile& name, const std::optional<VertexList>& body,
                  CarCheck& car) {
  const std::optional<GamePath> found = find_named(layout, car, "COLL", name);
  if (!found) return;
  car.hull = relative_to_given(layout, found->shown);
  car.hull_file = found->path;
  HulReading reading = read_hul_file(found->path.string());
  if (const auto model = model_instead_of_hull(found->path.string(), reading, *car.hull)) {
    add(car, "unreadable", Severity::kError, *model);
    return;
  }
  std::optional<std::span<const MeshVertex>> model;
  if (body) model = *body;
  const HulInspection inspection = inspect_hul(std::move(reading), model);
  for (const Finding& finding : inspection.findings) add(car, finding.kind, severity_of(finding.kind), finding.message);
  car.figures = figures_of(inspection);
}

}  // namespace

HullFigures figures_of(const HulInspection& inspection) {
  HullFigures figures;
  figures.count = count_findings(inspection.findings);
  if (!inspection.reading.fault.empty()) return figures;
  const CollisionData& data = inspection.reading.data;
  size_t planes = 0;
  for (const Volume& volume : data.volumes) planes += volume.planes.size();
  figures.planes = planes;
  figures.spheres = data.spheres.size();
  double volume = 0.0;
  bool all_closed = !inspection.geometry.volumes.empty();
  for (const std::optional<double>& hull : inspection.geometry.volumes) {
    all_closed = all_closed && hull.has_value();
    if (hull) volume += *hull;
  }
  if (all_closed) figures.volume = volume;
  if (inspection.model && inspection.model->vertices > 0) {
    figures.outside = 100.0 * static_cast<double>(inspection.model->beyond_tolerance) /
                      static_cast<double>(inspection.model->vertices);
  }
  figures.coverage = hull_sphere_coverage(data, inspection.geometry);
  return figures;
}

CarCheck check_car(const PackLayout& layout, const std::string& folder) {
  CarCheck car;
  car.folder = fs::path(folder).filename().string();
  car.is_car = true;
  const std::vector<std::string> parts = folder_parts(folder);
  const GamePath place = find_game_parts(layout.game, parts);
  std::error_code error;
  if (!place.fault.empty() || !fs::is_directory(place.path, error)) {
    add(car, "path-refused", Severity::kError,
        "the folder: " + (place.fault.empty() ? std::string("it cannot be read") : place.fault));
  } else if (fs::directory_iterator(place.path, error); error) {
    add(car, "folder-unreadable", Severity::kError, "the folder cannot be listed: " + error.message());
  } else if (const std::optional<NamedFiles> files = named_files(layout, parts, car)) {
    std::optional<VertexList> body;
    if (files->body) body = read_body(layout, *files->body, car);
    if (files->hull) inspect_hull(layout, *files->hull, body, car);
  } else {
    car.is_car = false;
  }
  for (const CarFinding& finding : car.findings)
    ++(finding.severity == Severity::kError ? car.count.errors : car.count.warnings);
  return car;
}

}  // namespace ombrix
