// Known scenes drawn and looked at pixel by pixel: where things land in each view, what covers
// what, which layers show, and that the whole model is framed upright.
#include "picture/draw_scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "picture/hull_shapes.h"
#include "picture_pixels.h"
#include "support/box_volume.h"

namespace ombrix {
namespace {

using namespace testing;

// Every image is 240 by 240, looking at the origin at 4 pixels per unit: a model point lands 4
// pixels per unit away from the middle (120, 120).
const QSize kSize{240, 240};
ViewCamera camera_from(StandardView view) { return {standard_angle(view), {}, 4.0}; }

HullShape box_hull(const Vector& low, const Vector& high) {
  return hull_shape(box_volume(low, high).planes, "", false);
}

TEST(PictureSphere, SphereIsADiscOfItsColourAtItsPlaceAndSizeInEachView) {
  const double tilt = standard_angle(StandardView::kThreeQuarter).pitch * std::acos(-1.0) / 180.0;
  const struct {
    StandardView view;
    Vector centre;
    QPointF expected;  // worked out by hand from where each view looks from
  } rows[] = {
      {StandardView::kFront, {5, -10, 15}, {100, 80}},  // the model's right (+x) on the left, y down
      {StandardView::kSide, {5, -10, 15}, {180, 80}},   // the front (+z) on the right
      {StandardView::kTop, {5, -10, 15}, {180, 140}},   // front on the right, right side (+x) below
      {StandardView::kThreeQuarter, {0, -10, 0}, {120, 120 - 40 * std::cos(tilt)}},  // straight above the middle
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(standard_view_name(row.view));
    PictureScene scene;
    scene.spheres.push_back({{row.centre.x, row.centre.y, row.centre.z, 4.0f}, 1});  // 16 pixels across
    const QImage image = picture_of(scene, camera_from(row.view), kSize);
    const auto at = [&](double dx, double dy) {
      return image.pixel(static_cast<int>(row.expected.x() + dx), static_cast<int>(row.expected.y() + dy));
    };
    for (const QPointF& d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
      EXPECT_TRUE(is_sphere(at(10 * d.x(), 10 * d.y())));      // inside, clear of the number
      EXPECT_TRUE(is_background(at(21 * d.x(), 21 * d.y())));  // outside
    }
    EXPECT_NEAR(bounds_of(image, is_sphere).width(), 32, 3);
  }
}

TEST(PictureHull, CubeHullCoversItsSquare) {
  PictureScene scene;
  scene.hulls.push_back(box_hull({-10, -10, -10}, {10, 10, 10}));
  const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize);
  const QRect covered = bounds_of(image, is_hull);  // 20 units, 80 pixels around the middle
  EXPECT_NEAR(covered.left(), 80, 1.5);
  EXPECT_NEAR(covered.right(), 159, 1.5);
  EXPECT_NEAR(covered.top(), 80, 1.5);
  EXPECT_NEAR(covered.bottom(), 159, 1.5);
  EXPECT_EQ(count_pixels(image.copy(82, 82, 76, 76), is_hull), 76 * 76);
  scene.hulls[0].excluded = true;  // an excluded volume has a colour of its own
  const QImage excluded = picture_of(scene, camera_from(StandardView::kFront), kSize);
  EXPECT_EQ(count_pixels(excluded, is_hull), 0);
  EXPECT_FALSE(is_background(excluded.pixel(120, 120)));
}

TEST(PictureLayers, EachSwitchRemovesItsOwnColourAndNothingElse) {
  // Side by side from the front: the model on the right, the hull in the middle, the sphere left.
  PictureScene scene;
  scene.models.push_back(model_of({{-25, -5, 0}, {-15, -5, 0}, {-20, 5, 0}}, {{0, 1, 2}}));
  scene.hulls.push_back(box_hull({-5, -5, -5}, {5, 5, 5}));
  scene.spheres.push_back({{20, 0, 0, 4}, 1});
  for (const PictureLayers layers : {PictureLayers{true, true, true}, PictureLayers{false, true, true},
                                     PictureLayers{true, false, true}, PictureLayers{true, true, false}}) {
    const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize, layers);
    EXPECT_EQ(count_pixels(image, is_model) > 100, layers.model);
    EXPECT_EQ(count_pixels(image, is_hull) > 100, layers.hulls);
    EXPECT_EQ(count_pixels(image, is_sphere) > 100, layers.spheres);
  }
}

