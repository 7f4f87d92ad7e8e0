// The legend under the command line's picture counts what the scene holds.
#include "picture/four_views.h"

#include <gtest/gtest.h>

#include "picture_pixels.h"

namespace ombrix {
namespace {

TEST(PictureLegend, CountsWhatTheSceneHolds) {
  SceneModel body = testing::model_of({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}, {0, 2, 1}});
  body.name = "body.prm";
  body.mesh.polygons_out_of_range = 3;
  SceneModel wheel = testing::model_of({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
  wheel.name = "wheel.prm";
  const HullShape closed{{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}}, "", false};
  const HullShape open{{}, "Hull 2 is not drawn.", false};
  const HullShape excluded{{}, "", true};
  const struct {
    const char* name;
    PictureScene scene;
    PictureLegend expected;
  } rows[] = {
      {"nothing", {}, {"Model: none", "Hull: none", "Spheres: 0"}},
      {"two models, hulls of every kind",
       {{body, wheel}, {closed, open, excluded}, {{{0, 0, 0, 1}, 1}}, "car.hul"},
       {"Model: body.prm, wheel.prm, 6 vertices, 6 polygons (3 not drawn: a corner outside the vertex list)",
        "Hull: car.hul, 2 hulls, 1 excluded volume, 1 not closed", "Spheres: 1"}},
      {"a hull file with no hull",
       {{}, {}, {}, "empty.hul"},
       {"Model: none", "Hull: empty.hul, 0 hulls", "Spheres: 0"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PictureLegend legend = describe_scene(row.scene);
    EXPECT_EQ(legend.model, row.expected.model);
    EXPECT_EQ(legend.hull, row.expected.hull);
    EXPECT_EQ(legend.spheres, row.expected.spheres);
  }
}

}  // namespace
}  // namespace ombrix
