// What the harnesses share: stopping on a finding, a scratch file for readers that take a path,
// and small models drawn from the fuzzer's bytes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <string_view>

#include "model/mesh_vertex.h"

namespace ombrix::fuzz {

// Prints `what` and aborts, so that libFuzzer keeps the input as it keeps a crash's.
[[noreturn]] void report_finding(const std::string& what);

// Writes `bytes` to this process's own file under the temporary folder; returns its path.
std::string scratch_file(std::string_view bytes);

// Up to `max_vertices` vertices in one of three kinds of model, chosen by the first byte: points
// on a grid of 0.25 (near the hull's tolerance of 0.5), 16-bit values scaled by a power of two
// from 2^-30 to 2^30, or any float bits below 2^40 in size, subnormals and signed zeros included.
VertexList model_vertices(FuzzedDataProvider& data, size_t max_vertices);

}  // namespace ombrix::fuzz
