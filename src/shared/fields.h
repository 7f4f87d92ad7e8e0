// The window's numbered controls, and the interface through which the core reads their texts.
#pragma once

#include <map>
#include <string>

namespace ombrix {

// Every control of the main window by its number; runs read field texts by these numbers.
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
};

// Read access to the current text of a field, at the moment a stage asks for it.
class Fields {
 public:
  virtual ~Fields() = default;
  virtual std::string field_text(Control control) const = 0;
};

// Field texts held as plain values: the command line's and the tests' fields.
// A field never set reads as empty.
class FieldValues : public Fields {
 public:
  FieldValues() = default;
  FieldValues(std::map<Control, std::string> texts) : texts_(std::move(texts)) {}

  std::string field_text(Control control) const override {
    const auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
  }
  void set(Control control, std::string text) { texts_[control] = std::move(text); }

 private:
  std::map<Control, std::string> texts_;
};

}  // namespace ombrix
