// A car's hull file made afresh from its body, beside the pack rather than in it.
#pragma once

#include <filesystem>
#include <string>

#include "pack/car_check.h"
#include "pipeline/run_pipeline.h"
#include "shared/fields.h"

namespace ombrix {

// Runs the tool on `car`'s body with `fields`' sphere and plane options and `hull`, writing
// `folder`/<car folder>/hull.hul (`shown` names `folder` to the user), and measures the result
// against the body as the shipped hull file is measured. A car whose body could not be read, a
// target that would lie inside `game`, or a run that writes nothing gives a FreshHull with its
// fault.
FreshHull rebuild_car(const CarCheck& car, const Fields& fields, const HullMaker& hull,
                      const std::filesystem::path& folder, const std::string& shown, const std::filesystem::path& game);

}  // namespace ombrix
