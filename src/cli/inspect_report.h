// What `ombrix-cli inspect` prints: a few lines for a person, or one JSON document for tools.
#pragma once

#include <optional>
#include <string>

#include "hulfile/inspect_hul.h"

namespace ombrix {

// The names the report gives the files, as the user typed them.
struct InspectedFiles {
  std::string hul_path;
  std::optional<std::string> model_path;
};

// How a hull's planes close: "closed", "open", "empty", "flat", "not-finite" or "not-checked".
const char* region_word(const std::optional<SolidResult>& region);

// The file's size and counts, one line per hull (counts, box, offset) and per sphere (centre,
// radius, where it sits), the model's fit, notes on checks left out, then the findings, one
// "severity kind: message" line each, or "no findings".
std::string inspect_text_report(const HulInspection& inspection, const InspectedFiles& files);

// {"file", "bytes", "hulls": [{"points", "edges", "planes", "box", "offset", "region"}],
// "spheres", "findings": [{"kind", "severity", "message"}], "trailing_bytes", "sphere_fits", "model", "notes"}.
std::string inspect_json_report(const HulInspection& inspection, const InspectedFiles& files);

}  // namespace ombrix
