#include "picture/draw_scene.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "picture/picture_palette.h"
#include "picture/pixel_count.h"

namespace ombrix {

namespace {

constexpr double kAmbient = 0.45;
constexpr double kDiffuse = 0.55;
constexpr int kFarEdgeAlpha = 70;
constexpr double kSmallestNumberedRadius = 6.0;  // pixels: a smaller disc has no room for its number
constexpr int kNoteFontPixels = 12;

using Direction = std::array<double, 3>;

// In view axes (x right, y down, depth towards the viewer): from the upper left, in front.
Direction light_direction() {
  const Direction raw{-0.45, -0.6, 0.66};
  const double length = std::sqrt(raw[0] * raw[0] + raw[1] * raw[1] + raw[2] * raw[2]);
  return {raw[0] / length, raw[1] / length, raw[2] / length};
}

Direction difference(const ViewPoint& to, const ViewPoint& from) {
  return {to.x - from.x, to.y - from.y, to.depth - from.depth};
}

Direction cross(const Direction& u, const Direction& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

double dot(const Direction& u, const Direction& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }

// How brightly a face with `normal` is lit, kAmbient to 1, whichever side faces the light; negative
// for a face with no area.
double brightness(const Direction& normal, const Direction& light) {
  const double length = std::sqrt(dot(normal, normal));
  if (!(length > 0.0)) return -1.0;
  return kAmbient + kDiffuse * std::abs(dot(normal, light)) / length;
}

QColor shaded(QRgb base, double brightness) {
  const auto channel = [brightness](int value) { return clamped_pixels(value * brightness, 0, 255); };
  return QColor(channel(qRed(base)), channel(qGreen(base)), channel(qBlue(base)), qAlpha(base));
}

bool placed(const ViewPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.depth); }

enum class PieceKind : std::uint8_t { kTriangle, kHullFace, kSphere };

// One thing to paint, in the order of `order`, then `tie`, both growing towards the viewer.
struct Piece {
  double order = 0.0;
  double tie = 0.0;
  PieceKind kind = PieceKind::kTriangle;
  bool excluded = false;
  bool far_side = false;    // a hull face turned away from the viewer
  std::uint32_t first = 0;  // into the points (triangles, faces) or the discs (spheres)
  std::uint32_t count = 0;
  QColor colour;
};

struct Disc {
  QPointF centre;
  double radius = 0.0;
  int number = 0;
  bool selected = false;
};

struct Pieces {
  std::vector<Piece> list;
  std::vector<QPointF> points;
  std::vector<Disc> discs;

