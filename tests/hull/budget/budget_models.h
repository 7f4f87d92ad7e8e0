// Models for the plane budget's tests: the same numbers on every platform.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/vector.h"
#include "hull/own/model_random.h"

namespace ombrix::testing {

struct BudgetModel {
  std::string name;
  std::vector<Vector> points;
};

// Car-like bodies, balls and a box with a cut corner, of a few dozen points: hulls of 7 to about
// 60 faces, rounded and flat-sided, small enough for the reference's whole solids.
inline std::vector<BudgetModel> budget_models() {
  std::vector<BudgetModel> models;
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    ModelRandom random(seed);
    models.push_back({"car-like body " + std::to_string(seed), car_like_body(random, 20 + 8 * seed, 50.0)});
  }
  for (std::uint32_t seed = 5; seed <= 6; ++seed) {
    ModelRandom random(seed);
    std::vector<Vector> ball;
    for (int i = 0; i < 30; ++i) ball.push_back(random.point_on_sphere(20.0));
    models.push_back({"ball " + std::to_string(seed), ball});
  }
  // A box of 40 by 20 by 10 with its corner at (40, 20, 10) cut off and inner points.
  std::vector<Vector> box;
  for (float x : {0.0f, 40.0f}) {
    for (float y : {0.0f, 20.0f}) {
      for (float z : {0.0f, 10.0f}) {
        if (x > 0 && y > 0 && z > 0) {
          box.insert(box.end(), {{34.0f, 20.0f, 10.0f}, {40.0f, 14.0f, 10.0f}, {40.0f, 20.0f, 4.0f}});
        } else {
          box.push_back({x, y, z});
        }
      }
    }
  }
  box.insert(box.end(), {{20.0f, 10.0f, 5.0f}, {5.0f, 5.0f, 5.0f}});
  models.push_back({"box with a cut corner", box});
  return models;
}

}  // namespace ombrix::testing
