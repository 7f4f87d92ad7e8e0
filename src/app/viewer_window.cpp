#include "app/viewer_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "app/desktop.h"
#include "app/file_patterns.h"
#include "app/qt_text.h"
#include "app/scene_view.h"
#include "app/sphere_panel.h"
#include "app/typed_sphere_value.h"
#include "hulfile/fill_hul_spheres.h"
#include "hulfile/hul_file_reader.h"
#include "hulfile/hull_distance.h"
#include "hull/solid/hull_solid.h"
#include "picture/four_views.h"
#include "picture/hull_shapes.h"
#include "picture/run_scene.h"
#include "picture/scene_files.h"
#include "picture/view_camera.h"
#include "shared/paths.h"
#include "shared/recording_log.h"

namespace ombrix {

namespace {

// The key of each standard view, also shown on its button's tooltip.
Qt::Key view_key(StandardView view) {
  switch (view) {
    case StandardView::kFront:
      return Qt::Key_F;
    case StandardView::kSide:
      return Qt::Key_S;
    case StandardView::kTop:
      return Qt::Key_T;
    case StandardView::kThreeQuarter:
      return Qt::Key_Q;
  }
  return Qt::Key_unknown;
}

QCheckBox* layer_switch(const char* caption, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  box->setChecked(true);
  return box;
}

std::string folder_of(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string() : with_trailing_separator(parent.string());
}

std::string file_name(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// A new sphere with no other to start from: in the middle of the first hull that closes, half as
// large as the largest ball inside it.
Sphere sphere_in_a_hull(const CollisionData& data) {
  for (const Volume& volume : data.volumes) {
    HullSolid solid;
    if (solid_of_planes(volume.planes, solid) != SolidResult::kClosed) continue;
    return {solid.inside.x, solid.inside.y, solid.inside.z, static_cast<float>(solid.inside_depth / 2.0)};
  }
  return {0.0f, 0.0f, 0.0f, 1.0f};
}

}  // namespace

ViewerWindow::ViewerWindow(Desktop& desktop, const Fields& fields, QWidget* parent)
    : QWidget(parent, Qt::Window), desktop_(desktop), fields_(fields) {
  build_controls();
  create_actions();
  connect_editing();
  scene_view_->set_empty_text(
      QStringLiteral("Nothing to show yet: press Proceed in the main window, or Open... a hull file."));
  show_spheres(-1);
  update_title();
}

void ViewerWindow::build_controls() {
  scene_view_ = new SceneView(this);
  panel_ = new SpherePanel(this);
  legend_ = new QLabel(this);
  faults_ = new QLabel(this);
  faults_->setStyleSheet(QStringLiteral("color: #aa1414"));
  faults_->setWordWrap(true);
  faults_->hide();
  hint_ = new QLabel(
      QStringLiteral("Drag to turn, wheel to zoom. Click a sphere to select it, drag it to move it, Ctrl+wheel "
                     "to size it."),
      this);

  auto* middle = new QHBoxLayout;
  middle->addWidget(scene_view_, 1);
  middle->addWidget(panel_);
  auto* column = new QVBoxLayout(this);
  column->addWidget(build_top_bar());
  column->addLayout(middle, 1);
  column->addWidget(faults_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(legend_, 1);
  bottom->addWidget(hint_);
  column->addLayout(bottom);
}

QWidget* ViewerWindow::build_top_bar() {
  auto* top = new QWidget(this);
  auto* bar = new QHBoxLayout(top);
  bar->setContentsMargins(0, 0, 0, 0);
  open_button_ = new QPushButton(QStringLiteral("Open..."), top);
  open_button_->setToolTip(QStringLiteral("Show a hull file, then, if you choose one, its model."));
  open_button_->setFocusPolicy(Qt::NoFocus);
  connect(open_button_, &QPushButton::clicked, this, &ViewerWindow::open);
  bar->addWidget(open_button_);
  bar->addSpacing(12);
  for (const StandardView view : kStandardViews) {
    auto* button = new QPushButton(QString::fromLatin1(standard_view_name(view)), top);
    button->setToolTip(
        QStringLiteral("%1 view (key %2)")
            .arg(QString::fromLatin1(standard_view_name(view)), QKeySequence(view_key(view)).toString()));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, view] { scene_view_->look_from(view); });
    view_buttons_.push_back(button);
    bar->addWidget(button);
  }
  bar->addSpacing(12);
  model_switch_ = layer_switch("Model", top);
  hull_switch_ = layer_switch("Hulls", top);
  sphere_switch_ = layer_switch("Spheres", top);
  for (QCheckBox* box : {model_switch_, hull_switch_, sphere_switch_}) {
    box->setFocusPolicy(Qt::NoFocus);
    connect(box, &QCheckBox::toggled, this, &ViewerWindow::switch_layers);
    bar->addWidget(box);
  }
  bar->addStretch();
  return top;
}

void ViewerWindow::create_actions() {
  const auto action = [this](const QString& text, QList<QKeySequence> keys) {
    auto* created = new QAction(text, this);
    created->setShortcuts(keys);
    created->setShortcutContext(Qt::WindowShortcut);
    addAction(created);
    return created;
  };
  undo_action_ = action(QStringLiteral("Undo"), {QKeySequence::Undo});
  redo_action_ = action(QStringLiteral("Redo"),
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  save_action_ = action(QStringLiteral("Save"), {QKeySequence::Save});
  save_as_action_ = action(QStringLiteral("Save As..."), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
  QUndoStack& stack = document_.undo_stack();
  connect(undo_action_, &QAction::triggered, &stack, &QUndoStack::undo);
  connect(redo_action_, &QAction::triggered, &stack, &QUndoStack::redo);
  connect(&stack, &QUndoStack::canUndoChanged, undo_action_, &QAction::setEnabled);
  connect(&stack, &QUndoStack::canRedoChanged, redo_action_, &QAction::setEnabled);
  connect(&stack, &QUndoStack::cleanChanged, this, &ViewerWindow::update_title);
  undo_action_->setEnabled(false);
  redo_action_->setEnabled(false);
  connect(save_action_, &QAction::triggered, this, &ViewerWindow::save);
  connect(save_as_action_, &QAction::triggered, this, &ViewerWindow::save_as);

  auto* bar = static_cast<QHBoxLayout*>(open_button_->parentWidget()->layout());
  int at = 1;
  for (QAction* shown : {save_action_, save_as_action_, undo_action_, redo_action_}) {
    auto* button = new QToolButton(open_button_->parentWidget());
    button->setDefaultAction(shown);
    button->setToolTip(shown->text() + QStringLiteral(" (") + shown->shortcut().toString(QKeySequence::NativeText) +
                       u')');
    button->setFocusPolicy(Qt::NoFocus);
    bar->insertWidget(at++, button);
  }
}

void ViewerWindow::connect_editing() {
  connect(&document_, &SphereDocument::spheres_changed, this, &ViewerWindow::show_spheres);
  connect(scene_view_, &SceneView::sphere_clicked, this, &ViewerWindow::select);
  connect(scene_view_, &SceneView::sphere_changed, this, &ViewerWindow::change_sphere);
  connect(panel_, &SpherePanel::row_selected, this, &ViewerWindow::select);
  connect(panel_, &SpherePanel::value_typed, this, &ViewerWindow::type_value);
  connect(panel_->add_button(), &QPushButton::clicked, this, &ViewerWindow::add_sphere);
  connect(panel_->duplicate_button(), &QPushButton::clicked, this, &ViewerWindow::duplicate_sphere);
  connect(panel_->delete_button(), &QPushButton::clicked, this, &ViewerWindow::delete_sphere);
  connect(panel_->mirror_button(), &QPushButton::clicked, this, &ViewerWindow::mirror_sphere);
  connect(panel_->fill_button(), &QPushButton::clicked, this, &ViewerWindow::fill_again);
}

QPushButton* ViewerWindow::view_button(StandardView view) const {
  for (size_t i = 0; i < kStandardViews.size(); ++i) {
    if (kStandardViews[i] == view) return view_buttons_[i];
  }
  return nullptr;
}

QString ViewerWindow::legend_text() const { return legend_->text(); }

QString ViewerWindow::fault_text() const { return faults_->text(); }

QString ViewerWindow::hint_text() const { return hint_->text(); }

bool ViewerWindow::show_run(const RunProduct& product, const ResultList& rows, const std::string& hul_path) {
  if (!may_drop_changes()) return false;
  std::vector<std::string> faults;
  PictureScene scene = scene_of_run(product, rows, faults);
  document_.reset(product.data, hul_path);
  show_scene(std::move(scene), faults);
  return true;
}

bool ViewerWindow::show_files(const std::string& hul_path, const std::string& model_path) {
  if (!may_drop_changes()) return false;
  std::vector<std::string> faults;
  PictureScene scene;
  if (!model_path.empty()) add_model_file(scene, model_path, faults);
  HulReading reading = read_hul_file(hul_path);
  scene.hull_file = file_name(hul_path);
  add_hulls(scene, reading.data);
  if (!reading.fault.empty()) faults.push_back("Can't read " + hul_path + ": " + reading.fault);
  // What was read in part would lose the rest over the file: it is saved elsewhere.
  document_.reset(std::move(reading.data), reading.fault.empty() ? hul_path : std::string());
  last_folder_ = folder_of(hul_path);
  show_scene(std::move(scene), faults);
  return true;
}

void ViewerWindow::show_scene(PictureScene scene, const std::vector<std::string>& faults) {
  unit_hulls_ = unit_hull_planes(document_.data());
  largest_radius_ = largest_sensible_radius(document_.data());
  scene.spheres = numbered_spheres(document_.spheres(), {});
  selected_ = -1;
  scene_view_->set_selected(-1);
  scene_view_->set_scene(std::move(scene));
  show_faults(faults);
  show_spheres(-1);
  update_title();
}

void ViewerWindow::show_faults(const std::vector<std::string>& faults) {
  QStringList lines;
  for (const std::string& fault : faults) lines.append(to_qstring(fault));
  faults_->setText(lines.join(u'\n'));
  faults_->setVisible(!lines.isEmpty());
}

void ViewerWindow::show_spheres(int selected) {
  const std::vector<Sphere>& spheres = document_.spheres();
  selected_ = selected >= 0 && static_cast<size_t>(selected) < spheres.size() ? selected : -1;
  std::vector<std::optional<double>> reaches;
  for (const Sphere& s : spheres) {
    const std::optional<NearestHull> nearest = nearest_hull(unit_hulls_, {s.x, s.y, s.z});
    reaches.push_back(nearest ? std::optional(nearest->distance_out + s.radius) : std::nullopt);
  }
  scene_view_->set_spheres(numbered_spheres(spheres, {}));
  scene_view_->set_selected(selected_);
  panel_->show_spheres(spheres, reaches, selected_);
  const PictureLegend legend = describe_scene(scene_view_->scene());
  legend_->setText(to_qstring(legend.model + "   " + legend.hull + "   " + legend.spheres));
}

void ViewerWindow::update_title() {
  const std::string& path = document_.path();
  QString title = QStringLiteral("ombrix viewer");
  if (!path.empty()) title += QStringLiteral(" - ") + to_qstring(file_name(path));
  if (document_.modified()) title += u'*';
  setWindowTitle(title);
}

void ViewerWindow::select(int index) {
  if (index == selected_) return;
  show_spheres(index);
}

void ViewerWindow::change_sphere(int index, const Sphere& sphere, int gesture) {
  if (index < 0) return;
  Sphere kept = sphere;
  kept.radius = std::min(sphere.radius, largest_radius_);
  document_.set_sphere(static_cast<size_t>(index), kept, gesture);
}

void ViewerWindow::type_value(SphereValue value, const QString& text) {
  if (selected_ < 0) return;
  Sphere sphere = document_.spheres()[static_cast<size_t>(selected_)];
  QString refusal;
  const std::optional<float> typed =
      value == SphereValue::kRadius ? typed_radius(text, largest_radius_, refusal) : typed_coordinate(text, refusal);
  if (!typed) {
    show_faults({"Not changed: " + to_field_text(refusal) + "."});
    show_spheres(selected_);  // the field shows the old value again
    return;
  }
  show_faults({});
  switch (value) {
    case SphereValue::kX:
      sphere.x = *typed;
      break;
    case SphereValue::kY:
      sphere.y = *typed;
      break;
    case SphereValue::kZ:
      sphere.z = *typed;
      break;
    case SphereValue::kRadius:
      sphere.radius = *typed;
      break;
  }
  document_.set_sphere(static_cast<size_t>(selected_), sphere);
}

void ViewerWindow::add_sphere() {
  if (document_.data().volumes.empty()) return;  // no hull to add a sphere to
  Sphere sphere = sphere_in_a_hull(document_.data());
  if (selected_ >= 0) {
    const Sphere& at = document_.spheres()[static_cast<size_t>(selected_)];
    sphere.x = at.x;
    sphere.y = at.y;
    sphere.z = at.z;
  }
  document_.insert_sphere(document_.spheres().size(), sphere, QStringLiteral("Add sphere"));
}

void ViewerWindow::duplicate_sphere() {
  if (selected_ < 0) return;
  const Sphere copy = document_.spheres()[static_cast<size_t>(selected_)];
  document_.insert_sphere(static_cast<size_t>(selected_) + 1, copy, QStringLiteral("Duplicate sphere"));
}

void ViewerWindow::delete_sphere() {
  if (selected_ >= 0) document_.remove_sphere(static_cast<size_t>(selected_));
}

void ViewerWindow::mirror_sphere() {
  if (selected_ < 0) return;
  Sphere mirrored = document_.spheres()[static_cast<size_t>(selected_)];
  mirrored.x = -mirrored.x;
  document_.insert_sphere(static_cast<size_t>(selected_) + 1, mirrored, QStringLiteral("Mirror sphere"));
}

void ViewerWindow::fill_again() {
  RecordingLog log;  // the lines a run logs; what counts is said under the picture
  ResultList rows;
  const HulFilling filling = fill_hul_spheres(document_.data(), fields_, log, rows);
  std::vector<std::string> lines = filling.skipped;
  lines.insert(lines.end(), filling.replaced.begin(), filling.replaced.end());
  lines.insert(lines.end(), filling.short_of_room.begin(), filling.short_of_room.end());
  if (filling.filled == 0) lines.push_back("Not filled: no hull could be filled.");
  if (!filling.refused.empty()) lines.push_back("Not filled: No spheres for this volume: " + filling.refusal);
  if (filling.filled > 0 && filling.refused.empty() && filling.spheres.empty()) {
    lines.push_back("Not filled: no hull has room for a sphere.");
  }
  show_faults(lines);
  if (filling.usable()) document_.replace_spheres(filling.spheres, QStringLiteral("Fill again"));
}

bool ViewerWindow::save() { return document_.path().empty() ? save_as() : save_to(document_.path()); }

bool ViewerWindow::save_as() {
  if (document_.data().volumes.empty()) return false;  // nothing open: no hull file to write
  const std::string start = document_.path().empty() ? last_folder_ : document_.path();
  const std::string path =
      desktop_.choose_output_file(RequesterStart{folder_of(start), file_name(start)}, kHullPatterns);
  if (path.empty()) return false;
  // The requester does not ask about a file that is there: another file is replaced only when
  // the person says so.
  std::error_code error;
  const bool other_file = std::filesystem::exists(path, error) &&
                          (document_.path().empty() || !std::filesystem::equivalent(path, document_.path(), error));
  if (other_file && !desktop_.confirm(path + " already exists. Replace it?")) return false;
  return save_to(path);
}

bool ViewerWindow::save_to(const std::string& path) {
  SaveResult result = document_.save(path);
  if (result == SaveResult::kChangedOnDisk &&
      desktop_.confirm(path + " changed on disk since it was opened. Write over it all the same?")) {
    result = document_.save(path, true);
  }
  switch (result) {
    case SaveResult::kSaved:
      show_faults({});
      last_folder_ = folder_of(path);
      update_title();
      return true;
    case SaveResult::kChangedOnDisk:
      show_faults({"Not saved: " + path + " changed on disk since it was opened; your changes are kept."});
      return false;
    case SaveResult::kCannotWrite:
      show_faults({"Can't write " + path + "; your changes are kept."});
      return false;
    case SaveResult::kTooLarge:
      show_faults({"Can't write " + path + ": more than 32767 spheres; your changes are kept."});
      return false;
  }
  return false;
}

bool ViewerWindow::may_drop_changes() {
  if (!document_.modified()) return true;
  const std::string name = document_.path().empty() ? std::string("the spheres") : file_name(document_.path());
  switch (desktop_.ask_about_unsaved("Save the changes to " + name + " first?")) {
    case UnsavedChoice::kSave:
      return save();
    case UnsavedChoice::kDiscard:
      return true;
    case UnsavedChoice::kCancel:
      return false;
  }
  return false;
}

void ViewerWindow::open() {
  const std::string hul =
      desktop_.choose_file_to_open("Open a hull file", RequesterStart{last_folder_, {}}, kHullPatterns);
  if (hul.empty()) return;
  last_folder_ = folder_of(hul);
  const std::string model =
      desktop_.choose_file_to_open("Its model (Cancel: none)", RequesterStart{last_folder_, {}}, kModelPatterns);
  show_files(hul, model);
}

void ViewerWindow::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier) {
    for (const StandardView view : kStandardViews) {
      if (event->key() == view_key(view)) {
        scene_view_->look_from(view);
        return;
      }
    }
    if (event->key() == Qt::Key_Escape) {
      select(-1);
      return;
    }
    if (event->key() == Qt::Key_Delete) {
      delete_sphere();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
  if (!may_drop_changes()) {
    event->ignore();
    return;
  }
  // Dropped changes are gone: View shows the file as it was saved again.
  QUndoStack& stack = document_.undo_stack();
  if (stack.cleanIndex() >= 0) stack.setIndex(stack.cleanIndex());
  event->accept();
}

void ViewerWindow::switch_layers() {
  scene_view_->set_layers({model_switch_->isChecked(), hull_switch_->isChecked(), sphere_switch_->isChecked()});
}

}  // namespace ombrix
