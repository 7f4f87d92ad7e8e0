// Any bytes as a model file and a hull file to draw: every polygon of a model read is either kept
// or counted as left out, and whatever was read, however damaged its numbers, is drawn from the
// four sides without a crash or a hang.
//
// Input: a 16-bit little-endian length, that many bytes of model file, then the hull file.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "hulfile/hul_file_reader.h"
#include "model/model_mesh.h"
#include "picture/draw_scene.h"
#include "picture/hull_shapes.h"
#include "picture/run_scene.h"
#include "shared/little_endian.h"

using namespace ombrix;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The words of a hull that does not close need fonts, and fonts a GUI application.
  static int qt_argc = 3;
  static char name[] = "picture_fuzz", option[] = "-platform", platform[] = "offscreen";
  static char* qt_argv[] = {name, option, platform, nullptr};
  static QGuiApplication application(qt_argc, qt_argv);
  (void)argc;
  (void)argv;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t model_size = std::min<size_t>(static_cast<std::uint16_t>(int16_at(data)), size - 2);
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string path = fuzz::scratch_file(bytes.substr(0, model_size));

  PictureScene scene;
  SceneModel& model = scene.models.emplace_back();
  ModelReading model_reading = read_model_mesh(path);
  const bool drawn = model_reading.fault.empty();
  model.mesh = std::move(model_reading.mesh);
  if (drawn &&
      model.mesh.polygons.size() + model.mesh.polygons_out_of_range != static_cast<size_t>(int16_at(data + 2))) {
    fuzz::report_finding("a polygon is neither read nor counted");
  }

  const HulReading reading = read_hul_bytes(bytes.substr(model_size));
  add_hulls(scene, reading.data);
  scene.spheres = numbered_spheres(reading.data.spheres, {});
  QImage image(48, 36, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  for (const StandardView view : kStandardViews) {
    draw_scene(painter, QRectF(0, 0, 48, 36), scene, framed_camera(scene, standard_angle(view), QSizeF(48, 36)));
  }
  return 0;
}
