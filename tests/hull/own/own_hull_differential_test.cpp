// The tool's hull builder against the literal triple-by-triple procedure on generated models:
// the same planes bit for bit, in the same order, and the same log lines. Every family is
// drawn from a fixed seed, so a failure names a model that can be rebuilt.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "hull/own/model_random.h"
#include "hull/own/own_hull.h"
#include "reference/hull_comparison.h"
#include "reference/literal_hull.h"
#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::ModelRandom;
using testing::vertices_of;

using ModelMaker = std::function<std::vector<Vector>(ModelRandom& random, size_t model)>;

void expect_same_as_literal(const std::vector<Vector>& points) {
  const VertexList vertices = vertices_of(points);
  std::vector<Plane> literal_planes{{1.0f, 2.0f, 3.0f, 4.0f}};  // both append after what is there
  RecordingLog literal_log;
  reference::build_literal_hull(literal_planes, vertices, literal_log);
  std::vector<Plane> fast_planes{{1.0f, 2.0f, 3.0f, 4.0f}};
  RecordingLog fast_log;
  build_own_hull(fast_planes, vertices, fast_log);

  EXPECT_EQ(reference::first_plane_difference(literal_planes, fast_planes), "");
  EXPECT_EQ(fast_log.lines, literal_log.lines);
}

// Builds `count` models from one seed and compares each; a failure names the model's number.
void compare_family(std::uint32_t seed, size_t count, const ModelMaker& make) {
  ModelRandom random(seed);
  for (size_t model = 0; model < count; ++model) {
    const std::vector<Vector> points = make(random, model);
    SCOPED_TRACE("model " + std::to_string(model) + " of seed " + std::to_string(seed) + ", " +
                 std::to_string(points.size()) + " vertices");
    expect_same_as_literal(points);
    if (::testing::Test::HasFailure()) return;  // one model's report is enough to debug
  }
}

// Scales from below the 0.5 tolerance to where it is a speck: the tolerance decides more
// candidates the smaller the model. Near the tolerance nearly every triple is accepted and the
// literal merge compares every pair of them, so the large models stay at the larger scales.
constexpr double kScales[] = {0.2, 1.0, 3.0, 10.0, 60.0, 400.0};

double scale_of(size_t model) {
  if (model % 10 == 9) return kScales[3 + (model / 10) % 3];
  return kScales[model % std::size(kScales)];
}

TEST(OwnHullMatchesLiteral, RandomCloudsAtEveryScale) {
  compare_family(1, 300, [](ModelRandom& random, size_t model) {
    const double half = scale_of(model);
    std::vector<Vector> points;
    for (size_t n = random.vertex_count(model); points.size() < n;) points.push_back(random.point_in_box(half));
    return points;
  });
}

// Most vertices on the hull, as on a car body: many near-coplanar triples on gentle curves.
TEST(OwnHullMatchesLiteral, PointsOnCurvedSurfaces) {
  compare_family(2, 200, [](ModelRandom& random, size_t model) {
    const double radius = scale_of(model) * 2.0;
    const double noise = model % 3 == 0 ? 0.0 : random.between(0.0, 1.0);
    const Vector stretch{static_cast<float>(random.between(0.5, 2.0)), 1.0f,
                         static_cast<float>(random.between(0.3, 1.0))};
    std::vector<Vector> points;
    for (size_t n = random.vertex_count(model); points.size() < n;) {
      const Vector on = random.point_on_sphere(radius);
      const Vector jitter = random.point_in_box(noise);
      points.push_back({on.x * stretch.x + jitter.x, on.y * stretch.y + jitter.y, on.z * stretch.z + jitter.z});
    }
    return points;
  });
}

// Coplanar subsets far larger than three, collinear rows along the edges, integer
// coordinates, and boxes with a corner at the origin whose faces there have offset 0 and
// never merge.
TEST(OwnHullMatchesLiteral, BoxesWithGridsOnTheirFaces) {
  compare_family(3, 160, [](ModelRandom& random, size_t model) {
    const int steps = static_cast<int>(random.whole(1, model % 10 == 9 ? 4 : 2));
    const double size = static_cast<double>(random.whole(1, 40));
    const bool at_origin = model % 2 == 0;
    const Vector low = at_origin ? Vector{} : random.point_in_box(20.0);
    std::vector<Vector> points;
    for (int i = 0; i <= steps; ++i) {
      for (int j = 0; j <= steps; ++j) {
        for (int k = 0; k <= steps; ++k) {
          if (i != 0 && i != steps && j != 0 && j != steps && k != 0 && k != steps) continue;
          points.push_back({static_cast<float>(low.x + size * i / steps), static_cast<float>(low.y + size * j / steps),
                            static_cast<float>(low.z + size * k / steps)});
        }
      }
    }
    if (model % 3 == 0) random.shuffle(points);
    return points;
  });
}

