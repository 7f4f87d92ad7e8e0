#include "picture/four_views.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <cassert>

#include "picture/draw_scene.h"
#include "picture/picture_palette.h"
#include "picture/pixel_count.h"
#include "picture/view_camera.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

constexpr int kLegendFontPixels = 12;
constexpr int kLegendLineHeight = 17;
constexpr int kLegendPadding = 5;
constexpr int kLegendHeight = 3 * kLegendLineHeight + 2 * kLegendPadding;

std::string counted(std::size_t count, const std::string& singular, const std::string& plural) {
  return format_whole(static_cast<std::int64_t>(count)) + " " + (count == 1 ? singular : plural);
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

void paint_legend_line(QPainter& painter, const QRectF& line, const QColor& swatch, bool round,
                       const std::string& text) {
  const QRectF mark(line.left(), line.center().y() - 5.0, 10.0, 10.0);
  painter.setPen(QPen(swatch.darker(150), 1.0));
  painter.setBrush(swatch);
  if (round) {
    painter.drawEllipse(mark);
  } else {
    painter.drawRect(mark);
  }
  painter.setPen(QColor(kTextColour));
  const QRectF words(mark.right() + 6.0, line.top(), line.right() - mark.right() - 6.0, line.height());
  const QString elided =
      painter.fontMetrics().elidedText(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())),
                                       Qt::ElideRight, clamped_pixels(words.width(), 0, kLargestPicture.width()));
  painter.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, elided);
}

void paint_view_name(QPainter& painter, const QRectF& cell, StandardView view) {
  painter.setPen(QColor(kTextColour));
  painter.drawText(cell.adjusted(6.0, 4.0, -6.0, -4.0), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromLatin1(standard_view_name(view)));
}

}  // namespace

PictureLegend describe_scene(const PictureScene& scene) {
  PictureLegend legend;
  std::size_t vertices = 0, polygons = 0, left_out = 0;
  std::vector<std::string> model_names;
  for (const SceneModel& model : scene.models) {
    model_names.push_back(model.name);
    vertices += model.mesh.vertices.size();
    polygons += model.mesh.polygons.size() + model.mesh.polygons_out_of_range;
    left_out += model.mesh.polygons_out_of_range;
  }
  legend.model = "Model: none";
  if (!scene.models.empty()) {
    legend.model = "Model: " + joined(model_names) + ", " + counted(vertices, "vertex", "vertices") + ", " +
                   counted(polygons, "polygon", "polygons");
    if (left_out > 0)
      legend.model +=
          " (" + format_whole(static_cast<std::int64_t>(left_out)) + " not drawn: a corner outside the vertex list)";
  }

  std::size_t main_hulls = 0, excluded = 0, open = 0;
  for (const HullShape& hull : scene.hulls) {
    ++(hull.excluded ? excluded : main_hulls);
    if (!hull.not_closed.empty()) ++open;
  }
  legend.hull = "Hull: none";
  if (!scene.hull_file.empty() || !scene.hulls.empty()) {
    legend.hull = "Hull: " + (scene.hull_file.empty() ? std::string() : scene.hull_file + ", ") +
                  counted(main_hulls, "hull", "hulls");
    if (excluded > 0) legend.hull += ", " + counted(excluded, "excluded volume", "excluded volumes");
    if (open > 0) legend.hull += ", " + format_whole(static_cast<std::int64_t>(open)) + " not closed";
  }
  legend.spheres = "Spheres: " + format_whole(static_cast<std::int64_t>(scene.spheres.size()));
  return legend;
}

QImage four_view_picture(const PictureScene& scene, const PictureLegend& legend, const QSize& size) {
  assert(size.width() >= kSmallestPicture.width() && size.height() >= kSmallestPicture.height());
  assert(size.width() <= kLargestPicture.width() && size.height() <= kLargestPicture.height());
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(kBackgroundBottom));
  QPainter painter(&image);
  QFont font = painter.font();
  font.setPixelSize(kLegendFontPixels);
  painter.setFont(font);

  const double cell_width = size.width() / 2.0;
  const double cell_height = (size.height() - kLegendHeight) / 2.0;
  for (size_t i = 0; i < kStandardViews.size(); ++i) {
    const QRectF cell(cell_width * static_cast<double>(i % 2), cell_height * static_cast<double>(i / 2), cell_width,
                      cell_height);
    const QRectF area = cell.adjusted(1.0, 1.0, -1.0, -1.0);  // a line of background between the views
    const ViewCamera camera = framed_camera(scene, standard_angle(kStandardViews[i]), area.size());
    draw_scene(painter, area, scene, camera);
    painter.setFont(font);
    paint_view_name(painter, area, kStandardViews[i]);
  }

  const double top = size.height() - kLegendHeight + kLegendPadding;
  const auto line = [&](int n) {
    return QRectF(8.0, top + n * kLegendLineHeight, size.width() - 16.0, kLegendLineHeight);
  };
  painter.setRenderHint(QPainter::Antialiasing, true);
  paint_legend_line(painter, line(0), QColor(kModelColour), false, legend.model);
  paint_legend_line(painter, line(1), QColor(qRgb(qRed(kHullColour), qGreen(kHullColour), qBlue(kHullColour))), false,
                    legend.hull);
  paint_legend_line(painter, line(2), QColor(kSphereColour), true, legend.spheres);
  return image;
}

std::optional<std::string> png_bytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace ombrix
