// Every control of the main window: kind, place, size, caption or range, and tooltip.
#pragma once

#include <array>

#include "shared/fields.h"

namespace ombrix {

// Every control of the main window by its number, the order in which the window creates them.
enum class Control : int {
  kInputSelect = 0,
  kOutputSelect = 1,
  kInputFiles = 2,
  kOutputFile = 3,
  kGridResolution = 4,
  kSampleResolution = 5,
  kTargetSpheres = 6,
  kProceed = 7,
  kGridResolutionLabel = 8,
  kSampleResolutionLabel = 9,
  kTargetSpheresLabel = 10,
  kLogBox = 11,
  kAdvancedFrame = 12,
  kWorkingDir = 13,
  kWorkingDirSelect = 14,
  kWorkingDirLabel = 15,
  kInputFilesLabel = 16,
  kOutputFileLabel = 17,
  kDeriveOutput = 18,
  kEmblem = 19,
  kOvershootLabel = 20,
  kOvershoot = 21,
  kCopyToggle = 22,
  kHullChoice = 23,
  kView = 24,
  kMaxPlanesLabel = 25,
  kMaxPlanes = 26,
  kPlacementLabel = 27,
  kPlacement = 28,
};

// The control that holds the text of a field a run reads.
Control control_of(Field field);

enum class ControlKind {
  kButton,
  kTextField,
  kSpinField,  // `minimum` and `maximum` hold its range
  kLabel,
  kFrame,
  kLogBox,        // anchored to all four edges of the window
  kImageButton,   // shows the emblem
  kToggleButton,  // created off
  kChoiceBox,     // its caption holds its entries, separated by "|"; the first one chosen
};

struct ControlLayout {
  Control control;
  ControlKind kind;
  int x, y, width, height;  // in the window's client area, at its opening size
  const char* caption;      // empty for fields, the log box and the image button; a choice box's entries
  int minimum, maximum;     // spin fields only
  const char* tooltip;      // empty: none
};

inline constexpr int kControlCount = 29;

// The window's client size when opened, and its limits: the width never changes.
inline constexpr int kWindowWidth = 500;
inline constexpr int kWindowHeight = 425;
// The row of controls under the log box, which keeps its distance to the window's bottom.
inline constexpr int kBottomRowY = 400;
inline constexpr int kWindowMaxHeight = 1200;

// In creation order, which is also the order of the control numbers.
extern const std::array<ControlLayout, kControlCount> kControlLayouts;

}  // namespace ombrix
