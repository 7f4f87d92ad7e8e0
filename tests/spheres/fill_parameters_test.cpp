// The four fill parameters as typed in their fields.
#include "spheres/fill_parameters.h"

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace ombrix {
namespace {

FillParameters read(const char* grid, const char* sampling, const char* target, const char* overshoot) {
  return read_fill_parameters(FieldValues({{Field::kGridResolution, grid},
                                           {Field::kSampleResolution, sampling},
                                           {Field::kTargetSpheres, target},
                                           {Field::kOvershoot, overshoot}}));
}

void expect_parameters(const FillParameters& parameters, float grid, float sampling, int target, float overshoot) {
  EXPECT_EQ(parameters.grid_resolution, grid);
  EXPECT_EQ(parameters.sample_resolution, sampling);
  EXPECT_EQ(parameters.target_spheres, target);
  EXPECT_EQ(parameters.overshoot_percent, overshoot);
}

TEST(FillParameters, EachFieldFeedsItsOwnParameter) {
  expect_parameters(read("7.0", "21.5", "11", "2.5"), 7.0f, 21.5f, 11, 2.5f);
}

TEST(FillParameters, LettersAfterTheNumberAreIgnored) {
  expect_parameters(read("8.5mm", "  21x", "12 spheres", "1.5%"), 8.5f, 21.0f, 12, 1.5f);
}

TEST(FillParameters, EmptyAndMissingFieldsReadAsZero) {
  expect_parameters(read_fill_parameters(FieldValues()), 0.0f, 0.0f, 0, 0.0f);
}

TEST(FillParameters, OnlyTheTargetSkipsLeadingTabs) {
  expect_parameters(read("\t7", " 7", "\t 11", "\t3"), 0.0f, 7.0f, 11, 0.0f);
}

TEST(FillParameters, DecimalPointWhateverTheLocale) {
  const testing::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/install-deps makes it)";
  const FillParameters parameters = read("7.5", "21,5", "11", "-0.25");
  EXPECT_EQ(parameters.grid_resolution, 7.5f);
  EXPECT_EQ(parameters.sample_resolution, 21.0f);  // the comma ends the number
  EXPECT_EQ(parameters.overshoot_percent, -0.25f);
}

}  // namespace
}  // namespace ombrix