// Degenerate triples everywhere: the same position several times, and runs of points on
// lines, some of them exactly along an axis. Every tenth model holds only copies of two or
// three positions, which no exact hull can be made of.
TEST(OwnHullMatchesLiteral, RepeatedVerticesAndCollinearRuns) {
  compare_family(4, 160, [](ModelRandom& random, size_t model) {
    const double half = scale_of(model) * 3.0;
    std::vector<Vector> points;
    const size_t n = random.vertex_count(model);
    if (model % 10 == 0) {
      const std::vector<Vector> positions{random.point_in_box(half), random.point_in_box(half),
                                          random.point_in_box(half)};
      while (points.size() < n) points.push_back(positions[random.whole(0, model % 20 == 0 ? 1 : 2)]);
      return points;
    }
    while (points.size() < n) {
      const double pick = random.unit();
      if (pick < 0.3 && !points.empty()) {
        points.push_back(points[random.whole(0, points.size() - 1)]);
      } else if (pick < 0.6) {
        const Vector from = random.point_in_box(half);
        const Vector step = model % 2 == 0 ? Vector{1.0f, 0.0f, 0.0f} : random.point_in_box(half / 4.0);
        for (int t = 0; t < 4 && points.size() < n; ++t) {
          points.push_back({from.x + t * step.x, from.y + t * step.y, from.z + t * step.z});
        }
      } else {
        points.push_back(random.point_in_box(half));
      }
    }
    return points;
  });
}

// Vertices placed at, just inside and just beyond 0.5 from a face, where the tolerance's
// "≤ 0.5 counts as on the plane" decides whether a candidate is accepted and on which side.
TEST(OwnHullMatchesLiteral, VerticesAtTheToleranceFromAFace) {
  constexpr float kOffsets[] = {0.5f, 0.5001f, 0.4999f, 0.50000006f, 0.49999997f, 1.0f};
  compare_family(5, 140, [&](ModelRandom& random, size_t model) {
    const float size = static_cast<float>(random.whole(2, 30));
    std::vector<Vector> points = testing::box_corners({0.0f, 0.0f, 0.0f}, {size, size, size});
    const size_t extra = random.whole(1, model % 10 == 9 ? 40 : 8);
    for (size_t e = 0; e < extra; ++e) {
      const float offset = kOffsets[random.whole(0, std::size(kOffsets) - 1)];
      const float u = static_cast<float>(random.whole(0, static_cast<size_t>(size)));
      const float w = static_cast<float>(random.whole(0, static_cast<size_t>(size)));
      // Inside a face (depth = offset), or outside it, lifting a corner region off the face.
      const float depth = random.unit() < 0.7 ? offset : -offset;
      switch (random.whole(0, 2)) {
        case 0:
          points.push_back({u, w, size - depth});
          break;
        case 1:
          points.push_back({depth, u, w});
          break;
        default:
          points.push_back({u, size - depth, w});
          break;
      }
    }
    random.shuffle(points);
    return points;
  });
}

// No exact hull exists for a flat model and a nearly flat one strains it: all vertices on an
// axis plane, on a slanted plane (off it by float rounding), or within a thin slab. Every
// seventh model is huge, where even an axis-flat model's candidates overflow.
TEST(OwnHullMatchesLiteral, FlatAndNearlyFlatModels) {
  constexpr double kThickness[] = {0.0, 1e-6, 0.01, 0.4, 0.9};
  compare_family(6, 150, [&](ModelRandom& random, size_t model) {
    const bool huge = model % 7 == 6;
    const double half = huge ? 1e20 : scale_of(model) * 2.0;
    const double thickness = kThickness[model % std::size(kThickness)];
    const bool slanted = model % 2 == 1;
    const Vector u = slanted ? Vector{0.6f, 0.8f, 0.0f} : Vector{1.0f, 0.0f, 0.0f};
    const Vector w = slanted ? Vector{-0.48f, 0.36f, 0.8f} : Vector{0.0f, 1.0f, 0.0f};
    const Vector normal = slanted ? Vector{0.64f, -0.48f, 0.6f} : Vector{0.0f, 0.0f, 1.0f};
    const size_t n = std::min<size_t>(random.vertex_count(model), huge ? 24 : 48);
    std::vector<Vector> points;
    while (points.size() < n) {
      const double s = random.between(-half, half);
      const double t = random.between(-half, half);
      const double h = random.between(0.0, thickness) + 7.0;
      points.push_back({static_cast<float>(s * u.x + t * w.x + h * normal.x),
                        static_cast<float>(s * u.y + t * w.y + h * normal.y),
                        static_cast<float>(s * u.z + t * w.z + h * normal.z)});
    }
    return points;
  });
}

