#include "app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/copy_result_table.h"
#include "app/emblem.h"
#include "app/file_patterns.h"
#include "app/image_button.h"
#include "app/log_box.h"
#include "app/output_name.h"
#include "app/qt_text.h"
#include "app/requester_paths.h"
#include "app/spin_field.h"
#include "app/viewer_window.h"
#include "hull/external/external_hull.h"
#include "pipeline/run_pipeline.h"
#include "shared/log_line.h"
#include "shared/paths.h"

namespace ombrix {

namespace {

// The title's release tag is the date expansion of a mask at the tool's release date.
constexpr const char* kTitleMask = " - Rel.%yy-%mm-%dd";
constexpr LocalTime kReleaseDate{2010, 10, 15, 2, 41, 47};

constexpr double kControlFontPoints = 7.5;

QString window_title() { return to_qstring("ombrix" + expand_date(kTitleMask, kReleaseDate)); }

}  // namespace

MainWindow::MainWindow(Desktop& desktop, HullOffer hulls, std::string settings_path)
    : desktop_(desktop), hulls_(std::move(hulls)), settings_path_(std::move(settings_path)) {
  build_main_window();
  connect_controls();
  setWindowTitle(window_title());
  load_settings();
}

void MainWindow::build_main_window() {
  resize(kWindowWidth, kWindowHeight);
  // The controls' sizes are fixed in pixels, made for captions in a small dialog font.
  QFont small_font = font();
  small_font.setPointSizeF(kControlFontPoints);
  setFont(small_font);
  for (const ControlLayout& layout : kControlLayouts) {
    QWidget* widget = create_control(layout);
    widget->setGeometry(layout.x, layout.y, layout.width, layout.height);
    if (*layout.tooltip != '\0') widget->setToolTip(QString::fromLatin1(layout.tooltip));
    controls_[static_cast<size_t>(layout.control)] = widget;
  }
  // The frame is made after some of the controls it surrounds: it must not cover them.
  control(Control::kAdvancedFrame)->lower();
  setMinimumSize(kWindowWidth, kWindowHeight);
  setMaximumSize(kWindowWidth, kWindowMaxHeight);
}

QWidget* MainWindow::create_control(const ControlLayout& layout) {
  const QString caption = QString::fromLatin1(layout.caption);
  switch (layout.kind) {
    case ControlKind::kButton:
      return new QPushButton(caption, this);
    case ControlKind::kTextField:
      return new QLineEdit(this);
    case ControlKind::kSpinField:
      return new SpinField(layout.minimum, layout.maximum, this);
    case ControlKind::kLabel:
      return new QLabel(caption, this);
    case ControlKind::kFrame:
      return new QGroupBox(caption, this);
    case ControlKind::kLogBox:
      log_box_ = new LogBox(this);
      return log_box_;
    case ControlKind::kImageButton:
      return new ImageButton(QPixmap::fromImage(decode_png(emblem_png_bytes())), this);
    case ControlKind::kToggleButton: {
      auto* toggle = new QPushButton(caption, this);
      toggle->setCheckable(true);
      return toggle;
    }
    case ControlKind::kChoiceBox: {
      auto* choice = new QComboBox(this);
      choice->addItems(caption.split('|'));
      return choice;
    }
  }
  return nullptr;
}

void MainWindow::connect_controls() {
  for (const ControlLayout& layout : kControlLayouts) {
    const Control number = layout.control;
    if (auto* spin = qobject_cast<SpinField*>(control(number))) {
      connect(spin, &SpinField::arrow_pressed, this, [this, number](SpinArrow arrow) { dispatch(number, arrow); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(control(number))) {
      connect(button, &QAbstractButton::clicked, this, [this, number] { dispatch(number); });
    }
  }
}

void MainWindow::log_start_up_lines() {
  busy_ = true;  // events drained while these lines are written are lost, as during a run
  const bool external_found = hulls_.external_found;
  log_message(to_field_text(windowTitle()), Stamp::kStamped);
  log_message("This tool allows to compute .hul file from .m or .prm file(s).", Stamp::kPlain);
  log_message("Hul file contains collision data used in Re-Volt for cars or models.", Stamp::kPlain);
  log_message(external_hull_presence_line(external_found), Stamp::kPlain);
  if (hull_procedure_ != default_hull_procedure(external_found)) {
    log_message(kept_hull_procedure_line(hull_procedure_), Stamp::kPlain);
  }
  busy_ = false;
}

std::string MainWindow::field_text(Field field) const { return control_text(control_of(field)); }

std::string MainWindow::control_text(Control control) const {
  QWidget* widget = this->control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return to_field_text(edit->text());
  if (auto* spin = qobject_cast<SpinField*>(widget)) return to_field_text(spin->text());
  if (auto* choice = qobject_cast<QComboBox*>(widget)) return to_field_text(choice->currentText());
  return {};
}

void MainWindow::set_field_text(Control control, const std::string& text) {
  QWidget* widget = this->control(control);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(to_qstring(text));
  if (auto* spin = qobject_cast<SpinField*>(widget)) spin->set_text(to_qstring(text));
  // A text that is none of the entries, an empty one too, chooses the first.
  if (auto* choice = qobject_cast<QComboBox*>(widget)) {
    choice->setCurrentIndex(std::max(0, choice->findText(to_qstring(text))));
  }
}

void MainWindow::log_message(std::string_view text, Stamp stamp) {
  log_box_->append_line(to_qstring(format_log_line(text, stamp, local_time_now())));
  // Keeps the window painted while a run holds the only thread. The events are handled as
  // usual, so typing and the toggle still work, but dispatch() drops what they would start.
  QCoreApplication::processEvents();
}

void MainWindow::dispatch(Control control, SpinArrow arrow) {
  if (busy_) return;
  busy_ = true;
  switch (control) {
    case Control::kInputSelect:
      browse_input_files();
      break;
    case Control::kOutputSelect:
      browse_output_file();
      break;
    case Control::kGridResolution:
    case Control::kSampleResolution:
    case Control::kOvershoot:
      step_decimal_field(control, arrow);
      break;
    case Control::kTargetSpheres:
      step_whole_field(arrow);
      break;
    case Control::kProceed:
      proceed();
      break;
    case Control::kWorkingDirSelect:
      browse_working_dir();
      break;
    case Control::kDeriveOutput:
      derive_output_name();
      break;
    case Control::kEmblem:
      desktop_.open_web_page(kWebPageAddress);
      break;
    case Control::kCopyToggle:
      toggle_copy();
      break;
    case Control::kHullChoice:
      step_hull_choice();
      break;
    case Control::kView:
      show_viewer();
      break;
    default:
      break;
  }
  busy_ = false;
}

std::string MainWindow::requester_working_dir() const {
  return requester_folder(control_text(Control::kWorkingDir), current_directory_text());
}

void MainWindow::browse_input_files() {
  const std::string wdir = requester_working_dir();
  const std::string initial = wdir + first_input_name(control_text(Control::kInputFiles));
  const std::vector<std::string> chosen = desktop_.choose_input_files(requester_start(initial), kModelPatterns);
  if (chosen.empty()) return;
  std::string list = chosen.front();
  for (size_t i = 1; i < chosen.size(); ++i) list += " | " + chosen[i];
  set_field_text(Control::kInputFiles, without_folder(list, wdir));
}

void MainWindow::browse_output_file() {
  const std::string wdir = requester_working_dir();
  const std::string initial = wdir + control_text(Control::kOutputFile);
  const std::string chosen = desktop_.choose_output_file(requester_start(initial), kHullPatterns);
  if (chosen.empty()) return;
  set_field_text(Control::kOutputFile, without_folder(chosen, wdir));
}

void MainWindow::browse_working_dir() {
  const std::string chosen = desktop_.choose_folder(requester_working_dir());
  if (chosen.empty()) return;
  set_field_text(Control::kWorkingDir, working_dir_from_choice(chosen, current_directory_text()));
}

void MainWindow::derive_output_name() {
  set_field_text(Control::kOutputFile, derived_output_name(control_text(Control::kInputFiles)));
}

void MainWindow::step_decimal_field(Control control, SpinArrow arrow) {
  SpinField* spin = spin_field(control);
  spin->set_text(to_qstring(decimal_spin_step(control_text(control), arrow, spin->minimum(), spin->maximum())));
}

void MainWindow::step_whole_field(SpinArrow arrow) {
  SpinField* spin = spin_field(Control::kTargetSpheres);
  spin->set_text(to_qstring(whole_spin_step(control_text(Control::kTargetSpheres), arrow, spin->minimum())));
}

void MainWindow::proceed() {
  // The settings file the window started from is as much an input as the models.
  const RunOutcome outcome =
      run_pipeline(*this, *this, {hulls_.builder_of(hull_procedure_), hull_tolerance(hull_procedure_)}, results_,
                   &last_run_, std::span(&settings_path_, 1));
  has_run_ = true;
  last_run_file_ = outcome == RunOutcome::kWritten ? run_output_path(*this) : std::string();
  if (viewer_) viewer_->show_run(last_run_, results_, last_run_file_);
  // Read after the run: a click on the toggle during the run counts.
  if (copy_toggle()->isChecked()) copy_result_table(results_, desktop_, *this);
}

void MainWindow::toggle_copy() {
  if (copy_toggle()->isChecked()) copy_result_table(results_, desktop_, *this);
}

void MainWindow::open_in_viewer(const std::string& hul_path, const std::string& model_path) {
  if (!viewer_) viewer_ = new ViewerWindow(desktop_, *this, this);
  viewer_->show_files(hul_path, model_path);
  show_viewer();
}

void MainWindow::show_viewer() {
  if (!viewer_) {
    viewer_ = new ViewerWindow(desktop_, *this, this);
    if (has_run_) viewer_->show_run(last_run_, results_, last_run_file_);
  }
  viewer_->show();
  viewer_->raise();
  viewer_->activateWindow();
}

void MainWindow::step_hull_choice() {
  hull_chosen_ = true;
  show_hull_procedure(next_hull_procedure(hull_procedure_, hulls_.external_found));
}

void MainWindow::show_hull_procedure(HullProcedure procedure) {
  hull_procedure_ = procedure;
  static_cast<QAbstractButton*>(control(Control::kHullChoice))->setText(to_qstring(hull_procedure_caption(procedure)));
}

void MainWindow::load_settings() {
  const FieldSettings settings = load_settings_file(settings_path_);
  set_field_text(Control::kInputFiles, settings.files);
  set_field_text(Control::kOutputFile, settings.file_save);
  set_field_text(Control::kGridResolution, settings.grid_resolution_val);
  set_field_text(Control::kSampleResolution, settings.sample_sphere_resolution_val);
  set_field_text(Control::kTargetSpheres, settings.target_sphere_n);
  set_field_text(Control::kOvershoot, settings.sphere_overshot_val);
  set_field_text(Control::kMaxPlanes, settings.max_planes);
  set_field_text(Control::kPlacement, settings.sphere_placement);
  copy_toggle()->setChecked(settings.update_clipboard);
  const bool external_found = hulls_.external_found;
  const std::optional<HullProcedure> kept = kept_hull_procedure(settings.hull_procedure, external_found);
  // A kept qconvex while the program is missing stays in the file for a start that finds it.
  hull_chosen_ = kept.has_value();
  show_hull_procedure(kept.value_or(default_hull_procedure(external_found)));
}

void MainWindow::save_settings() {
  FieldSettings settings;
  settings.files = control_text(Control::kInputFiles);
  settings.file_save = control_text(Control::kOutputFile);
  settings.grid_resolution_val = control_text(Control::kGridResolution);
  settings.sample_sphere_resolution_val = control_text(Control::kSampleResolution);
  settings.target_sphere_n = control_text(Control::kTargetSpheres);
  settings.sphere_overshot_val = control_text(Control::kOvershoot);
  settings.max_planes = control_text(Control::kMaxPlanes);
  settings.sphere_placement = control_text(Control::kPlacement);
  settings.update_clipboard = copy_toggle()->isChecked();
  if (hull_chosen_) settings.hull_procedure = hull_procedure_setting(hull_procedure_);
  save_settings_file(settings_path_, settings);  // a failed save is silent: the tool still closes
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();  // a run can neither be interrupted nor left half-done
    return;
  }
  // The tool ends with its main window, unless the viewer keeps unsaved changes.
  if (viewer_ && !viewer_->close()) {
    event->ignore();
    return;
  }
  save_settings();
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent*) {
  // The log box follows the window, keeping its distance to every edge; the bottom row keeps
  // its distance to the bottom.
  const ControlLayout& log = kControlLayouts[static_cast<size_t>(Control::kLogBox)];
  const int right_margin = kWindowWidth - log.x - log.width;
  const int bottom_margin = kWindowHeight - log.y - log.height;
  log_box_->setGeometry(log.x, log.y, width() - log.x - right_margin, height() - log.y - bottom_margin);
  for (const ControlLayout& layout : kControlLayouts) {
    if (layout.y >= kBottomRowY) control(layout.control)->move(layout.x, height() - (kWindowHeight - layout.y));
  }
}

SpinField* MainWindow::spin_field(Control control) const { return static_cast<SpinField*>(this->control(control)); }

QAbstractButton* MainWindow::copy_toggle() const {
  return static_cast<QAbstractButton*>(control(Control::kCopyToggle));
}

}  // namespace ombrix
