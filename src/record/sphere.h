// A collision sphere as the hull file stores it.
#pragma once

namespace ombrix {

struct Sphere {
  float x = 0.0f;  // centre
  float y = 0.0f;
  float z = 0.0f;
  float radius = 0.0f;
};

}  // namespace ombrix
