#include "hull/qhull/exact_procedure.h"

#include "hull/external/external_hull_input.h"
#include "hull/external/external_hull_output.h"
#include "hull/qhull/qconvex_text.h"
#include "hull/qhull/qhull_run.h"
#include "shared/number_text.h"

namespace ombrix {

namespace {

// The program reads the dimension and then the count; with fewer than four points it either
// refuses the input or takes it as points of another dimension, and prints no "4" header.
constexpr size_t kFewestPoints = 4;

// The facet lines, as the program prints its normals: the facets it would skip (none when no
// facet is marked "good" and no threshold is set) are skipped here too.
std::string facet_lines(qhT* qh, int& count) {
  std::string lines;
  facetT* facet;
  FORALLfacets {
    if ((facet->visible && qh->NEWfacets) || qh_skipfacet(qh, facet)) continue;
    ++count;
    for (int k = 0; k < qh->hull_dim; ++k) lines += output_number_text(facet->normal[k]);
    lines += output_number_text(facet->offset);
    lines += '\n';
  }
  return lines;
}

}  // namespace

std::string exact_hull_output(std::span<const MeshVertex> vertices) {
  if (vertices.size() < kFewestPoints) return {};
  QhullRun run(read_input_coordinates(external_hull_input_text(vertices)), "qhull n");
  if (!run.succeeded()) return {};
  int count = 0;
  const std::string lines = facet_lines(run.qh(), count);
  return format_whole(run.qh()->hull_dim + 1) + "\n" + format_whole(count) + "\n" + lines;
}

void build_exact_hull(std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log) {
  append_output_planes(planes, split_output_lines(exact_hull_output(vertices)));
  log.log_message(plane_count_line(planes.size()), Stamp::kStamped);
}

}  // namespace ombrix
