// The tool's one window: its numbered controls, what each does, the log box, and the runs
// started from it. It is also the field and log interface the runs read and write through.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "app/control_layout.h"
#include "app/desktop.h"
#include "app/hull_choice.h"
#include "app/spin_step.h"
#include "pipeline/run_pipeline.h"
#include "settings/settings_file.h"
#include "shared/fields.h"
#include "shared/log.h"
#include "spheres/sphere_result.h"

class QAbstractButton;

namespace ombrix {

class LogBox;
class SpinField;
class ViewerWindow;

// The address the picture button opens.
inline constexpr const char* kWebPageAddress = "https://re-volt.io";

class MainWindow : public QWidget, public Fields, public Log {
  Q_OBJECT

 public:
  // Builds the window and its controls, titles it and fills the fields and the hull choice from
  // the settings file at `settings_path`. The hull choice offers the external program when
  // `hulls` says it was found at start-up; with no choice kept, it starts on the external
  // program when offered, else on the tool's own. Requesters, the web page and the
  // clipboard go through `desktop`.
  MainWindow(Desktop& desktop, HullOffer hulls, std::string settings_path = kSettingsFileName);

  // Logs the title and the tool's description, then whether the program was found, and which
  // kept choice overrides that when there is one.
  void log_start_up_lines();

  std::string field_text(Field field) const override;
  // The text of a text or spin field; other controls read as empty.
  std::string control_text(Control control) const;

  // Appends the line to the log box, then lets the window repaint and handle what is pending;
  // whatever those events would start is discarded while the window is busy.
  void log_message(std::string_view text, Stamp stamp) override;

  QWidget* control(Control control) const { return controls_[static_cast<size_t>(control)]; }
  // True while a handler (a run, a requester) or the start-up lines are under way.
  bool busy() const { return busy_; }
  const ResultList& results() const { return results_; }
  // The viewer window once the View button or open_in_viewer has opened it, else null.
  ViewerWindow* viewer() const { return viewer_; }
  // Opens the viewer on the hull file at `hul_path` with the model at `model_path` (empty: none).
  void open_in_viewer(const std::string& hul_path, const std::string& model_path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void build_main_window();
  QWidget* create_control(const ControlLayout& layout);
  void connect_controls();
  void load_settings();
  void save_settings();

  // Every control event goes through here; an event drained while busy is lost. `arrow` is
  // looked at for the spin fields only.
  void dispatch(Control control, SpinArrow arrow = SpinArrow::kUp);

  void browse_input_files();
  void browse_output_file();
  void browse_working_dir();
  void derive_output_name();
  void step_decimal_field(Control control, SpinArrow arrow);
  void step_whole_field(SpinArrow arrow);
  void proceed();
  void toggle_copy();
  void show_viewer();

  void set_field_text(Control control, const std::string& text);
  SpinField* spin_field(Control control) const;
  QAbstractButton* copy_toggle() const;
  void show_hull_procedure(HullProcedure procedure);
  void step_hull_choice();
  // The folder the requesters start from, ending with the separator.
  std::string requester_working_dir() const;

  Desktop& desktop_;
  HullOffer hulls_;
  HullProcedure hull_procedure_ = HullProcedure::kOwn;
  bool hull_chosen_ = false;  // by the user, now or in the settings file: then it is saved
  std::string settings_path_;
  std::array<QWidget*, kControlCount> controls_{};
  LogBox* log_box_ = nullptr;
  ResultList results_;         // the last run's rows, kept for the clipboard toggle
  RunProduct last_run_;        // what the last run built, kept for the viewer
  std::string last_run_file_;  // the hull file it wrote; empty when it wrote none
  bool has_run_ = false;
  ViewerWindow* viewer_ = nullptr;
  bool busy_ = false;
};

}  // namespace ombrix