// Coordinates where rounding stops being relative or planes overflow: models smaller than the
// tolerance, coordinates near 1e-20 (some nonzero coordinates tiny in an ordinary model), and
// magnitudes up to near the largest float, where candidate planes come out infinite or not a
// number (and all such candidates are accepted and never merge, so these models stay small).
TEST(OwnHullMatchesLiteral, TinyAndHugeCoordinates) {
  constexpr double kExtremeScales[] = {1e-20, 0.1, 1e5, 1e9, 1e13, 1e20, 3e37};
  compare_family(7, 140, [&](ModelRandom& random, size_t model) {
    const double half = kExtremeScales[model % std::size(kExtremeScales)];
    const size_t n = std::min<size_t>(random.vertex_count(model), 24);
    std::vector<Vector> points;
    while (points.size() < n) {
      Vector point = random.point_in_box(half);
      if (model % 3 == 0 && half >= 1.0) point.x = static_cast<float>(random.between(-1e-15, 1e-15));
      points.push_back(point);
    }
    return points;
  });
}

// Fewer than four vertices never reach the exact hull; a triangle is one flat candidate.
TEST(OwnHullMatchesLiteral, ModelsOfNoneToThreeVertices) {
  compare_family(8, 40, [](ModelRandom& random, size_t model) {
    std::vector<Vector> points;
    while (points.size() < model % 4) points.push_back(random.point_in_box(scale_of(model)));
    return points;
  });
}

// A modeller's zeros as exporters write them: 1e-16, 1e-19, -1e-30 or a subnormal. Each such
// coordinate once sent the whole model through every triple; the planes stay the literal ones.
TEST(OwnHullMatchesLiteral, BodiesWithNoiseInPlaceOfZeros) {
  constexpr float kNoise[] = {1e-16f, 1e-19f, -1e-30f, 1e-40f, -1.4e-45f, 3e-39f};
  compare_family(9, 60, [&](ModelRandom& random, size_t model) {
    std::vector<Vector> points = testing::car_like_body(random, random.vertex_count(model) + 8, scale_of(model) * 4.0);
    const float noise = kNoise[model % std::size(kNoise)];
    for (Vector& point : points) {
      for (float* coordinate : {&point.x, &point.y, &point.z}) {
        if (*coordinate == 0.0f && random.unit() < 0.6) *coordinate = noise;
      }
    }
    return points;
  });
}

// A flat panel of many vertices gives thousands of accepted triples of nearly one plane; turned
// off the axes it is flat only up to rounding. A panel through the origin (offset 0) never
// merges, so every accepted copy of it stays: those panels are kept small for the literal merge.
TEST(OwnHullMatchesLiteral, LargeFlatPanelsAndPanelsThroughTheOrigin) {
  compare_family(10, 24, [&](ModelRandom& random, size_t model) {
    const bool through_origin = model % 3 == 0;
    const int cells = static_cast<int>(random.whole(3, through_origin ? 4 : 8));
    const double size = static_cast<double>(random.whole(4, 60));
    const double top = through_origin ? 0.0 : random.between(-10.0, 30.0);
    std::vector<std::array<double, 3>> placed;
    for (int i = 0; i <= cells; ++i) {
      for (int k = 0; k <= cells; ++k)
        placed.push_back({size * i / cells - size / 2, top, size * k / cells - size / 2});
    }
    for (size_t extra = random.whole(6, 30); extra > 0; --extra) {
      const Vector below = random.point_in_box(size / 2);
      placed.push_back({below.x, top - size / 2 - std::fabs(below.y), below.z});
    }
    // Every other model turned about the origin, so the panel's plane is slanted yet still
    // passes through the origin when it did.
    const double turn = model % 2 == 1 ? 0.6 : 0.0;
    std::vector<Vector> points;
    for (const auto& [x, y, z] : placed) {
      points.push_back({static_cast<float>(x * std::cos(turn) - y * std::sin(turn)),
                        static_cast<float>(x * std::sin(turn) + y * std::cos(turn)), static_cast<float>(z)});
    }
    random.shuffle(points);
    return points;
  });
}