  // Damaged files can hold points too far out to place: such a piece is left out, which also
  // keeps the painting order strict.
  void add_polygon(Piece piece, const std::vector<ViewPoint>& corners) {
    if (!std::all_of(corners.begin(), corners.end(), placed)) return;
    if (!std::isfinite(piece.order) || !std::isfinite(piece.tie)) return;
    piece.first = static_cast<std::uint32_t>(points.size());
    piece.count = static_cast<std::uint32_t>(corners.size());
    for (const ViewPoint& corner : corners) points.emplace_back(corner.x, corner.y);
    list.push_back(piece);
  }
};

void add_model(Pieces& pieces, const ModelMesh& model, const ViewProjection& projection, const Direction& light) {
  std::vector<ViewPoint> at;
  at.reserve(model.vertices.size());
  for (const MeshVertex& vertex : model.vertices) at.push_back(projection.project(vertex.position));

  std::vector<ViewPoint> triangle(3);
  const auto add_triangle = [&](std::int16_t a, std::int16_t b, std::int16_t c) {
    triangle = {at[static_cast<size_t>(a)], at[static_cast<size_t>(b)], at[static_cast<size_t>(c)]};
    const double light_share =
        brightness(cross(difference(triangle[1], triangle[0]), difference(triangle[2], triangle[0])), light);
    if (light_share < 0.0) return;
    Piece piece;
    piece.order = (triangle[0].depth + triangle[1].depth + triangle[2].depth) / 3.0;
    piece.colour = shaded(kModelColour, light_share);
    pieces.add_polygon(piece, triangle);
  };
  for (const MeshPolygon& polygon : model.polygons) {
    const auto& corner = polygon.corners;
    add_triangle(corner[0], corner[1], corner[2]);
    if (corner_count(polygon) == 4) add_triangle(corner[0], corner[2], corner[3]);
  }
}

// Newell's normal: right for any flat loop, whatever its corner count.
Direction loop_normal(const std::vector<ViewPoint>& loop) {
  Direction normal{};
  for (size_t i = 0; i < loop.size(); ++i) {
    const ViewPoint& p = loop[i];
    const ViewPoint& q = loop[(i + 1) % loop.size()];
    normal[0] += (p.y - q.y) * (p.depth + q.depth);
    normal[1] += (p.depth - q.depth) * (p.x + q.x);
    normal[2] += (p.x - q.x) * (p.y + q.y);
  }
  return normal;
}

ViewPoint mean_of(const std::vector<ViewPoint>& points) {
  ViewPoint mean;
  for (const ViewPoint& p : points) {
    mean.x += p.x / static_cast<double>(points.size());
    mean.y += p.y / static_cast<double>(points.size());
    mean.depth += p.depth / static_cast<double>(points.size());
  }
  return mean;
}

void add_hull(Pieces& pieces, const HullShape& hull, const ViewProjection& projection, const Direction& light) {
  std::vector<std::vector<ViewPoint>> faces;
  std::vector<ViewPoint> all_corners;
  for (const auto& face : hull.faces) {
    std::vector<ViewPoint>& loop = faces.emplace_back();
    for (const Vector& corner : face) loop.push_back(projection.project(corner));
    all_corners.insert(all_corners.end(), loop.begin(), loop.end());
  }
  if (all_corners.empty()) return;
  const ViewPoint centre = mean_of(all_corners);
  double reach = 0.0;
  for (const ViewPoint& p : all_corners)
    reach = std::max(reach, std::sqrt(dot(difference(p, centre), difference(p, centre))));

  for (const std::vector<ViewPoint>& loop : faces) {
    if (loop.size() < 3) continue;
    const Direction normal = loop_normal(loop);
    const double light_share = brightness(normal, light);
    if (light_share < 0.0) continue;
    const ViewPoint face_centre = mean_of(loop);
    // The side of the face away from the hull's middle is its outside, whatever the loop's turn.
    const bool towards_viewer = (dot(normal, difference(face_centre, centre)) >= 0.0) == (normal[2] >= 0.0);
    Piece piece;
    piece.kind = PieceKind::kHullFace;
    piece.excluded = hull.excluded;
    piece.far_side = !towards_viewer;
    piece.order = centre.depth + (towards_viewer ? reach : -reach);
    piece.tie = face_centre.depth;
    piece.colour = shaded(hull.excluded ? kExcludedHullColour : kHullColour, light_share);
    pieces.add_polygon(piece, loop);
  }
}

void add_spheres(Pieces& pieces, const std::vector<SceneSphere>& spheres, const ViewProjection& projection,
                 double scale) {
  for (size_t i = 0; i < spheres.size(); ++i) {
    const SceneSphere& ball = spheres[i];
    const Sphere& s = ball.sphere;
    const ViewPoint centre = projection.project({s.x, s.y, s.z});
    const double radius = std::abs(static_cast<double>(s.radius)) * scale;
    if (!placed(centre) || !std::isfinite(radius)) continue;
    Piece piece;
    piece.kind = PieceKind::kSphere;
    // The selected sphere is painted over everything: it is the one being worked on.
    piece.order = ball.selected ? std::numeric_limits<double>::max() : centre.depth;
    piece.tie = static_cast<double>(i);  // at one depth the later sphere lies on top, as the viewer picks
    piece.first = static_cast<std::uint32_t>(pieces.discs.size());
    pieces.discs.push_back({QPointF(centre.x, centre.y), radius, ball.number, ball.selected});
    pieces.list.push_back(piece);
  }
}

void paint_background(QPainter& painter, const QRectF& area) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setColorAt(0.0, QColor(kBackgroundTop));
  gradient.setColorAt(1.0, QColor(kBackgroundBottom));
  painter.fillRect(area, gradient);
}

void paint_disc(QPainter& painter, const Disc& disc) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  // A highlight up and to the left, where the light comes from, makes the disc read as a ball.
  const QPointF highlight = disc.centre + QPointF(-0.35 * disc.radius, -0.4 * disc.radius);
  QRadialGradient gradient(disc.centre, disc.radius, highlight);
  const QColor base(disc.selected ? kSelectedSphereColour : kSphereColour);
  gradient.setColorAt(0.0, base.lighter(135));
  gradient.setColorAt(0.7, base);
  gradient.setColorAt(1.0, base.darker(135));
  if (disc.selected) {
    painter.setPen(QPen(QColor(kSelectedSphereOutlineColour), 2.5));
  } else {
    painter.setPen(QPen(QColor(kSphereOutlineColour), 1.0));
  }
  painter.setBrush(gradient);
  painter.drawEllipse(disc.centre, disc.radius, disc.radius);
  if (disc.radius < kSmallestNumberedRadius && !disc.selected) return;

  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(clamped_pixels(disc.radius * 0.8, 8, 16));
  painter.setFont(font);
  painter.setPen(QColor(kTextColour));
  // A small selected disc's number is written in a box of the smallest numbered size around it.
  const double half = disc.selected ? std::max(disc.radius, kSmallestNumberedRadius * 2) : disc.radius;
  const QRectF box(disc.centre.x() - half, disc.centre.y() - half, 2 * half, 2 * half);
  painter.drawText(box, Qt::AlignCenter, QString::number(disc.number));
}

