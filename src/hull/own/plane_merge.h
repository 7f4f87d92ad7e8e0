// Merging of near-duplicate hull planes into their average, one plane at a time as they are
// found, keeping only the planes that survive.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "geometry/plane.h"
#include "hull/own/recent_planes.h"

namespace ombrix {

// Takes the planes of a list in order and gives the list as it is after the merge of the
// own hull: visiting the planes in order, each plane P still in the list absorbs every
// later plane Q with |Q.d - P.d| < |0.01 * P.d| and a normal within about 5° of P's (dot
// above 0.996194), both compared with P as it was; P becomes the sum of itself and the
// absorbed planes in list order (rounded to single precision after each addition) divided by
// their count, and the absorbed planes leave the list. The normal is not rescaled. Planes
// through the origin (d = 0) and planes with a field that is not finite absorb nothing and are
// absorbed by nothing.
//
// A plane is absorbed by the first surviving plane before it that absorbs it, and whether a
// plane survives depends only on the planes before it, so the list never has to be held:
// memory grows with the surviving planes only.
//
// Every plane with finite fields must have a unit normal (up to rounding), as the hull
// builder's candidates do: partners are looked for only among nearby normals.
class PlaneMerger {
 public:
  PlaneMerger();

  // Appends `plane` to the list: it joins the sum of the first surviving plane that absorbs
  // it, or survives.
  void add(const Plane& plane);

  // The merged list, in the order the surviving planes were added.
  std::vector<Plane> merged_planes() const;

 private:
  struct Survivor {
    Plane first;  // as added: what later planes are compared with
    Plane sum;    // first plus the planes it absorbed, in order
    size_t absorbed = 0;
  };

  std::uint32_t first_absorber(const Plane& plane, std::uint32_t cell) const;
  void absorb(std::uint32_t absorber, const Plane& plane);
  void file_survivor(std::uint32_t survivor, std::uint32_t cell);

  std::vector<Survivor> survivors_;
  // Per normal cell, the survivors that can absorb, by offset.
  std::vector<std::multimap<float, std::uint32_t>> cells_;
  // Per normal cell, one bit for each of the 27 cells around it that holds a survivor.
  std::vector<std::uint32_t> filled_around_;
  // The survivor that absorbs a plane with these very bits.
  RecentPlanes<std::uint32_t> recent_absorbers_;
  // The last plane that could be absorbed, and the survivor that absorbs it. Its offset is
  // never 0, so the all-zero start matches no plane that reaches the comparison.
  Plane last_plane_;
  std::uint32_t last_absorber_ = 0;
};

}  // namespace ombrix
