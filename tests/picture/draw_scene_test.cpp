// Known scenes drawn and looked at pixel by pixel: where things land in each view, what covers
// what, which layers show, and that damaged numbers are left out rather than drawn.
#include "picture/draw_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "picture_pixels.h"

namespace ombrix {
namespace {

using testing::bounds_of;
using testing::box_hull;
using testing::count_pixels;
using testing::is_background;
using testing::is_excluded_hull;
using testing::is_hull;
using testing::is_model;
using testing::is_sphere;
using testing::model_of;
using testing::picture_of;

// Every test image is 240 by 240, looking at the origin at 4 pixels per model unit, so a model
// point lands 4 pixels per unit away from the middle (120, 120).
const QSize kSize{240, 240};
constexpr double kScale = 4.0;

ViewCamera camera_from(StandardView view) { return {standard_angle(view), {}, kScale}; }

bool is_warning(QRgb pixel) { return qRed(pixel) > 110 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

// The twelve triangles of the box from `low` to `high`, as a model.
SceneModel box_model(const Vector& low, const Vector& high) {
  std::vector<Vector> points;
  std::vector<std::array<int, 3>> triangles;
  for (const auto& face : box_hull(low, high).faces) {
    const int first = static_cast<int>(points.size());
    points.insert(points.end(), face.begin(), face.end());
    triangles.push_back({first, first + 1, first + 2});
    triangles.push_back({first, first + 2, first + 3});
  }
  return model_of(points, triangles);
}

// How many pixels of row `y` between `from` and `to` satisfy `kind`.
int run_length(const QImage& image, int y, int from, int to, const std::function<bool(QRgb)>& kind) {
  int count = 0;
  for (int x = std::max(from, 0); x <= std::min(to, image.width() - 1); ++x) count += kind(image.pixel(x, y)) ? 1 : 0;
  return count;
}

TEST(PictureSphere, SphereIsADiscOfItsColourAtItsPlaceAndSizeInEachView) {
  // A sphere of radius 4 units is a disc of radius 16 pixels wherever it is seen from.
  constexpr double kRadiusPixels = 16.0;
  const double tilt = standard_angle(StandardView::kThreeQuarter).pitch * std::acos(-1.0) / 180.0;
  struct Row {
    const char* name;
    StandardView view;
    Vector centre;
    QPointF expected;  // worked out by hand from where each view looks from
  };
  const Row rows[] = {
      // From the front the model's right (+x) is on the image's left; y points down, as in the game.
      {"front", StandardView::kFront, {5, -10, 15}, {100, 80}},
      // From the right side the front (+z) is on the right.
      {"side", StandardView::kSide, {5, -10, 15}, {180, 80}},
      // From above with the front on the right, the right side (+x) is at the bottom.
      {"top", StandardView::kTop, {5, -10, 15}, {180, 140}},
      // A point straight above the middle stays above it, nearer by the view's tilt.
      {"three-quarter", StandardView::kThreeQuarter, {0, -10, 0}, {120, 120 - 40 * std::cos(tilt)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PictureScene scene;
    scene.spheres.push_back({{row.centre.x, row.centre.y, row.centre.z, 4.0f}, 1});
    const QImage image = picture_of(scene, camera_from(row.view), kSize);

    const auto pixel_at = [&](double dx, double dy) {
      return image.pixel(static_cast<int>(row.expected.x() + dx), static_cast<int>(row.expected.y() + dy));
    };
    for (const QPointF& direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
      EXPECT_TRUE(is_sphere(pixel_at(0.6 * kRadiusPixels * direction.x(), 0.6 * kRadiusPixels * direction.y())));
      EXPECT_TRUE(is_background(pixel_at(1.3 * kRadiusPixels * direction.x(), 1.3 * kRadiusPixels * direction.y())));
    }
    const int across = run_length(image, static_cast<int>(row.expected.y()), 0, kSize.width(), is_sphere);
    EXPECT_NEAR(across, 2 * kRadiusPixels, 3.0);
  }
}

TEST(PictureHull, CubeHullCoversItsSquareFromTheFrontAndFromAbove) {
  PictureScene scene;
  scene.hulls.push_back(box_hull({-10, -10, -10}, {10, 10, 10}));
  for (const StandardView view : {StandardView::kFront, StandardView::kTop}) {
    SCOPED_TRACE(standard_view_name(view));
    const QImage image = picture_of(scene, camera_from(view), kSize);
    // The cube's 20 units are 80 pixels, around the middle; the edge line may add a pixel.
    const QRect covered = bounds_of(image, is_hull);
    EXPECT_NEAR(covered.left(), 80, 1.5);
    EXPECT_NEAR(covered.right(), 159, 1.5);
    EXPECT_NEAR(covered.top(), 80, 1.5);
    EXPECT_NEAR(covered.bottom(), 159, 1.5);
    EXPECT_EQ(count_pixels(image.copy(82, 82, 76, 76), is_hull), 76 * 76);
    EXPECT_TRUE(is_background(image.pixel(76, 120)));
    EXPECT_TRUE(is_background(image.pixel(120, 164)));
  }
}

TEST(PictureHull, CubeSeenFromThreeQuartersShowsMoreThanOneFace) {
  PictureScene scene;
  scene.hulls.push_back(box_hull({-10, -10, -10}, {10, 10, 10}));
  const QRect covered = bounds_of(picture_of(scene, camera_from(StandardView::kThreeQuarter), kSize), is_hull);
  EXPECT_GT(covered.width(), 100);   // a face seen straight on would be 80
  EXPECT_GT(covered.height(), 100);
}

TEST(PictureHull, ExcludedVolumeHasAColourOfItsOwn) {
  PictureScene scene;
  scene.hulls.push_back(box_hull({-10, -10, -10}, {10, 10, 10}));
  scene.hulls.back().excluded = true;
  const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize);
  EXPECT_EQ(count_pixels(image, is_hull), 0);
  EXPECT_TRUE(is_excluded_hull(image.pixel(120, 120)));
}

TEST(PictureHull, HullThatDoesNotCloseIsSaidInWordsNotDrawn) {
  PictureScene scene;
  scene.hulls.push_back({{}, "Hull 1 does not close: its planes leave it open.", false});
  const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize);
  EXPECT_EQ(count_pixels(image, is_hull), 0);
  EXPECT_GT(count_pixels(image.copy(0, 200, 240, 40), is_warning), 20);  // the words, at the bottom left
  EXPECT_EQ(count_pixels(image.copy(0, 0, 240, 200), is_warning), 0);
}

TEST(PictureLayers, EachSwitchRemovesItsOwnColourAndNothingElse) {
  // Side by side as seen from the front: the model on the image's right, the hull in the middle,
  // the sphere on the left.
  PictureScene scene;
  scene.models.push_back(model_of({{-25, -5, 0}, {-15, -5, 0}, {-20, 5, 0}}, {{0, 1, 2}}));
  scene.hulls.push_back(box_hull({-5, -5, -5}, {5, 5, 5}));
  scene.spheres.push_back({{20, 0, 0, 4}, 1});
  struct Row {
    const char* name;
    PictureLayers layers;
  };
  const Row rows[] = {
      {"all shown", {true, true, true}},
      {"model off", {false, true, true}},
      {"hulls off", {true, false, true}},
      {"spheres off", {true, true, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize, row.layers);
    EXPECT_EQ(count_pixels(image, is_model) > 100, row.layers.model);
    EXPECT_EQ(count_pixels(image, is_hull) > 100, row.layers.hulls);
    EXPECT_EQ(count_pixels(image, is_sphere) > 100, row.layers.spheres);
  }
}

TEST(PictureOrder, NearerThingCoversFartherOne) {
  // A square of model in the plane z = 0, seen from the front (+z is nearer), and a sphere in
  // front of it or behind it.
  const SceneModel wall = model_of({{-20, -20, 0}, {20, -20, 0}, {20, 20, 0}, {-20, 20, 0}}, {{0, 1, 2}, {0, 2, 3}});
  for (const float z : {10.0f, -10.0f}) {
    SCOPED_TRACE(z);
    PictureScene scene;
    scene.models.push_back(wall);
    scene.spheres.push_back({{0, 0, z, 4}, 1});
    const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize);
    const QRgb beside_the_number = image.pixel(120 + 10, 120);
    EXPECT_EQ(is_sphere(beside_the_number), z > 0);
    EXPECT_EQ(is_model(beside_the_number), z < 0);
  }
}

TEST(PictureUpright, ModelWithYDownStandsOnItsBase) {
  // A pyramid on a base at y = 0 with its tip 20 units up, which in the game's axes is y = -20:
  // in every view from the side its picture is narrow at the top and wide at the bottom.
  PictureScene scene;
  scene.models.push_back(
      model_of({{-10, 0, -10}, {10, 0, -10}, {0, 0, 10}, {0, -20, 0}}, {{0, 1, 2}, {0, 1, 3}, {1, 2, 3}, {2, 0, 3}}));
  for (const StandardView view : {StandardView::kFront, StandardView::kSide, StandardView::kThreeQuarter}) {
    SCOPED_TRACE(standard_view_name(view));
    const QImage image = picture_of(scene, framed_camera(scene, standard_angle(view), QSizeF(kSize)), kSize);
    const QRect body = bounds_of(image, is_model);
    ASSERT_FALSE(body.isEmpty());
    const int near_top = run_length(image, body.top() + 3, 0, kSize.width(), is_model);
    const int near_bottom = run_length(image, body.bottom() - 3, 0, kSize.width(), is_model);
    EXPECT_LT(near_top * 4, near_bottom);
  }
}

TEST(PictureFraming, WholeModelFillsTheAreaWithinItsMarginInEveryView) {
  PictureScene scene;
  scene.models.push_back(box_model({40, -5, -15}, {140, 5, 15}));  // long in x, away from the origin
  const QSize size{300, 200};
  for (const StandardView view : kStandardViews) {
    SCOPED_TRACE(standard_view_name(view));
    const QImage image = picture_of(scene, framed_camera(scene, standard_angle(view), QSizeF(size)), size);
    const QRect body = bounds_of(image, is_model);
    ASSERT_FALSE(body.isEmpty());
    EXPECT_TRUE(QRect(3, 3, size.width() - 6, size.height() - 6).contains(body));
    EXPECT_TRUE(body.width() > 0.8 * size.width() || body.height() > 0.8 * size.height());
    EXPECT_NEAR(body.center().x(), size.width() / 2.0, 2.0);
    EXPECT_NEAR(body.center().y(), size.height() / 2.0, 2.0);
  }
}

TEST(PictureDamage, NumbersThatCannotBePlacedAreLeftOutAndTheRestIsDrawn) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float huge = std::numeric_limits<float>::max();
  PictureScene scene;
  scene.spheres = {{{nan, 0, 0, 4}, 1}, {{0, 0, 0, huge}, 2}, {{huge, huge, -huge, 4}, 3}, {{5, -10, 15, 4}, 4}};
  HullShape broken = box_hull({-10, -10, -10}, {10, 10, 10});
  broken.faces[2][1] = {nan, 0, 0};
  scene.hulls.push_back(broken);
  scene.models.push_back(model_of({{huge, 0, 0}, {-huge, huge, 0}, {0, 0, nan}}, {{0, 1, 2}}));

  const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize, {true, false, true});
  EXPECT_TRUE(is_sphere(image.pixel(100 + 9, 80)));  // the good sphere, where it belongs
  EXPECT_TRUE(is_background(image.pixel(20, 220)));
  // Framing looks past what cannot be placed, too.
  const ViewCamera framed = framed_camera(scene, standard_angle(StandardView::kFront), QSizeF(kSize));
  EXPECT_TRUE(std::isfinite(framed.scale) && framed.scale > 0.0);
}

}  // namespace
}  // namespace ombrix
