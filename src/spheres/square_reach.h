// A distance test without its square root.
#pragma once

namespace ombrix {

// The largest double S whose square root is at most `radius`, so that for every sum of squares
// S the test `std::sqrt(S) <= radius` of point_distance gives the same as `S <= square_reach`.
// (The square root is correctly rounded and so never decreases as S grows.) -infinity for a
// negative radius, not-a-number for a not-a-number radius; -0 gives 0, which only a distance of
// 0 meets.
double square_reach(float radius);

}  // namespace ombrix
