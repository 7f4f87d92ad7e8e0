#include "pack/pack_tally.h"

namespace ombrix {

PackTally tally_cars(const std::vector<CarCheck>& cars) {
  PackTally tally;
  tally.folders = cars.size();
  for (const CarCheck& car : cars) {
    if (!car.is_car) {
      ++tally.not_cars;
      continue;
    }
    ++tally.cars;
    if (car.count.errors > 0) {
      ++tally.with_errors;
    } else if (car.count.warnings > 0) {
      ++tally.with_warnings;
    }
  }
  return tally;
}

bool fails(const CarCheck& car, bool strict) { return car.count.errors > 0 || (strict && car.count.warnings > 0); }

}  // namespace ombrix
