// The command line's picture: four views in their quarters above a legend that counts what the
// scene holds, written whole as a PNG.
#include "picture/four_views.h"

#include <gtest/gtest.h>

#include "picture_pixels.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::box_hull;
using testing::count_pixels;
using testing::is_sphere;
using testing::model_of;

TEST(FourViewPicture, EachViewFillsItsQuarterAboveTheLegend) {
  PictureScene scene;
  scene.spheres.push_back({{0, 0, 0, 3}, 1});
  scene.spheres.push_back({{12, -4, 20, 2}, 2});
  const QImage image = four_view_picture(scene, describe_scene(scene), {400, 361});
  ASSERT_EQ(image.size(), QSize(400, 361));
  const int cell_height = (361 - 61) / 2;  // the legend takes three lines at the bottom
  for (int cell = 0; cell < 4; ++cell) {
    SCOPED_TRACE(cell);
    const QImage quarter = image.copy(200 * (cell % 2), cell_height * (cell / 2), 200, cell_height);
    EXPECT_GT(count_pixels(quarter, is_sphere), 1000);  // framed, the spheres fill much of it
  }
}

TEST(PictureLegend, CountsWhatTheSceneHolds) {
  SceneModel body = model_of({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 1}});
  body.name = "body.prm";
  body.mesh.polygons_out_of_range = 3;
  SceneModel wheel = model_of({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
  wheel.name = "wheel.prm";
  HullShape open;
  open.not_closed = "Hull 2 does not close.";
  HullShape excluded = box_hull({0, 0, 0}, {1, 1, 1});
  excluded.excluded = true;

  struct Row {
    const char* name;
    PictureScene scene;
    PictureLegend expected;
  };
  const Row rows[] = {
      {"nothing", {}, {"Model: none", "Hull: none", "Spheres: 0"}},
      {"one model, no hull file", {{body}, {}, {}, {}},
       {"Model: body.prm, 3 vertices, 5 polygons (3 not drawn: a corner outside the vertex list)", "Hull: none",
        "Spheres: 0"}},
      {"two models, hulls of every kind",
       {{body, wheel}, {box_hull({0, 0, 0}, {1, 1, 1}), open, excluded}, {{{0, 0, 0, 1}, 1}}, "car.hul"},
       {"Model: body.prm, wheel.prm, 6 vertices, 6 polygons (3 not drawn: a corner outside the vertex list)",
        "Hull: car.hul, 2 hulls, 1 excluded volume, 1 not closed", "Spheres: 1"}},
      {"a hull file with no hull in it", {{}, {}, {}, "empty.hul"}, {"Model: none", "Hull: empty.hul, 0 hulls", "Spheres: 0"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const PictureLegend legend = describe_scene(row.scene);
    EXPECT_EQ(legend.model, row.expected.model);
    EXPECT_EQ(legend.hull, row.expected.hull);
    EXPECT_EQ(legend.spheres, row.expected.spheres);
  }
}

TEST(PicturePng, WrittenWholeOrNotAtAll) {
  testing::TempDir dir;
  QImage image(64, 48, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(write_png(image, dir.file("view.png")));
  const QImage read(QString::fromStdString(dir.file("view.png")));
  EXPECT_EQ(read.size(), QSize(64, 48));
  EXPECT_EQ(read.pixel(10, 10), QColor(Qt::red).rgb());

  EXPECT_FALSE(write_png(image, dir.file("no/such/folder/view.png")));
  EXPECT_FALSE(write_png(image, dir.path().string()));  // a folder, not a file
  EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

}  // namespace
}  // namespace ombrix
