// The hull file the viewer edits: its hulls as read, its spheres as edited, every change an undo
// step, and the save that writes it back. No widget: the viewer shows it, the tests drive it.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <string>
#include <vector>

#include "record/collision_data.h"
#include "record/sphere.h"

namespace ombrix {

enum class SaveResult {
  kSaved,
  kChangedOnDisk,  // the file is no longer what was opened or last saved: nothing written
  kCannotWrite,    // the place cannot be written: nothing written, an earlier file intact
  kTooLarge,       // more spheres than a hull file holds: nothing written
};

class SphereDocument : public QObject {
  Q_OBJECT

 public:
  explicit SphereDocument(QObject* parent = nullptr);

  // Starts over on `data`, which the file at `path` holds (empty: a document with no file yet),
  // with no undo history and no unsaved change.
  void reset(CollisionData data, const std::string& path);

  const CollisionData& data() const { return data_; }
  const std::vector<Sphere>& spheres() const { return data_.spheres; }
  const std::string& path() const { return path_; }
  bool modified() const { return !undo_stack_.isClean(); }
  QUndoStack& undo_stack() { return undo_stack_; }
  // The undo steps there are, done or undone.
  int step_count() const { return undo_stack_.count(); }

  // Each of these is one undo step. Consecutive set_sphere calls for the same sphere with the same
  // non-zero `gesture` (one drag, one turn of the wheel) make a single step.
  void set_sphere(size_t index, const Sphere& sphere, int gesture = 0);
  void insert_sphere(size_t index, const Sphere& sphere, const QString& name);
  void remove_sphere(size_t index);
  void replace_spheres(std::vector<Sphere> spheres, const QString& name);

  // Writes the file at `path` (empty: the document's own) whole or not at all, the hulls exactly
  // as read and the spheres as edited. Over the document's own file it refuses when that file
  // changed on disk since it was opened or saved, unless `over_changes`. Once saved, `path` is
  // the document's file and there is no unsaved change.
  SaveResult save(const std::string& path = {}, bool over_changes = false);

  // Changes the spheres as an undo step does, for the steps themselves.
  void put_sphere(size_t index, const Sphere& sphere);
  void put_spheres(std::vector<Sphere> spheres, int selected);

 signals:
  // The spheres changed; `selected` is the sphere the change is about, -1 for none.
  void spheres_changed(int selected);

 private:
  CollisionData data_;
  std::string path_;
  std::string disk_bytes_;  // what the file held when opened or last saved
  QUndoStack undo_stack_;
};

}  // namespace ombrix
