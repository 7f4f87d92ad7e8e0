// The viewer: a window of its own that shows the last run's models, hulls and spheres, or a hull
// file with its model, to be turned, zoomed and looked at from the usual sides, and whose spheres
// can be selected, moved, sized, added, mirrored, deleted, filled again and saved.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/sphere_document.h"
#include "hull/qhull/exact_hull.h"
#include "picture/picture_scene.h"
#include "pipeline/run_pipeline.h"
#include "shared/fields.h"
#include "spheres/sphere_result.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace ombrix {

class Desktop;
class SceneView;
class SpherePanel;
enum class SphereValue;
enum class StandardView;

class ViewerWindow : public QWidget {
  Q_OBJECT

 public:
  // Requesters and questions go through `desktop`; "Fill again" reads `fields`, the main window's.
  // The viewer is a window of its own, closed with `parent`.
  ViewerWindow(Desktop& desktop, const Fields& fields, QWidget* parent);

  // Shows what a run built, framed whole from the current angle; its spheres are those of the
  // hull file the run wrote at `hul_path` (empty: none written), which Save writes. Asks first
  // when there are unsaved changes; returns false, showing nothing new, when the person cancels.
  bool show_run(const RunProduct& product, const ResultList& rows, const std::string& hul_path);
  // Shows the hull file at `hul_path` with the model file at `model_path` (empty: none), asking
  // first as show_run does. What cannot be read is left out and its reason shown under the
  // picture; a file read only in part is saved with Save As.
  bool show_files(const std::string& hul_path, const std::string& model_path);

  SceneView* scene_view() const { return scene_view_; }
  SpherePanel* panel() const { return panel_; }
  const SphereDocument& document() const { return document_; }
  int selected() const { return selected_; }
  QPushButton* open_button() const { return open_button_; }
  QPushButton* view_button(StandardView view) const;
  QCheckBox* model_switch() const { return model_switch_; }
  QCheckBox* hull_switch() const { return hull_switch_; }
  QCheckBox* sphere_switch() const { return sphere_switch_; }
  // What the lines under the picture say: the legend, why files could not be read or saved, and
  // the hint.
  QString legend_text() const;
  QString fault_text() const;
  QString hint_text() const;

 protected:
  // F, S, T and Q look from the front, the side, the top and three quarters; Escape clears the
  // selection and Delete deletes the selected sphere.
  void keyPressEvent(QKeyEvent* event) override;
  // Asks first when there are unsaved changes.
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_controls();
  QWidget* build_top_bar();
  void create_actions();
  void connect_editing();
  void open();
  void switch_layers();
  void show_scene(PictureScene scene, const std::vector<std::string>& faults);
  void show_faults(const std::vector<std::string>& faults);
  void show_spheres(int selected);
  void update_title();
  void select(int index);

  void change_sphere(int index, const Sphere& sphere, int gesture);
  void type_value(SphereValue value, const QString& text);
  void add_sphere();
  void duplicate_sphere();
  void delete_sphere();
  void mirror_sphere();
  void fill_again();
  bool save();
  bool save_as();
  bool save_to(const std::string& path);
  // True when there are no unsaved changes, or the person saved or dropped them.
  bool may_drop_changes();

  Desktop& desktop_;
  const Fields& fields_;
  SphereDocument document_;
  std::vector<std::optional<std::vector<FacetPlane>>> unit_hulls_;  // the document's, for the reach
  float largest_radius_ = 1.0f;
  int selected_ = -1;

  QPushButton* open_button_ = nullptr;
  QAction* save_action_ = nullptr;
  QAction* save_as_action_ = nullptr;
  QAction* undo_action_ = nullptr;
  QAction* redo_action_ = nullptr;
  SceneView* scene_view_ = nullptr;
  SpherePanel* panel_ = nullptr;
  std::vector<QPushButton*> view_buttons_;  // in the order of kStandardViews
  QCheckBox* model_switch_ = nullptr;
  QCheckBox* hull_switch_ = nullptr;
  QCheckBox* sphere_switch_ = nullptr;
  QLabel* legend_ = nullptr;
  QLabel* faults_ = nullptr;
  QLabel* hint_ = nullptr;
  std::string last_folder_;  // where the next requester starts
};

}  // namespace ombrix
