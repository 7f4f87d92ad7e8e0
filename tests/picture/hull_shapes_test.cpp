// Hulls made drawable from their planes: a closed hull gives its faces, any other is said in
// words naming it, and a run's or a file's hulls come with their excluded volumes.
#include "picture/hull_shapes.h"

#include <gtest/gtest.h>

#include <limits>

#include "picture_pixels.h"
#include "support/box_volume.h"

namespace ombrix {
namespace {

using testing::bounds_of;
using testing::centred_cube;
using testing::is_hull;
using testing::picture_of;

TEST(HullShape, CubePlanesDrawAsTheCubesSquareFromTheFront) {
  const HullShape cube = hull_shape(centred_cube(10).planes, "Hull 1", false);
  ASSERT_TRUE(cube.not_closed.empty()) << cube.not_closed;
  ASSERT_EQ(cube.faces.size(), 6u);
  for (const auto& face : cube.faces) EXPECT_EQ(face.size(), 4u);

  PictureScene scene;
  scene.hulls.push_back(cube);
  const QImage image = picture_of(scene, {standard_angle(StandardView::kFront), {}, 4.0}, {240, 240});
  const QRect covered = bounds_of(image, is_hull);  // 20 units at 4 pixels each, around the middle
  EXPECT_NEAR(covered.left(), 80, 1.5);
  EXPECT_NEAR(covered.right(), 159, 1.5);
  EXPECT_NEAR(covered.top(), 80, 1.5);
  EXPECT_NEAR(covered.bottom(), 159, 1.5);
}

TEST(HullShape, PlanesThatCloseAroundNoSolidAreSaidInWords) {
  std::vector<Plane> open = centred_cube(10).planes;
  open.pop_back();
  std::vector<Plane> empty = centred_cube(10).planes;
  empty[0].d = 20;  // x >= 20 and x <= 10
  std::vector<Plane> flat = centred_cube(10).planes;
  flat[0].d = 10;  // x >= 10 and x <= 10
  std::vector<Plane> not_finite = centred_cube(10).planes;
  not_finite[3].b = std::numeric_limits<float>::quiet_NaN();
  struct Row {
    const char* name;
    std::vector<Plane> planes;
    std::string sentence;
  };
  const Row rows[] = {
      {"open", open, "Hull 2 is not drawn: its planes do not close around a region: it is open on some side."},
      {"no planes", {}, "Hull 2 is not drawn: its planes do not close around a region: it is open on some side."},
      {"empty", empty, "Hull 2 is not drawn: its planes close around nothing: no point lies inside all of them."},
      {"flat", flat, "Hull 2 is not drawn: its planes close around a region with no thickness."},
      {"not finite", not_finite, "Hull 2 is not drawn: a plane holds a value that is not a finite number."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const HullShape shape = hull_shape(row.planes, "Hull 2", true);
    EXPECT_EQ(shape.not_closed, row.sentence);
    EXPECT_TRUE(shape.faces.empty());
    EXPECT_TRUE(shape.excluded);
  }
}

TEST(HullShape, EachMainVolumeComesBeforeItsExcludedVolumes) {
  CollisionData data;
  data.volumes.push_back(centred_cube(10));
  data.volumes.push_back(centred_cube(20));
  data.volumes[1].excluded.push_back(centred_cube(5));
  data.volumes[1].excluded.push_back(Volume{});  // no planes: said, not drawn
  PictureScene scene;
  add_hulls(scene, data);
  ASSERT_EQ(scene.hulls.size(), 4u);
  EXPECT_FALSE(scene.hulls[1].excluded);
  EXPECT_TRUE(scene.hulls[2].excluded);
  EXPECT_EQ(scene.hulls[2].faces.size(), 6u);
  EXPECT_EQ(scene.hulls[3].not_closed.rfind("Excluded volume 2 of hull 2 is not drawn: ", 0), 0u);
}

}  // namespace
}  // namespace ombrix
