#include "spheres/fill_parameters.h"

#include "shared/number_text.h"

namespace ombrix {

FillParameters read_fill_parameters(const Fields& fields) {
  FillParameters parameters;
  parameters.grid_resolution = read_decimal(fields.field_text(Field::kGridResolution));
  parameters.sample_resolution = read_decimal(fields.field_text(Field::kSampleResolution));
  parameters.target_spheres = read_whole(fields.field_text(Field::kTargetSpheres));
  parameters.overshoot_percent = read_decimal(fields.field_text(Field::kOvershoot));
  if (fields.field_text(Field::kPlacement) == "refined") parameters.placement = SpherePlacement::kRefined;
  return parameters;
}

}  // namespace ombrix
