#include "spheres/fill_parameters.h"

#include "shared/number_text.h"

namespace ombrix {

FillParameters read_fill_parameters(const Fields& fields) {
  FillParameters parameters;
  parameters.grid_resolution_val = read_decimal(fields.field_text(Control::kGridResolution));
  parameters.sample_sphere_resolution_val = read_decimal(fields.field_text(Control::kSampleResolution));
  parameters.target_sphere_n = read_whole(fields.field_text(Control::kTargetSpheres));
  parameters.sphere_overshot_val = read_decimal(fields.field_text(Control::kOvershoot));
  return parameters;
}

}  // namespace ombrix
