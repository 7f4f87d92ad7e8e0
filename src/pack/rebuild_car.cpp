#include "pack/rebuild_car.h"

#include <span>
#include <system_error>

#include "hulfile/hul_file_reader.h"
#include "model/model_mesh.h"
#include "pack/game_path.h"
#include "shared/recording_log.h"

namespace ombrix {

namespace fs = std::filesystem;

namespace {

// The run's fields with the car's body as the one input and the fresh hull file as the output.
class CarFields : public Fields {
 public:
  CarFields(const Fields& run, std::string body, std::string output)
      : run_(run), body_(std::move(body)), output_(std::move(output)) {}
  std::string field_text(Field field) const override {
    switch (field) {
      case Field::kWorkingDir:
        return "";
      case Field::kInputFiles:
        return body_;
      case Field::kOutputFile:
        return output_;
      default:
        return run_.field_text(field);
    }
  }

 private:
  const Fields& run_;
  std::string body_;
  std::string output_;
};

FreshHull failed(FreshHull fresh, std::string fault) {
  fresh.fault = std::move(fault);
  return fresh;
}

}  // namespace

FreshHull rebuild_car(const CarCheck& car, const Fields& fields, const HullMaker& hull, const fs::path& folder,
                      const std::string& shown, const fs::path& game) {
  FreshHull fresh;
  fresh.path = folder / car.folder / "hull.hul";
  fresh.file = (fs::path(shown) / car.folder / "hull.hul").generic_string();
  if (car.body_file.empty()) return failed(fresh, "not made: the car has no body that can be read");
  const std::string body = car.body_file.string();
  if (body.find_first_of("|*") != std::string::npos)
    return failed(fresh, "not made: the body's path holds | or *, which the run's input reads as separators");
  if (would_lie_within(game, fresh.path)) return failed(fresh, "not made: it would lie inside the game folder");
  std::error_code error;
  fs::create_directories(fresh.path.parent_path(), error);
  if (error) return failed(fresh, "not made: can't make the folder " + fresh.path.parent_path().string());

  RecordingLog log;
  ResultList results;
  if (run_pipeline(CarFields(fields, body, fresh.path.string()), log, hull, results) != RunOutcome::kWritten)
    return failed(fresh, "not made: " + log.last_text());
  const ModelReading model = read_model_mesh(body);
  const HulInspection inspection =
      inspect_hul(read_hul_file(fresh.path.string()), std::span<const MeshVertex>(model.mesh.vertices));
  fresh.figures = figures_of(inspection);
  return fresh;
}

}  // namespace ombrix
