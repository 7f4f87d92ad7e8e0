// One car of a pack checked: its files found from its parameters, its hull file inspected
// against its body, and the figures a maintainer compares.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hulfile/finding.h"
#include "hulfile/inspect_hul.h"
#include "pack/pack_layout.h"

namespace ombrix {

struct CarFinding {
  std::string kind;
  Severity severity = Severity::kWarning;
  std::string message;
};

// What one hull file holds and how it fits the body; nothing where it cannot be measured.
struct HullFigures {
  std::optional<size_t> planes;  // over all its hulls
  std::optional<size_t> spheres;
  std::optional<double> volume;    // of all its hulls, when every one closes
  std::optional<double> outside;   // percent of the body's vertices more than 0.5 out of the hulls
  std::optional<double> coverage;  // percent of the hulls' inside the spheres fill
  FindingCount count;              // its findings' errors and warnings
};

// The figures of `inspection` (with the body's fit when it has one).
HullFigures figures_of(const HulInspection& inspection);

// A hull file made afresh from the car's body.
struct FreshHull {
  std::string file;            // where it was written, named as the user named the folder
  std::filesystem::path path;  // the same, to open
  HullFigures figures;         // measured as the shipped one is
  std::string fault;           // empty when written; else why not
};

struct CarCheck {
  std::string folder;               // the car folder's own name: "akii"
  bool is_car = false;              // false for a folder with neither parameters.txt nor body.prm and hull.hul
  std::optional<std::string> name;  // the parameters' Name
  std::optional<std::string> body;  // relative to the folder the check was given, with `/`
  std::optional<std::string> hull;
  std::filesystem::path body_file;  // found and read as a model; empty when not
  std::filesystem::path hull_file;  // found (readable or not); empty when not
  HullFigures figures;
  std::vector<CarFinding> findings;  // the car's own first, then inspect's for its hull file
  FindingCount count;
  std::optional<FreshHull> fresh;  // with a rebuild only
};

// Checks the car in `folder` (relative to `layout.game`, with `/`): reads parameters.txt (at most
// kMostParametersBytes of it), or uses body.prm and hull.hul when there is none, finds the files
// with find_game_path, and inspects the hull file against the body. Never throws; whatever is
// wrong becomes a finding.
CarCheck check_car(const PackLayout& layout, const std::string& folder);

}  // namespace ombrix
