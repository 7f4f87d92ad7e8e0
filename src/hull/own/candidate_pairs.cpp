#include "hull/own/candidate_pairs.h"

#include <algorithm>

namespace ombrix {

namespace {

struct BandMember {
  std::uint32_t index = 0;
  double inward = 0.0;  // -facet_distance: at least -hull.error for every vertex
};

}  // namespace

PairGraph near_boundary_pairs(std::span<const Vector> points, const ExactHull& hull, double limit) {
  std::vector<std::uint32_t> near;
  for (size_t p = 0; p < points.size(); ++p) {
    if (hull.depths[p] <= limit) near.push_back(static_cast<std::uint32_t>(p));
  }

  // The midpoint's distance to a facet plane is the mean of the two vertices' distances, and
  // a point within `limit` of the boundary is within it of some facet plane. Since no vertex
  // lies more than hull.error outside a plane, a vertex can only pair through a facet when its
  // own distance is at most 2 * limit + hull.error.
  const double pair_limit = 2.0 * limit;
  const double member_limit = pair_limit + hull.error;
  const auto band_of = [&](const FacetPlane& facet, std::vector<BandMember>& band) {
    band.clear();
    for (const std::uint32_t p : near) {
      const double inward = -facet_distance(facet, points[p]);
      if (inward <= member_limit) band.push_back({p, inward});
    }
  };

  // On a thin or nearly flat model every facet's band holds nearly every vertex, and pairing
  // facet by facet would repeat each pair once per facet; pairing all near vertices then costs
  // less. Either way the pairs held stay below four times those of the near vertices.
  std::vector<BandMember> band;
  double band_pairs = 0.0;
  for (const FacetPlane& facet : hull.facets) {
    band_of(facet, band);
    band_pairs += 0.5 * static_cast<double>(band.size()) * (static_cast<double>(band.size()) - 1.0);
  }
  const double near_pairs = 0.5 * static_cast<double>(near.size()) * (static_cast<double>(near.size()) - 1.0);
  PairGraph graph(points.size());
  if (band_pairs > 4.0 * near_pairs) {
    for (size_t a = 0; a < near.size(); ++a)
      graph[near[a]].assign(near.begin() + static_cast<std::ptrdiff_t>(a) + 1, near.end());
    return graph;
  }

  for (const FacetPlane& facet : hull.facets) {
    band_of(facet, band);
    for (size_t a = 0; a < band.size(); ++a) {
      for (size_t b = a + 1; b < band.size(); ++b) {
        if (band[a].inward + band[b].inward <= pair_limit) graph[band[a].index].push_back(band[b].index);
      }
    }
  }
  for (std::vector<std::uint32_t>& later : graph) {
    std::sort(later.begin(), later.end());
    later.erase(std::unique(later.begin(), later.end()), later.end());
  }
  return graph;
}

}  // namespace ombrix
