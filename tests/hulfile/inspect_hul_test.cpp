// What inspect finds in a hull file: one kind of damage a row, and nothing in a sound file.
#include "hulfile/inspect_hul.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "hulfile/hul_file.h"
#include "support/generated_hulls.h"

namespace ombrix {
namespace {

using testing::generated_prisms;

std::vector<std::string> kinds_of(const std::vector<Finding>& findings) {
  std::vector<std::string> kinds;
  for (const Finding& finding : findings) kinds.push_back(finding.kind);
  return kinds;
}

std::string messages_of(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& finding : findings) text += finding.kind + ": " + finding.message + "\n";
  return text;
}

TEST(HulFindings, EachDamageIsFoundAndNothingElse) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  // Three prisms side by side along x, 60 apart, radii 20 to 22; hull 2 is a square prism.
  const struct {
    const char* name;
    std::function<void(CollisionData&)> damage;
    std::vector<std::string> kinds;
  } rows[] = {
      {"a sound file", [](CollisionData&) {}, {}},
      {"an inverted box",
       [](CollisionData& d) { std::swap(d.volumes[1].box.min_z, d.volumes[1].box.max_z); },
       {"box-inverted"}},
      {"values that are not finite",
       [&](CollisionData& d) {
         d.volumes[0].points[2].y = nan;
         d.spheres[3].radius = nan;
       },
       {"not-finite", "not-finite"}},
      {"a short normal",
       [](CollisionData& d) {
         d.volumes[2].planes[0].a *= 0.98f;
         d.volumes[2].planes[0].b *= 0.98f;
       },
       {"normal-length"}},
      {"an edge to a point that does not exist",
       [](CollisionData& d) { d.volumes[1].edges[5].to = 8; },
       {"edge-index"}},
      {"a negative edge index", [](CollisionData& d) { d.volumes[0].edges[0].from = -1; }, {"edge-index"}},
      {"bytes after the spheres", [](CollisionData& d) { d.trailing = "xy"; }, {"trailing-bytes"}},
      {"a side plane missing",
       [](CollisionData& d) { d.volumes[0].planes.erase(d.volumes[0].planes.begin()); },
       {"open-hull"}},
      // Its top corners and both its spheres are then out of it as well.
      {"a lid below the floor",
       [](CollisionData& d) { d.volumes[1].planes.back().d = 100.0f; },
       {"empty-hull", "point-outside", "sphere-outside", "sphere-outside"}},
      {"a lid on the floor",
       [](CollisionData& d) { d.volumes[1].planes.back().d = -(-12.5f - 15.0f); },
       {"flat-hull", "point-outside", "sphere-outside", "sphere-outside"}},
      {"a corner moved out", [](CollisionData& d) { d.volumes[2].points[7].z += 2.0f; }, {"point-outside"}},
      {"a corner just within the tolerance", [](CollisionData& d) { d.volumes[2].points[7].z += 0.49f; }, {}},
      {"a sphere between the hulls",
       [](CollisionData& d) {
         d.spheres[0].x = -10.0f;
         d.spheres[0].y = 200.0f;
       },
       {"sphere-outside"}},
      {"a sphere too large", [](CollisionData& d) { d.spheres[5].radius = 40.0f; }, {"sphere-reach"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CollisionData data = generated_prisms(3);
    row.damage(data);
    HulReading reading;
    reading.data = data;
    const HulInspection inspection = inspect_hul(reading, std::nullopt);
    EXPECT_EQ(kinds_of(inspection.findings), row.kinds) << messages_of(inspection.findings);
  }
}

TEST(HulFindings, EachDistanceFindingStartsJustBeyondHalfAUnitOut) {
  // The triangle prism, hull 1, has its lid at z = 2.5 and its sides 10 from its axis x = -40, y = 3.25.
  const float lid = 2.5f;
  const struct {
    const char* name;
    std::function<void(CollisionData&, VertexList&, float)> push_out;
    const char* kind;
  } rows[] = {
      {"a corner", [&](CollisionData& d, VertexList&, float out) { d.volumes[0].points[3].z = lid + out; },
       "point-outside"},
      {"a sphere's surface",
       [&](CollisionData& d, VertexList&, float out) {
         d.spheres[0] = {-40.0f, 3.25f, lid - 5.0f, 5.0f + out};
       },
       "sphere-reach"},
      {"a sphere's centre",
       [&](CollisionData& d, VertexList&, float out) {
         d.spheres[0] = {-40.0f, 3.25f, lid + out, 0.0f};
       },
       "sphere-outside"},
      {"a vertex of the model",
       [&](CollisionData&, VertexList& model, float out) {
         model[0].position = {-40.0f, 3.25f, lid + out};
       },
       "model-outside"},
  };
  for (const auto& row : rows) {
    for (const float out : {0.45f, 0.55f}) {
      SCOPED_TRACE(std::string(row.name) + " " + std::to_string(out) + " out");
      CollisionData data = generated_prisms(2);
      VertexList model = {{{-40.0f, 3.25f, -12.5f}, {}}};
      row.push_out(data, model, out);
      const HulInspection inspection = inspect_hul(HulReading{data, "", 0}, std::span<const MeshVertex>(model));
      const std::vector<std::string> expected =
          out > 0.5f ? std::vector<std::string>{row.kind} : std::vector<std::string>{};
      EXPECT_EQ(kinds_of(inspection.findings), expected) << messages_of(inspection.findings);
      EXPECT_EQ(count_findings(inspection.findings).errors, 0u);
    }
  }
}

TEST(HulFindings, AFileCutOffIsUnreadableFirstAndWhatWasReadIsStillChecked) {
  CollisionData data = generated_prisms(2);
  data.volumes[0].edges[0].to = 99;
  const std::string bytes = *hul_file_bytes(data);
  const HulInspection inspection =
      inspect_hul(read_hul_bytes(std::string_view(bytes).substr(0, bytes.size() - 20)), std::nullopt);
  ASSERT_EQ(kinds_of(inspection.findings), (std::vector<std::string>{"unreadable", "edge-index"}));
  EXPECT_EQ(inspection.findings[0].message, "the file is cut off after its 2nd sphere (4 announced)");
  EXPECT_EQ(inspection.findings[1].message,
            "hull 1: 1 of its 9 edges refers to points it does not have (the first: edge 1, from index 0 to "
            "index 99; "
            "it has 6 points)");
}

TEST(HulFindings, SpheresSitInTheHullTheyReachOutOfLeast) {
  // A triangle prism of radius 20 at x = -40, a square one of radius 21 at x = 20, both 30 high.
  CollisionData data = generated_prisms(2);
  data.spheres = {{20.0f, 3.25f, -12.5f, 10.0f}, {-40.0f, 3.25f, -12.5f, 12.0f}};
  const HulInspection inspection = inspect_hul(HulReading{data, "", 0}, std::nullopt);
  const std::vector<SphereFit>& fits = inspection.geometry.spheres;
  ASSERT_EQ(fits.size(), 2u);
  EXPECT_EQ(fits[0].hull, 1u);
  EXPECT_NEAR(fits[0].reach, 10.0 - 21.0 * std::cos(std::numbers::pi / 4),
              1e-4);  // the sides, nearer than the lids
  EXPECT_EQ(fits[1].hull, 0u);
  EXPECT_NEAR(fits[1].reach, 12.0 - 10.0, 1e-4);  // a triangle of radius 20 has its sides 10 from the centre
  EXPECT_EQ(kinds_of(inspection.findings), (std::vector<std::string>{"sphere-reach"}));
}

TEST(ModelFit, VerticesOutOfTheHullsAndTheBoxTheSpheresFill) {
  // The model is the square prism's corners, one of them pulled 2 out, and a vertex in the
  // triangle prism; one sphere covers every cell centre of the model's box, then none does.
  CollisionData data = generated_prisms(2);
  VertexList model;
  for (const Vector& corner : data.volumes[1].points) model.push_back({corner, {}});
  model[3].position.z -= 2.0f;  // below the floor
  model.push_back({{-40.0f, 3.25f, -12.5f}, {}});

  data.spheres = {{20.0f, 3.25f, -12.5f, 1000.0f}};
  std::vector<Finding> findings;
  ModelFit fit = check_model_fit(data, model, findings);
  EXPECT_EQ(fit.vertices, 9u);
  EXPECT_NEAR(fit.farthest_out, 2.0, 1e-4);
  EXPECT_EQ(fit.beyond_tolerance, 1u);
  EXPECT_EQ(fit.box_covered, 100.0);
  EXPECT_EQ(kinds_of(findings), (std::vector<std::string>{"model-outside"}));

  data.spheres = {{20.0f, 3.25f, -12.5f, -1000.0f}};  // a negative radius covers nothing
  fit = check_model_fit(data, model, findings);
  EXPECT_EQ(fit.box_covered, 0.0);
}

}  // namespace
}  // namespace ombrix
