// The four fill parameters as typed in their fields.
#include "spheres/fill_parameters.h"

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace ombrix {
namespace {

FillParameters read(const char* grid, const char* sampling, const char* target, const char* overshoot) {
  return read_fill_parameters(FieldValues({{Control::kGridResolution, grid},
                                           {Control::kSampleResolution, sampling},
                                           {Control::kTargetSpheres, target},
                                           {Control::kOvershoot, overshoot}}));
}

TEST(FillParameters, EachFieldFeedsItsOwnParameter) {
  const FillParameters parameters = read("7.0", "21.5", "11", "2.5");
  EXPECT_EQ(parameters.grid_resolution_val, 7.0f);
  EXPECT_EQ(parameters.sample_sphere_resolution_val, 21.5f);
  EXPECT_EQ(parameters.target_sphere_n, 11);
  EXPECT_EQ(parameters.sphere_overshot_val, 2.5f);
}

TEST(FillParameters, LettersAfterTheNumberAreIgnored) {
  const FillParameters parameters = read("8.5mm", "  21x", "12 spheres", "1.5%");
  EXPECT_EQ(parameters.grid_resolution_val, 8.5f);
  EXPECT_EQ(parameters.sample_sphere_resolution_val, 21.0f);
  EXPECT_EQ(parameters.target_sphere_n, 12);
  EXPECT_EQ(parameters.sphere_overshot_val, 1.5f);
}

TEST(FillParameters, EmptyAndMissingFieldsReadAsZero) {
  const FillParameters parameters = read_fill_parameters(FieldValues());
  EXPECT_EQ(parameters.grid_resolution_val, 0.0f);
  EXPECT_EQ(parameters.sample_sphere_resolution_val, 0.0f);
  EXPECT_EQ(parameters.target_sphere_n, 0);
  EXPECT_EQ(parameters.sphere_overshot_val, 0.0f);
}

TEST(FillParameters, OnlyTheTargetSkipsLeadingTabs) {
  const FillParameters parameters = read("\t7", " 7", "\t 11", "\t3");
  EXPECT_EQ(parameters.grid_resolution_val, 0.0f);
  EXPECT_EQ(parameters.sample_sphere_resolution_val, 7.0f);
  EXPECT_EQ(parameters.target_sphere_n, 11);
  EXPECT_EQ(parameters.sphere_overshot_val, 0.0f);
}

TEST(FillParameters, DecimalPointWhateverTheLocale) {
  const testing::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/install-deps makes it)";
  const FillParameters parameters = read("7.5", "21,5", "11", "-0.25");
  EXPECT_EQ(parameters.grid_resolution_val, 7.5f);
  EXPECT_EQ(parameters.sample_sphere_resolution_val, 21.0f);  // the comma ends the number
  EXPECT_EQ(parameters.sphere_overshot_val, -0.25f);
}

}  // namespace
}  // namespace ombrix
