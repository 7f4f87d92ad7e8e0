// Hulls made drawable from their planes: a closed hull gives its faces, any other is said in
// words that name it.
#include "picture/hull_shapes.h"

#include <gtest/gtest.h>

#include "support/box_volume.h"

namespace ombrix {
namespace {

TEST(HullShape, PlanesGiveTheFacesOfTheirSolidOrSayWhyThereIsNone) {
  std::vector<Plane> planes = testing::centred_cube(10).planes;
  const HullShape cube = hull_shape(planes, "Hull 2", true);
  EXPECT_EQ(cube.not_closed, "");
  ASSERT_EQ(cube.faces.size(), 6u);
  for (const auto& face : cube.faces) EXPECT_EQ(face.size(), 4u);
  EXPECT_TRUE(cube.excluded);

  planes.pop_back();  // open towards +z
  const HullShape open = hull_shape(planes, "Hull 2", false);
  EXPECT_EQ(open.not_closed, "Hull 2 is not drawn: its planes do not close around a region: it is open on some side.");
  EXPECT_TRUE(open.faces.empty());
}

}  // namespace
}  // namespace ombrix
