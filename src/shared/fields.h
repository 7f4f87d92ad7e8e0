// The fields a run reads, and the interface through which the core reads their texts.
#pragma once

#include <map>
#include <string>

namespace ombrix {

// The fields a run reads, each at the moment its stage asks for it.
enum class Field {
  kWorkingDir,
  kInputFiles,
  kOutputFile,
  kTargetSpheres,
  kGridResolution,
  kSampleResolution,
  kOvershoot,
  kMaxPlanes,  // the plane budget: at most this many planes per hull, none when empty or 0
  kPlacement,  // how the spheres are placed: "greedy" (also when empty) or "refined"
};

// Read access to the current text of a field, at the moment a stage asks for it.
class Fields {
 public:
  virtual ~Fields() = default;
  virtual std::string field_text(Field field) const = 0;
};

// Field texts held as plain values: the command line's and the tests' fields.
// A field never set reads as empty.
class FieldValues : public Fields {
 public:
  FieldValues() = default;
  FieldValues(std::map<Field, std::string> texts) : texts_(std::move(texts)) {}

  std::string field_text(Field field) const override {
    const auto it = texts_.find(field);
    return it == texts_.end() ? std::string() : it->second;
  }
  void set(Field field, std::string text) { texts_[field] = std::move(text); }

 private:
  std::map<Field, std::string> texts_;
};

}  // namespace ombrix
