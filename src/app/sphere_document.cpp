#include "app/sphere_document.h"

#include <QUndoCommand>
#include <utility>

#include "hulfile/hul_file.h"
#include "shared/file_bytes.h"
#include "shared/write_file.h"

namespace ombrix {

namespace {

constexpr int kSetSphereId = 1;

class SetSphereStep : public QUndoCommand {
 public:
  SetSphereStep(SphereDocument& document, size_t index, const Sphere& sphere, int gesture)
      : QUndoCommand(QStringLiteral("Change sphere %1").arg(index + 1)),
        document_(document),
        index_(index),
        before_(document.spheres()[index]),
        after_(sphere),
        gesture_(gesture) {}

  void redo() override { document_.put_sphere(index_, after_); }
  void undo() override { document_.put_sphere(index_, before_); }
  int id() const override { return kSetSphereId; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const SetSphereStep*>(other);
    if (gesture_ == 0 || next->gesture_ != gesture_ || next->index_ != index_) return false;
    after_ = next->after_;
    return true;
  }

 private:
  SphereDocument& document_;
  size_t index_;
  Sphere before_;
  Sphere after_;
  int gesture_;
};

// Any change of the list's length, kept as the whole list before and after: a few hundred bytes.
class SpheresStep : public QUndoCommand {
 public:
  SpheresStep(SphereDocument& document, std::vector<Sphere> after, int selected_after, int selected_before,
              const QString& name)
      : QUndoCommand(name),
        document_(document),
        before_(document.spheres()),
        after_(std::move(after)),
        selected_before_(selected_before),
        selected_after_(selected_after) {}

  void redo() override { document_.put_spheres(after_, selected_after_); }
  void undo() override { document_.put_spheres(before_, selected_before_); }

 private:
  SphereDocument& document_;
  std::vector<Sphere> before_;
  std::vector<Sphere> after_;
  int selected_before_;
  int selected_after_;
};

}  // namespace

SphereDocument::SphereDocument(QObject* parent) : QObject(parent) {}

void SphereDocument::reset(CollisionData data, const std::string& path) {
  undo_stack_.clear();
  data_ = std::move(data);
  path_ = path;
  std::string fault;
  disk_bytes_ = path.empty() ? std::string() : read_file_bytes(path, fault).value_or(std::string());
  emit spheres_changed(-1);
}

void SphereDocument::set_sphere(size_t index, const Sphere& sphere, int gesture) {
  if (index >= data_.spheres.size()) return;
  undo_stack_.push(new SetSphereStep(*this, index, sphere, gesture));
}

void SphereDocument::insert_sphere(size_t index, const Sphere& sphere, const QString& name) {
  index = std::min(index, data_.spheres.size());
  std::vector<Sphere> after = data_.spheres;
  after.insert(after.begin() + static_cast<std::ptrdiff_t>(index), sphere);
  undo_stack_.push(new SpheresStep(*this, std::move(after), static_cast<int>(index), -1, name));
}

void SphereDocument::remove_sphere(size_t index) {
  if (index >= data_.spheres.size()) return;
  std::vector<Sphere> after = data_.spheres;
  after.erase(after.begin() + static_cast<std::ptrdiff_t>(index));
  undo_stack_.push(new SpheresStep(*this, std::move(after), -1, static_cast<int>(index),
                                   QStringLiteral("Delete sphere %1").arg(index + 1)));
}

void SphereDocument::replace_spheres(std::vector<Sphere> spheres, const QString& name) {
  undo_stack_.push(new SpheresStep(*this, std::move(spheres), -1, -1, name));
}

void SphereDocument::put_sphere(size_t index, const Sphere& sphere) {
  data_.spheres[index] = sphere;
  emit spheres_changed(static_cast<int>(index));
}

void SphereDocument::put_spheres(std::vector<Sphere> spheres, int selected) {
  data_.spheres = std::move(spheres);
  emit spheres_changed(selected);
}

SaveResult SphereDocument::save(const std::string& path, bool over_changes) {
  const std::string target = path.empty() ? path_ : path;
  if (target == path_ && !path_.empty() && !over_changes) {
    std::string fault;
    const std::optional<std::string> now = read_file_bytes(path_, fault);
    // A file that is gone can be written again: nothing of anyone's would be lost.
    if (now && *now != disk_bytes_) return SaveResult::kChangedOnDisk;
  }
  std::optional<std::string> bytes = hul_file_bytes(data_);
  if (!bytes) return SaveResult::kTooLarge;
  if (write_whole_file(target, *bytes).outcome != WriteOutcome::kWritten) return SaveResult::kCannotWrite;
  path_ = target;
  disk_bytes_ = std::move(*bytes);  // what is on disk now, to tell a later change by someone else
  undo_stack_.setClean();
  return SaveResult::kSaved;
}

}  // namespace ombrix
