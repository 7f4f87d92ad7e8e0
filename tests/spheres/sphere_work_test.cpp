// The work of filling a volume with spheres: what a candidate costs, and where the bound falls for
// settings users choose.
#include "spheres/sphere_work.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hull/own/own_hull.h"
#include "model/model_file.h"
#include "model/vertex_box.h"
#include "shared/recording_log.h"
#include "support/box_volume.h"

namespace ombrix {
namespace {

using testing::centred_cube;

// The cube from -10 to 10 sampled 20 a side, spacing 1.
VolumeGrid cube_grid() { return volume_grid(centred_cube(10.0f).box, {7.0f, 20.0f, 11, 0.0f}); }

double work_of_one(float radius) {
  const std::vector<SpherePosition> one{{0.0f, {0, 0, 0}, radius}};
  return sphere_work(cube_grid(), one);
}

TEST(SphereWorkReach, RadiiThatReachNothingCostOnlyTheLookAtEachLayer) {
  const double nothing = work_of_one(0.0f);
  EXPECT_GT(nothing, sphere_work(cube_grid(), {}));
  for (const float radius : {-5.0f, -0.0f, std::nanf("")}) {
    EXPECT_EQ(work_of_one(radius), nothing) << radius;  // a negative cube would lower the total
  }
}

TEST(SphereWorkReach, ReachBeyondTheGridCostsNoMoreThanTheWholeGrid) {
  const double beyond = work_of_one(1000.0f);
  EXPECT_GT(beyond, work_of_one(5.0f));
  EXPECT_EQ(work_of_one(std::numeric_limits<float>::infinity()), beyond);
}

TEST(SphereWorkReach, AGridWithoutSamplePointsCostsNothing) {
  // Sampling 0.9 leaves no point across the smallest extent: the first step drops every candidate.
  const VolumeGrid grid = volume_grid(centred_cube(10.0f).box, {7.0f, 0.9f, 11, 0.0f});
  ASSERT_EQ(grid.sample_points, 0.0);
  const std::vector<SpherePosition> one{{0.0f, {0, 0, 0}, 10.0f}};
  EXPECT_EQ(sphere_work(grid, one), 0.0);
}

// The work of a volume's candidates as fill_spheres weighs it, for the volume of a hull.
double work_at(const Volume& volume, float grid_resolution, float sample_resolution) {
  const VolumeGrid grid = volume_grid(volume.box, {grid_resolution, sample_resolution, 11, 0.0f});
  return sphere_work(grid, lay_out_candidates(grid, volume.planes, {}));
}

Volume sample_car() {
  const std::string path = std::string(OMBRIX_SAMPLES_DIR) + "/car/body.prm";
  VertexList vertices;
  RecordingLog log;
  EXPECT_TRUE(read_model_file(path, vertices, log)) << path;
  Volume volume;
  bbox_of_vertices(volume.box, vertices);
  build_own_hull(volume.planes, vertices, log);
  return volume;
}

TEST(SphereWorkBound, SettingsUsersChooseOnACarBodyStayFarBelowIt) {
  const Volume car = sample_car();
  EXPECT_LT(work_at(car, 7.0f, 21.0f), kMostSphereWork / 1000);  // the defaults
  EXPECT_LT(work_at(car, 20.0f, 60.0f), kMostSphereWork / 4);
}

}  // namespace
}  // namespace ombrix
