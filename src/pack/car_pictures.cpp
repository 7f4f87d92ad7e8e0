#include "pack/car_pictures.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "picture/draw_scene.h"
#include "picture/four_views.h"
#include "picture/scene_files.h"
#include "shared/write_file.h"

namespace ombrix {

namespace {

std::string numbered(size_t car, bool fresh, const char* ending) {
  char name[64];
  std::snprintf(name, sizeof name, "pictures/car-%03zu%s%s.png", car + 1, fresh ? "-fresh" : "", ending);
  return name;
}

QImage thumbnail(const PictureScene& scene) {
  QImage image(kThumbnailWidth, kThumbnailHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(0, 0, kThumbnailWidth, kThumbnailHeight);
  const ViewAngle angle = standard_angle(StandardView::kThreeQuarter);
  draw_scene(painter, area, scene, framed_camera(scene, angle, area.size()));
  return image;
}

// The picture as a PNG at `path`, never over the car's own files it was drawn from.
bool write_picture(const QImage& image, const std::filesystem::path& path, std::span<const std::string> drawn_from) {
  const std::optional<std::string> bytes = png_bytes(image);
  return bytes && write_whole_file(path.string(), *bytes, drawn_from).outcome == WriteOutcome::kWritten;
}

}  // namespace

std::string thumbnail_name(size_t car, bool fresh) { return numbered(car, fresh, ""); }
std::string views_name(size_t car, bool fresh) { return numbered(car, fresh, "-views"); }

bool draw_car_pictures(const std::filesystem::path& body, const std::filesystem::path& hull,
                       const std::filesystem::path& report, size_t car, bool fresh) {
  PictureScene scene;
  std::vector<std::string> faults;  // the check has said what cannot be read
  if (!body.empty()) add_model_file(scene, body.string(), faults);
  if (!hull.empty()) add_hull_file(scene, hull.string(), faults);
  const std::string drawn_from[] = {body.string(), hull.string()};
  const bool small = write_picture(thumbnail(scene), report / thumbnail_name(car, fresh), drawn_from);
  const QImage views = four_view_picture(scene, describe_scene(scene), QSize(kViewsWidth, kViewsHeight));
  return write_picture(views, report / views_name(car, fresh), drawn_from) && small;
}

}  // namespace ombrix
