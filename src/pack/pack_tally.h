// The counts at the foot of a pack check and at the top of its report.
#pragma once

#include <cstddef>
#include <vector>

#include "pack/car_check.h"

namespace ombrix {

struct PackTally {
  size_t folders = 0;
  size_t cars = 0;
  size_t with_errors = 0;
  size_t with_warnings = 0;  // cars with warnings and no error
  size_t not_cars = 0;
};

PackTally tally_cars(const std::vector<CarCheck>& cars);

// Whether a car fails the check: an error, or with `strict` a warning.
bool fails(const CarCheck& car, bool strict);

}  // namespace ombrix
