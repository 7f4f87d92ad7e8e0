#include "app/control_layout.h"

namespace ombrix {

namespace {

using K = ControlKind;
using C = Control;

// The tooltip of the working directory names the program's own file.
#if defined(_WIN32)
constexpr const char* kWorkingDirTooltip = "Working directory (can be left empty to use ombrix.exe current directory).";
#else
constexpr const char* kWorkingDirTooltip = "Working directory (can be left empty to use ombrix current directory).";
#endif

}  // namespace

const std::array<ControlLayout, kControlCount> kControlLayouts{{
    {C::kInputSelect, K::kButton, 425, 35, 65, 20, "Select", 0, 0, "Select the input .m / .prm file(s)."},
    {C::kOutputSelect, K::kButton, 445, 60, 45, 20, "Select", 0, 0, "Select the output .hul file."},
    {C::kInputFiles, K::kTextField, 75, 35, 340, 20, "", 0, 0,
     ".prm of .m files that will be combined to create the .hul file (use | to separate files, or * to "
     "exclude a volume from the previous files)."},
    {C::kOutputFile, K::kTextField, 75, 60, 340, 20, "", 0, 0, "Name of the .hul that will be created."},
    {C::kGridResolution, K::kSpinField, 430, 125, 50, 20, "", 10, 1000,
     "The bigger, the more different position will be tested for spheres center (slowing down "
     "calculations)."},
    {C::kSampleResolution, K::kSpinField, 430, 150, 50, 20, "", 20, 1000,
     "The bigger, the more samples will be used for volume estimations (slowing down calculations)."},
    {C::kTargetSpheres, K::kSpinField, 205, 95, 50, 20, "", 1, 100,
     "Number of collision spheres that will be used to fill the hull."},
    {C::kProceed, K::kButton, 65, 125, 190, 30, "Proceed", 0, 0, "Read .prm file(s) and create the .hul file."},
    {C::kGridResolutionLabel, K::kLabel, 290, 125, 140, 20, "Sphere grid resolution:", 0, 0, ""},
    {C::kSampleResolutionLabel, K::kLabel, 290, 150, 140, 20, "Sphere sampling resolution:", 0, 0, ""},
    {C::kTargetSpheresLabel, K::kLabel, 65, 95, 140, 20, "Target number of sphere:", 0, 0, ""},
    {C::kLogBox, K::kLogBox, 5, 190, 490, 205, "", 0, 0, ""},
    {C::kAdvancedFrame, K::kFrame, 275, 85, 220, 95, "Advanced engine parameters", 0, 0, ""},
    {C::kWorkingDir, K::kTextField, 75, 10, 340, 20, "", 0, 0, kWorkingDirTooltip},
    {C::kWorkingDirSelect, K::kButton, 425, 10, 65, 20, "Select", 0, 0, "Select the working directory."},
    {C::kWorkingDirLabel, K::kLabel, 5, 10, 65, 20, "Working dir:", 0, 0, ""},
    {C::kInputFilesLabel, K::kLabel, 5, 35, 65, 20, "Input file(s):", 0, 0, ""},
    {C::kOutputFileLabel, K::kLabel, 5, 60, 65, 20, "Output file:", 0, 0, ""},
    {C::kDeriveOutput, K::kButton, 425, 60, 15, 20, "<", 0, 0,
     "Automatically create .hul filename from input file name."},
    {C::kEmblem, K::kImageButton, 20, 110, 17, 29, "", 0, 0, "Clic to visit my webpage about Re-Volt."},
    {C::kOvershootLabel, K::kLabel, 290, 100, 140, 20, "Allow overshot (in %)", 0, 0, ""},
    {C::kOvershoot, K::kSpinField, 430, 100, 50, 20, "", 0, 1000,
     "(default = 0%) Allows the sphere to go over the CHull limits."},
    {C::kCopyToggle, K::kToggleButton, 65, 160, 190, 20, "Copy result to clipboard", 0, 0,
     "Fills clipboard with the tabulated log data. It can then be easily imported in any spreadsheet "
     "program (like eg. OOo's Calc)."},
    // Its caption names the chosen hull procedure: the window sets it after the settings file.
    {C::kHullChoice, K::kButton, 5, 160, 55, 20, "Own hull", 0, 0,
     "Hull procedure of the next runs, a click steps to the next one: Own hull (the tool's own procedure), "
     "Exact hull (the planes qconvex gives, computed inside the tool: no program needed) or qconvex (the "
     "program, when found at start-up)."},
    // In the free corner above the emblem.
    {C::kView, K::kButton, 5, 85, 55, 20, "View", 0, 0,
     "Show the models, hulls and spheres of the last run in the viewer window."},
    {C::kMaxPlanesLabel, K::kLabel, 5, 400, 65, 20, "Max planes:", 0, 0, ""},
    {C::kMaxPlanes, K::kTextField, 75, 400, 50, 20, "", 0, 0,
     "At most this many planes per hull (4 to 32767), every vertex still inside: a hull with more is "
     "replaced by a simpler one. Empty or 0: no limit."},
    {C::kPlacementLabel, K::kLabel, 140, 400, 45, 20, "Spheres:", 0, 0, ""},
    {C::kPlacement, K::kChoiceBox, 190, 400, 70, 20, "greedy|refined", 0, 0,
     "How the spheres are placed: greedy (one by one, each covering most of what is left) or refined (the "
     "greedy's spheres, then moved to cover more of the hull; a little slower)."},
}};

Control control_of(Field field) {
  switch (field) {
    case Field::kWorkingDir:
      return Control::kWorkingDir;
    case Field::kInputFiles:
      return Control::kInputFiles;
    case Field::kOutputFile:
      return Control::kOutputFile;
    case Field::kTargetSpheres:
      return Control::kTargetSpheres;
    case Field::kGridResolution:
      return Control::kGridResolution;
    case Field::kSampleResolution:
      return Control::kSampleResolution;
    case Field::kOvershoot:
      return Control::kOvershoot;
    case Field::kMaxPlanes:
      return Control::kMaxPlanes;
    case Field::kPlacement:
      return Control::kPlacement;
  }
  return Control::kInputFiles;
}

}  // namespace ombrix