TEST(PictureOrder, NearerThingCoversFartherOne) {
  // A square of model in the plane z = 0 seen from the front (+z is nearer), a sphere either side.
  for (const float z : {10.0f, -10.0f}) {
    PictureScene scene;
    scene.models.push_back(model_of({{-20, -20, 0}, {20, -20, 0}, {20, 20, 0}, {-20, 20, 0}}, {{0, 1, 2}, {0, 2, 3}}));
    scene.spheres.push_back({{0, 0, z, 4}, 1});
    const QRgb beside_the_number = picture_of(scene, camera_from(StandardView::kFront), kSize).pixel(130, 120);
    EXPECT_EQ(is_sphere(beside_the_number), z > 0) << z;
    EXPECT_EQ(is_model(beside_the_number), z < 0) << z;
  }
}

TEST(PictureFraming, ModelWithYDownStandsUprightAndFillsTheArea) {
  // A pyramid on a base at y = 0, its tip 20 units up, which in the game's axes is y = -20, far
  // from the origin: framed, it is centred, within the margin, and narrow at the top.
  PictureScene scene;
  scene.models.push_back(model_of({{90, 0, -10}, {110, 0, -10}, {100, 0, 10}, {100, -20, 0}},
                                  {{0, 1, 2}, {0, 1, 3}, {1, 2, 3}, {2, 0, 3}}));
  for (const StandardView view : {StandardView::kFront, StandardView::kSide, StandardView::kThreeQuarter}) {
    SCOPED_TRACE(standard_view_name(view));
    const QImage image = picture_of(scene, framed_camera(scene, standard_angle(view), QSizeF(kSize)), kSize);
    const QRect body = bounds_of(image, is_model);
    EXPECT_TRUE(QRect(3, 3, 234, 234).contains(body));
    EXPECT_GT(std::max(body.width(), body.height()), 200);
    EXPECT_NEAR(body.center().x(), 120, 2);
    EXPECT_NEAR(body.center().y(), 120, 2);
    const auto width_at = [&](int y) { return count_pixels(image.copy(0, y, kSize.width(), 1), is_model); };
    EXPECT_LT(width_at(body.top() + 3) * 4, width_at(body.bottom() - 3));
  }
}

TEST(PictureDamage, WhatCannotBePlacedIsLeftOutAndTheRestIsDrawn) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float huge = std::numeric_limits<float>::max();
  const float infinite = std::numeric_limits<float>::infinity();
  PictureScene scene;
  scene.spheres = {{{nan, 0, 0, 4}, 1}, {{0, 0, 0, infinite}, 2}, {{huge, huge, -huge, 4}, 3}, {{5, -10, 15, 4}, 4}};
  scene.hulls.push_back({{{{0, 0, 0}, {nan, 0, 0}, {0, huge, 0}}}, "Hull 1 is not drawn: it is open.", false});
  scene.models.push_back(model_of({{huge, 0, 0}, {-huge, huge, 0}, {0, 0, nan}}, {{0, 1, 2}}));
  const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize);
  EXPECT_TRUE(is_sphere(image.pixel(110, 80)));  // the good sphere, where it belongs
  EXPECT_TRUE(is_background(image.pixel(20, 20)));
  EXPECT_GT(count_pixels(image.copy(0, 200, 240, 40), [](QRgb p) { return qRed(p) > qGreen(p) + 60; }),
            20);  // the words
  const ViewCamera framed = framed_camera(scene, standard_angle(StandardView::kFront), QSizeF(kSize));
  EXPECT_TRUE(std::isfinite(framed.scale) && framed.scale > 0.0);
}

// A radius far beyond any picture: every size drawn from it must be clamped before it becomes
// whole pixels (the undefined conversion shows under the sanitizers).
TEST(PictureDamage, SphereFarLargerThanThePictureCoversIt) {
  PictureScene scene;
  scene.spheres.push_back({{0, 0, 0, 1.8e11f}, 1});
  const QImage image = picture_of(scene, camera_from(StandardView::kFront), kSize);
  EXPECT_TRUE(is_sphere(image.pixel(20, 20)));
}

}  // namespace
}  // namespace ombrix