void paint_pieces(QPainter& painter, const Pieces& pieces) {
  for (const Piece& piece : pieces.list) {
    switch (piece.kind) {
      case PieceKind::kTriangle:
        // Unsmoothed, with an outline of its own colour, so neighbours meet without a seam.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(piece.colour, 0));
        painter.setBrush(piece.colour);
        painter.drawConvexPolygon(pieces.points.data() + piece.first, static_cast<int>(piece.count));
        break;
      case PieceKind::kHullFace: {
        // The fill unsmoothed and the edge a smoothed single pixel, drawn apart: the edge hides
        // the fill's steps, and both together cost a fraction of a smoothed, wider outline.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(piece.colour);
        painter.drawPolygon(pieces.points.data() + piece.first, static_cast<int>(piece.count));
        // Edges behind the solid are fainter, so its near side reads at once.
        QColor edge(piece.excluded ? kExcludedHullEdgeColour : kHullEdgeColour);
        if (piece.far_side) edge.setAlpha(kFarEdgeAlpha);
        QPen pen(edge, 1.0);
        pen.setCosmetic(true);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(pieces.points.data() + piece.first, static_cast<int>(piece.count));
        break;
      }
      case PieceKind::kSphere:
        paint_disc(painter, pieces.discs[piece.first]);
        break;
    }
  }
}

void paint_open_hull_notes(QPainter& painter, const QRectF& area, const std::vector<HullShape>& hulls) {
  QFont font = painter.font();
  font.setBold(false);
  font.setPixelSize(kNoteFontPixels);
  painter.setFont(font);
  painter.setPen(QColor(kWarningColour));
  double bottom = area.bottom() - 4.0;
  for (auto hull = hulls.rbegin(); hull != hulls.rend(); ++hull) {
    if (hull->not_closed.empty()) continue;
    const QRectF line(area.left() + 6.0, bottom - kNoteFontPixels - 4.0, area.width() - 12.0, kNoteFontPixels + 4.0);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(hull->not_closed));
    bottom = line.top();
  }
}

}  // namespace

void draw_scene(QPainter& painter, const QRectF& area, const PictureScene& scene, const ViewCamera& camera,
                const PictureLayers& layers) {
  painter.save();
  painter.setClipRect(area);
  paint_background(painter, area);

  const ViewProjection projection(camera, area);
  const Direction light = light_direction();
  Pieces pieces;
  if (layers.model) {
    for (const SceneModel& model : scene.models) add_model(pieces, model.mesh, projection, light);
  }
  if (layers.hulls) {
    for (const HullShape& hull : scene.hulls) add_hull(pieces, hull, projection, light);
  }
  if (layers.spheres) add_spheres(pieces, scene.spheres, projection, camera.scale);
  std::sort(pieces.list.begin(), pieces.list.end(),
            [](const Piece& a, const Piece& b) { return a.order != b.order ? a.order < b.order : a.tie < b.tie; });
  paint_pieces(painter, pieces);
  if (layers.hulls) paint_open_hull_notes(painter, area, scene.hulls);
  painter.restore();
}

}  // namespace ombrix
