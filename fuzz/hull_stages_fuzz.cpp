// The tool's hull against the literal triple-by-triple one on small models: the same planes, bit
// for bit, and the same log lines.
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "hull/own/own_hull.h"
#include "reference/hull_comparison.h"
#include "reference/literal_hull.h"
#include "shared/recording_log.h"

using namespace ombrix;

namespace {

// The literal hull's cost grows with the fourth power of the vertex count.
constexpr size_t kMaxVertices = 14;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const VertexList vertices = fuzz::model_vertices(provider, kMaxVertices);

  std::vector<Plane> literal;
  RecordingLog literal_log;
  reference::build_literal_hull(literal, vertices, literal_log);
  std::vector<Plane> fast;
  RecordingLog fast_log;
  build_own_hull(fast, vertices, fast_log);

  if (const std::string difference = reference::first_plane_difference(literal, fast); !difference.empty()) {
    fuzz::report_finding(difference);
  }
  if (fast_log.lines != literal_log.lines) fuzz::report_finding("the log lines differ");
  return 0;
}
