#include "app/viewer_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <utility>

#include "app/desktop.h"
#include "app/file_patterns.h"
#include "app/qt_text.h"
#include "app/scene_view.h"
#include "picture/four_views.h"
#include "picture/run_scene.h"
#include "picture/scene_files.h"
#include "picture/view_camera.h"
#include "shared/paths.h"

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

}  // namespace

ViewerWindow::ViewerWindow(Desktop& desktop, QWidget* parent) : QWidget(parent, Qt::Window), desktop_(desktop) {
  setWindowTitle(QStringLiteral("ombrix viewer"));
  build_controls();
  scene_view_->set_empty_text(
      QStringLiteral("Nothing to show yet: press Proceed in the main window, or Open... a hull file."));
}

void ViewerWindow::build_controls() {
  open_button_ = new QPushButton(QStringLiteral("Open..."), this);
  open_button_->setToolTip(QStringLiteral("Show a hull file, then, if you choose one, its model."));
  connect(open_button_, &QPushButton::clicked, this, &ViewerWindow::open);

  auto* bar = new QHBoxLayout;
  bar->addWidget(open_button_);
  bar->addSpacing(12);
  scene_view_ = new SceneView(this);
  for (const StandardView view : kStandardViews) {
    auto* button = new QPushButton(QString::fromLatin1(standard_view_name(view)), this);
    button->setToolTip(
        QStringLiteral("%1 view (key %2)")
            .arg(QString::fromLatin1(standard_view_name(view)), QKeySequence(view_key(view)).toString()));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, view] { scene_view_->look_from(view); });
    view_buttons_.push_back(button);
    bar->addWidget(button);
  }
  bar->addSpacing(12);
  model_switch_ = layer_switch("Model", this);
  hull_switch_ = layer_switch("Hulls", this);
  sphere_switch_ = layer_switch("Spheres", this);
  for (QCheckBox* box : {model_switch_, hull_switch_, sphere_switch_}) {
    connect(box, &QCheckBox::toggled, this, &ViewerWindow::switch_layers);
    bar->addWidget(box);
  }
  bar->addStretch();

  legend_ = new QLabel(this);
  faults_ = new QLabel(this);
  faults_->setStyleSheet(QStringLiteral("color: #aa1414"));
  faults_->setWordWrap(true);
  faults_->hide();
  auto* help = new QLabel(QStringLiteral("Drag to turn, wheel to zoom."), this);

  auto* column = new QVBoxLayout(this);
  column->addLayout(bar);
  column->addWidget(scene_view_, 1);
  column->addWidget(faults_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(legend_, 1);
  bottom->addWidget(help);
  column->addLayout(bottom);
}

QPushButton* ViewerWindow::view_button(StandardView view) const {
  for (size_t i = 0; i < kStandardViews.size(); ++i) {
    if (kStandardViews[i] == view) return view_buttons_[i];
  }
  return nullptr;
}

QString ViewerWindow::legend_text() const { return legend_->text(); }

QString ViewerWindow::fault_text() const { return faults_->text(); }

void ViewerWindow::show_run(const RunProduct& product, const ResultList& rows) {
  std::vector<std::string> faults;
  PictureScene scene = scene_of_run(product, rows, faults);
  show_scene(std::move(scene), faults);
}

void ViewerWindow::show_files(const std::string& hul_path, const std::string& model_path) {
  std::vector<std::string> faults;
  PictureScene scene;
  if (!model_path.empty()) add_model_file(scene, model_path, faults);
  add_hull_file(scene, hul_path, faults);
  show_scene(std::move(scene), faults);
}

void ViewerWindow::show_scene(PictureScene scene, const std::vector<std::string>& faults) {
  const PictureLegend legend = describe_scene(scene);
  legend_->setText(to_qstring(legend.model + "   " + legend.hull + "   " + legend.spheres));
  QStringList lines;
  for (const std::string& fault : faults) lines.append(to_qstring(fault));
  faults_->setText(lines.join(u'\n'));
  faults_->setVisible(!lines.isEmpty());
  scene_view_->set_scene(std::move(scene));
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
  for (const StandardView view : kStandardViews) {
    if (event->key() == view_key(view) && event->modifiers() == Qt::NoModifier) {
      scene_view_->look_from(view);
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void ViewerWindow::switch_layers() {
  scene_view_->set_layers({model_switch_->isChecked(), hull_switch_->isChecked(), sphere_switch_->isChecked()});
}

}  // namespace ombrix