// Models that hug a line or a plane, where no exact hull can prune: runs along a slanted line at
// scales from the tolerance to where rounding alone lifts vertices off a candidate, grids on a
// slanted plane, and slabs thinner than the tolerance.
TEST(OwnHullMatchesLiteral, ModelsAlongALineOrAcrossAPlane) {
  constexpr double kLineScales[] = {0.01, 1.0, 30.0, 3e3, 1e5, 2e6};
  constexpr double kSlabThickness[] = {0.0, 1e-5, 0.05, 0.3};
  compare_family(11, 60, [&](ModelRandom& random, size_t model) {
    const size_t n = std::min<size_t>(random.vertex_count(model) + 3, 90);
    const Vector u{0.6f, 0.8f, 0.0f};
    const Vector w{-0.48f, 0.36f, 0.8f};
    const Vector normal{0.64f, -0.48f, 0.6f};
    std::vector<Vector> points;
    while (points.size() < n) {
      if (model % 2 == 0) {
        const double t = random.between(-1.0, 1.0) * kLineScales[(model / 2) % std::size(kLineScales)];
        points.push_back(
            {static_cast<float>(1.0 + 0.3 * t), static_cast<float>(2.0 - 1.7 * t), static_cast<float>(3.0 + 2.9 * t)});
        continue;
      }
      const double s = random.between(-40.0, 40.0);
      const double t = random.between(-40.0, 40.0);
      const double h = random.between(0.0, kSlabThickness[(model / 2) % std::size(kSlabThickness)]) + 3.0;
      points.push_back({static_cast<float>(s * u.x + t * w.x + h * normal.x),
                        static_cast<float>(s * u.y + t * w.y + h * normal.y),
                        static_cast<float>(s * u.z + t * w.z + h * normal.z)});
    }
    return points;
  });
}

// One or two coordinates far larger than the rest of a body (up to the model reader's bound),
// whose rounding spreads over every triple they take part in, or one tiny one.
TEST(OwnHullMatchesLiteral, BodiesWithACoordinateFarLargerOrSmallerThanTheRest) {
  constexpr float kOdd[] = {3e5f, 2e9f, 2e12f, -5e15f, 1e18f, -7e17f, 1.2e-16f};
  compare_family(12, 42, [&](ModelRandom& random, size_t model) {
    const size_t n = model % 6 == 5 ? random.whole(120, 160) : 12 + random.whole(0, 40);
    std::vector<Vector> points = testing::car_like_body(random, n, random.between(2.0, 40.0));
    const float odd = kOdd[model % std::size(kOdd)];
    for (size_t changed = 0; changed < 1 + model % 2; ++changed) {
      // The first vertex of a triple brings its rounding to the whole candidate: often the odd one.
      Vector& point = points[model % 3 == 0 ? changed : random.whole(0, points.size() - 1)];
      if (model % 4 == 1 && std::fabs(odd) > 1.0f) {
        point = {odd, 0.7f * odd, -0.4f * odd};  // far out on a slant: every coordinate rounds
      } else {
        (random.unit() < 0.5 ? point.x : point.z) = odd;
      }
    }
    return points;
  });
}

// Zeros of both signs, subnormals and values near 1e8 in one model: candidate normals with zero
// components, whose sign is part of the written bytes and depends on which vertex gave it.
TEST(OwnHullMatchesLiteral, ZerosKeepTheirSignBesideSubnormalAndHugeCoordinates) {
  expect_same_as_literal({{367696576.0f, 0.0101060616f, -2.29736799e-10f},
                          {0.0f, -0.000444283331f, -8.36802414e-08f},
                          {-8.36459577e-08f, 0.0f, 5.54066482e-09f},
                          {0.0f, 0.0f, 0.0f},
                          {0.0f, 5.71026212e-11f, 0.0f},
                          {4.95482681e-21f, 5.22935263e-24f, 0.0f},
                          {-0.0f, 0.0f, 0.0f},
                          {6.13859812e-39f, -5.93298239e-07f, 5.22935263e-24f},
                          {0.0f, -4.77608378e-26f, 1.51340234e-43f}});
  constexpr float kValues[] = {0.0f, -0.0f, 0.0f, -0.0f, 1e-40f, 4.0f, -6.0f, 2e8f, -3.7e8f};
  compare_family(13, 120, [&](ModelRandom& random, size_t) {
    std::vector<Vector> points(random.whole(5, 12));
    for (Vector& point : points) {
      for (float* value : {&point.x, &point.y, &point.z}) *value = kValues[random.whole(0, std::size(kValues) - 1)];
    }
    // The same place again with its zeros of the other sign.
    Vector twin = points[random.whole(0, points.size() - 1)];
    for (float* value : {&twin.x, &twin.y, &twin.z}) {
      if (*value == 0.0f) *value = -*value;
    }
    points.insert(points.begin() + static_cast<std::ptrdiff_t>(random.whole(0, points.size())), twin);
    return points;
  });
}
}  // namespace
}  // namespace ombrix
