// The viewer: a window of its own that shows the last run's models, hulls and spheres, or a hull
// file with its model, to be turned, zoomed and looked at from the usual sides.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "picture/picture_scene.h"
#include "pipeline/run_pipeline.h"
#include "spheres/sphere_result.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ombrix {

class Desktop;
class SceneView;
enum class StandardView;

class ViewerWindow : public QWidget {
  Q_OBJECT

 public:
  // Requesters go through `desktop`. The viewer is a window of its own, closed with `parent`.
  ViewerWindow(Desktop& desktop, QWidget* parent);

  // Shows what a run built, framed whole from the current angle.
  void show_run(const RunProduct& product, const ResultList& rows);
  // Shows the hull file at `hul_path` with the model file at `model_path` (empty: none). What
  // cannot be read is left out and its reason shown under the picture.
  void show_files(const std::string& hul_path, const std::string& model_path);

  SceneView* scene_view() const { return scene_view_; }
  QPushButton* open_button() const { return open_button_; }
  QPushButton* view_button(StandardView view) const;
  QCheckBox* model_switch() const { return model_switch_; }
  QCheckBox* hull_switch() const { return hull_switch_; }
  QCheckBox* sphere_switch() const { return sphere_switch_; }
  // What the lines under the picture say: the legend, and why files could not be read.
  QString legend_text() const;
  QString fault_text() const;

 protected:
  // F, S, T and Q look from the front, the side, the top and three quarters.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build_controls();
  void open();
  void switch_layers();
  void show_scene(PictureScene scene, const std::vector<std::string>& faults);

  Desktop& desktop_;
  QPushButton* open_button_ = nullptr;
  SceneView* scene_view_ = nullptr;
  std::vector<QPushButton*> view_buttons_;  // in the order of kStandardViews
  QCheckBox* model_switch_ = nullptr;
  QCheckBox* hull_switch_ = nullptr;
  QCheckBox* sphere_switch_ = nullptr;
  QLabel* legend_ = nullptr;
  QLabel* faults_ = nullptr;
  std::string last_folder_;  // where the next requester starts
};

}  // namespace ombrix
