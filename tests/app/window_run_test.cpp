// Runs started from the window: the same log and hull file as the core gives, the clipboard
// table, what happens to clicks, typing and close requests while a run is busy, and the
// settings kept from one start to the next.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/copy_result_table.h"
#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "app/spin_field.h"
#include "fake_desktop.h"
#include "hull/own/own_hull.h"
#include "pipeline/run_pipeline.h"
#include "record/on_plane_tolerance.h"
#include "shared/recording_log.h"
#include "spheres/result_table.h"
#include "support/test_files.h"
#include "window_test_support.h"

using namespace ombrix;
using namespace ombrix::testing;
using ombrix::LoggedLine;
using ombrix::RecordingLog;

class WindowRunTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void proceed_logs_and_writes_what_the_core_does();
  void switching_the_toggle_on_copies_the_last_table();
  void copied_table_is_on_the_clipboard_and_logged();
  void empty_result_list_copies_nothing();
  void refused_clipboard_is_not_reported_and_tried_again();
  void close_request_and_clicks_are_lost_during_a_run();
  void typing_and_the_toggle_still_work_during_a_run();
  void settings_fill_the_fields_and_closing_saves_them();
  void hull_choice_from_settings_to_run_to_settings_data();
  void hull_choice_from_settings_to_run_to_settings();
  void max_planes_from_settings_to_run_to_settings();
  void sphere_placement_from_settings_to_run_to_settings();

 private:
  void make_window(bool qconvex_found = false);
  QLineEdit* text_field(Control control) const { return static_cast<QLineEdit*>(window_->control(control)); }
  QAbstractButton* button(Control control) const { return static_cast<QAbstractButton*>(window_->control(control)); }
  // Sets the fields a run reads, with coarse resolutions so that a run is quick.
  void set_run_fields(const std::string& input, const std::string& output);

  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<FakeDesktop> desktop_;
  std::unique_ptr<MainWindow> window_;
  int hull_builds_ = 0;
  QStringList hull_procedures_used_;  // one entry per hull built
  // Done once, by the first hull build of a run: the moment the run is busy.
  std::function<void(Log&)> during_run_;
};

namespace {

// A car-like body: a wide lower box under a narrower cabin.
std::vector<Vector> body_points() {
  std::vector<Vector> points = box_corners({-100, 0, -200}, {100, 40, 200});
  for (const Vector& corner : box_corners({-70, -40, -80}, {70, 0, 60})) points.push_back(corner);
  return points;
}

void write_models(const TempDir& dir) {
  write_file(dir.file("body.prm"), model_file_bytes(body_points(), 28));
  const std::vector<Vector> wheel = box_corners({-10, -10, -10}, {10, 10, 10});
  write_file(dir.file("wheel.prm"), model_file_bytes(wheel, 6));
}

// Lines as texts without stamps and without the run's duration, which differs between runs.
QStringList comparable(const QStringList& lines) {
  static const QRegularExpression duration(QStringLiteral("^end \\(-?\\d+ms\\)$"));
  QStringList result;
  for (const QString& line : lines) {
    const QString text = QString(without_stamp(line)).replace(duration, QStringLiteral("end (ms)"));
    result.append((is_stamped(line) ? QStringLiteral("[stamped] ") : QString()) + text);
  }
  return result;
}

ResultList two_volume_results() {
  ResultList results(3);
  results[0].number = 1;
  results[0].radius = 12.5f;
  results[1].number = 2;
  results[1].trimmed = 33.333332f;
  results[2].number = 1;
  results[2].x = -0.0f;
  return results;
}

}  // namespace

void WindowRunTest::init() {
  dir_ = std::make_unique<TempDir>();
  desktop_ = std::make_unique<FakeDesktop>();
  hull_builds_ = 0;
  hull_procedures_used_.clear();
  during_run_ = nullptr;
  write_models(*dir_);
}

void WindowRunTest::cleanup() {
  window_.reset();
  desktop_.reset();
  dir_.reset();
}

void WindowRunTest::make_window(bool qconvex_found) {
  // Each procedure builds the tool's own hull here, but says which one the run called.
  const auto probing_build = [this](HullProcedure procedure) -> HullBuilder {
    return [this, procedure](std::vector<Plane>& planes, std::span<const MeshVertex> vertices, Log& log) {
      ++hull_builds_;
      hull_procedures_used_.append(QString::fromStdString(hull_procedure_setting(procedure)));
      if (during_run_) std::exchange(during_run_, nullptr)(log);
      build_own_hull(planes, vertices, log);
    };
  };
  window_ = std::make_unique<MainWindow>(*desktop_, HullOffer{qconvex_found, probing_build}, dir_->file("ombrix.ini"));
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  window_->log_start_up_lines();
}

void WindowRunTest::set_run_fields(const std::string& input, const std::string& output) {
  text_field(Control::kWorkingDir)->setText(QString::fromStdString(dir_->path().string()));
  text_field(Control::kInputFiles)->setText(QString::fromStdString(input));
  text_field(Control::kOutputFile)->setText(QString::fromStdString(output));
  static_cast<SpinField*>(window_->control(Control::kGridResolution))->set_text("4.0");
  static_cast<SpinField*>(window_->control(Control::kSampleResolution))->set_text("8.0");
  static_cast<SpinField*>(window_->control(Control::kTargetSpheres))->set_text("4");
}

void WindowRunTest::proceed_logs_and_writes_what_the_core_does() {
  make_window();
  set_run_fields("body.prm | wheel.prm", "window.hul");
  button(Control::kCopyToggle)->setChecked(true);
  const int start_up_lines = static_cast<int>(log_lines(*window_).size());
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);

  FieldValues fields;
  for (const Field field : {Field::kWorkingDir, Field::kInputFiles, Field::kGridResolution, Field::kSampleResolution,
                            Field::kTargetSpheres, Field::kOvershoot}) {
    fields.set(field, window_->field_text(field));
  }
  fields.set(Field::kOutputFile, "core.hul");
  QStringList core_lines;
  LineLog core_log([&](const std::string& line) { core_lines.append(QString::fromStdString(line)); });
  ResultList core_results;
  QCOMPARE(run_pipeline(fields, core_log, {build_own_hull, kOnPlaneTolerance}, core_results), RunOutcome::kWritten);

  QStringList run_lines = log_lines(*window_).mid(start_up_lines);
  const std::string table = result_table_text(window_->results());
  if (window_->results().empty()) {
    QVERIFY(desktop_->clipboard_texts.empty());
  } else {
    QCOMPARE(desktop_->clipboard_texts, std::vector<std::string>{table});
    QCOMPARE(without_stamp(run_lines.takeLast()), QString("Result copied in clipboard."));
  }
  QCOMPARE(comparable(run_lines), comparable(core_lines));
  QCOMPARE(run_lines.first(), QString());
  QCOMPARE(without_stamp(run_lines[1]), QString("start"));
  QCOMPARE(read_file(dir_->file("window.hul")), read_file(dir_->file("core.hul")));
  QVERIFY(!read_file(dir_->file("window.hul")).empty());
}

void WindowRunTest::switching_the_toggle_on_copies_the_last_table() {
  make_window();
  set_run_fields("body.prm", "hull.hul");
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);
  QVERIFY(desktop_->clipboard_texts.empty());  // the toggle is off

  const size_t copies = window_->results().empty() ? 0 : 1;
  QTest::mouseClick(button(Control::kCopyToggle), Qt::LeftButton);  // on
  QCOMPARE(desktop_->clipboard_texts.size(), copies);
  QTest::mouseClick(button(Control::kCopyToggle), Qt::LeftButton);  // off
  QCOMPARE(desktop_->clipboard_texts.size(), copies);
  QTest::mouseClick(button(Control::kCopyToggle), Qt::LeftButton);  // on again: the same table
  QCOMPARE(desktop_->clipboard_texts.size(), 2 * copies);
  if (copies > 0) QCOMPARE(desktop_->clipboard_texts[0], desktop_->clipboard_texts[1]);
}

void WindowRunTest::copied_table_is_on_the_clipboard_and_logged() {
  QtDesktop desktop;
  RecordingLog log;
  const ResultList results = two_volume_results();
  QGuiApplication::clipboard()->setText("previous");
  copy_result_table(results, desktop, log);
  QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), result_table_text(results));
  QCOMPARE(log.lines, (std::vector<LoggedLine>{{"Result copied in clipboard.", Stamp::kStamped}}));
}

void WindowRunTest::empty_result_list_copies_nothing() {
  QtDesktop desktop;
  RecordingLog log;
  QGuiApplication::clipboard()->setText("keep me");
  copy_result_table(ResultList{}, desktop, log);
  QCOMPARE(QGuiApplication::clipboard()->text(), QString("keep me"));
  QVERIFY(log.lines.empty());
}

void WindowRunTest::refused_clipboard_is_not_reported_and_tried_again() {
  RecordingLog log;
  desktop_->clipboard_takes_text = false;
  const ResultList results = two_volume_results();
  copy_result_table(results, *desktop_, log);
  copy_result_table(results, *desktop_, log);
  QCOMPARE(desktop_->clipboard_texts.size(), size_t(2));
  QVERIFY(log.lines.empty());
}

void WindowRunTest::close_request_and_clicks_are_lost_during_a_run() {
  make_window();
  set_run_fields("body.prm", "hull.hul");
  auto* grid = static_cast<SpinField*>(window_->control(Control::kGridResolution));
  bool close_accepted = true;
  during_run_ = [&](Log& log) {
    QMetaObject::invokeMethod(
        window_.get(), [&] { close_accepted = window_->close(); }, Qt::QueuedConnection);
    post_click(button(Control::kProceed));
    post_click(grid->arrow(SpinArrow::kUp));
    post_click(button(Control::kEmblem));
    log.log_message("a line drains the queue", Stamp::kPlain);
  };
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);

  QVERIFY(!close_accepted);
  QVERIFY(window_->isVisible());
  QVERIFY(!std::filesystem::exists(dir_->file("ombrix.ini")));  // nothing saved either
  QCOMPARE(hull_builds_, 1);                                    // no second run started
  QCOMPARE(log_lines(*window_).filter(QRegularExpression("\\tstart$")).size(), 1);
  QCOMPARE(grid->text(), QString("4.0"));
  QVERIFY(desktop_->opened_pages.empty());
  QVERIFY(!window_->busy());

  // Idle again: the same requests work.
  QTest::mouseClick(grid->arrow(SpinArrow::kUp), Qt::LeftButton);
  QCOMPARE(grid->text(), QString("5.0"));
  QVERIFY(window_->close());
}

void WindowRunTest::typing_and_the_toggle_still_work_during_a_run() {
  make_window();
  set_run_fields("body.prm", "typed");
  during_run_ = [&](Log& log) {
    post_typing(text_field(Control::kOutputFile), ".hul");
    post_click(button(Control::kCopyToggle));
    log.log_message("a line drains the queue", Stamp::kPlain);
  };
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);

  // The output name is read when the file is written, after the typing.
  QVERIFY(std::filesystem::exists(dir_->file("typed.hul")));
  QVERIFY(button(Control::kCopyToggle)->isChecked());
  // The toggle's own copy was dropped; the check after the run copies once, if there is a table.
  QCOMPARE(desktop_->clipboard_texts.size(), window_->results().empty() ? size_t(0) : size_t(1));
}

void WindowRunTest::settings_fill_the_fields_and_closing_saves_them() {
  write_file(dir_->file("ombrix.ini"),
             "; kept\r\nFILES = a.prm\r\nfile_save = b.hul\r\ngrid_resolution_val = 8.0\r\n"
             "sample_sphere_resolution_val = 22.0\r\ntarget_sphere_n = 12\r\nsphere_overshot_val = 0.5\r\n"
             "update_clipboard = 5\r\n");
  make_window();
  QCOMPARE(window_->control_text(Control::kInputFiles), std::string("a.prm"));
  QCOMPARE(window_->control_text(Control::kOutputFile), std::string("b.hul"));
  QCOMPARE(window_->control_text(Control::kGridResolution), std::string("8.0"));
  QCOMPARE(window_->control_text(Control::kSampleResolution), std::string("22.0"));
  QCOMPARE(window_->control_text(Control::kTargetSpheres), std::string("12"));
  QCOMPARE(window_->control_text(Control::kOvershoot), std::string("0.5"));
  QCOMPARE(window_->control_text(Control::kWorkingDir), std::string());
  QVERIFY(button(Control::kCopyToggle)->isChecked());

  text_field(Control::kOutputFile)->setText("c.hul");
  text_field(Control::kWorkingDir)->setText("/not/stored");
  QTest::mouseClick(button(Control::kCopyToggle), Qt::LeftButton);
  QVERIFY(window_->close());
  QCOMPARE(read_file(dir_->file("ombrix.ini")),
           std::string("; kept\r\nFILES = a.prm\r\nfile_save = c.hul\r\ngrid_resolution_val = 8.0\r\n"
                       "sample_sphere_resolution_val = 22.0\r\ntarget_sphere_n = 12\r\n"
                       "sphere_overshot_val = 0.5\r\nupdate_clipboard = 0\r\n"));
}

void WindowRunTest::hull_choice_from_settings_to_run_to_settings_data() {
  QTest::addColumn<QString>("kept");    // the settings file's hull_procedure, empty for none
  QTest::addColumn<bool>("found");      // whether the program was found at start-up
  QTest::addColumn<QString>("chosen");  // the caption the user then steps to, empty for nothing
  QTest::addColumn<QString>("used");    // the procedure the run calls
  QTest::addColumn<bool>("announced");  // a start-up line says the kept choice overrides
  QTest::addColumn<QString>("saved");   // hull_procedure after closing, empty for none

  QTest::newRow("older file, no program: own") << "" << false << ""
                                               << "own" << false << "";
  QTest::newRow("older file, program found: qconvex") << "" << true << ""
                                                      << "qconvex" << false << "";
  QTest::newRow("kept exact wins over the program") << "Exact" << true << ""
                                                    << "exact" << true << "exact";
  QTest::newRow("kept qconvex without it stays kept") << "qconvex" << false << ""
                                                      << "own" << false << "qconvex";
  QTest::newRow("picked in the window") << "" << false << "Exact hull"
                                        << "exact" << false << "exact";
  QTest::newRow("picking the default keeps it") << "" << true << "qconvex"
                                                << "qconvex" << false << "qconvex";
}

void WindowRunTest::hull_choice_from_settings_to_run_to_settings() {
  QFETCH(QString, kept);
  QFETCH(bool, found);
  QFETCH(QString, chosen);
  QFETCH(QString, used);
  QFETCH(bool, announced);
  QFETCH(QString, saved);
  const std::string ini = dir_->file("ombrix.ini");
  if (!kept.isEmpty()) write_file(ini, "hull_procedure = " + kept.toStdString() + "\r\n");

  make_window(found);
  const QStringList start_up = log_lines(*window_);
  QCOMPARE(start_up.size(), announced ? 5 : 4);
  if (announced) {
    QCOMPARE(start_up[4], "Hull procedure chosen last time: " + used + ". It will be used to compute Hull.");
  }
  QAbstractButton* choice = button(Control::kHullChoice);
  if (!chosen.isEmpty()) {
    for (int click = 0; click < 3 && (click == 0 || choice->text() != chosen); ++click) {
      QTest::mouseClick(choice, Qt::LeftButton);
    }
    QCOMPARE(choice->text(), chosen);
  }
  set_run_fields("body.prm", "hull.hul");
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);
  QCOMPARE(hull_procedures_used_, QStringList{used});

  QVERIFY(window_->close());
  const QStringList lines = QString::fromStdString(read_file(ini)).split("\r\n");
  const QStringList kept_lines = lines.filter(QRegularExpression("^hull_procedure = "));
  QCOMPARE(kept_lines, (saved.isEmpty() ? QStringList{} : QStringList{"hull_procedure = " + saved}));
}

void WindowRunTest::max_planes_from_settings_to_run_to_settings() {
  const std::string ini = dir_->file("ombrix.ini");
  write_file(ini, "max_planes = 5\r\n");
  make_window();
  QCOMPARE(window_->control_text(Control::kMaxPlanes), std::string("5"));

  // The body's own hull has more than 5 planes: the run keeps 5, with the own procedure's tolerance.
  set_run_fields("body.prm", "hull.hul");
  int before = static_cast<int>(log_lines(*window_).size());
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);
  const QStringList budgeted = log_lines(*window_).mid(before);
  QVERIFY2(budgeted.size() > 5, qPrintable(budgeted.join('\n')));
  QVERIFY2(QString(without_stamp(budgeted[5])).startsWith("    Hull reduced to 5 planes from "),
           qPrintable(budgeted[5]));

  text_field(Control::kMaxPlanes)->setText("3");
  before = static_cast<int>(log_lines(*window_).size());
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);
  const QStringList refused = log_lines(*window_).mid(before);
  QCOMPARE(refused.size(), 4);
  QCOMPARE(without_stamp(refused[2]),
           QString("Aborting. Max planes must be empty, 0 or a whole number from 4 to 32767, not '3'."));

  text_field(Control::kMaxPlanes)->setText("");
  QVERIFY(window_->close());
  QVERIFY(QString::fromStdString(read_file(ini)).startsWith("max_planes = \r\n"));
}

void WindowRunTest::sphere_placement_from_settings_to_run_to_settings() {
  const std::string ini = dir_->file("ombrix.ini");
  write_file(ini, "sphere_placement = refined\r\n");
  make_window();
  QCOMPARE(window_->control_text(Control::kPlacement), std::string("refined"));

  set_run_fields("body.prm", "hull.hul");
  const int before = static_cast<int>(log_lines(*window_).size());
  QTest::mouseClick(button(Control::kProceed), Qt::LeftButton);
  const QStringList run = log_lines(*window_).mid(before);
  const auto refined_line = [](const QString& line) {
    return QString(without_stamp(line)).startsWith("    Spheres refined: ");
  };
  QCOMPARE(std::count_if(run.begin(), run.end(), refined_line), 1);

  // Back to the greedy: the key the file had is kept, with the new choice.
  static_cast<QComboBox*>(window_->control(Control::kPlacement))->setCurrentIndex(0);
  QVERIFY(window_->close());
  QVERIFY(QString::fromStdString(read_file(ini)).startsWith("sphere_placement = greedy\r\n"));
}

QTEST_MAIN(WindowRunTest)
#include "window_run_test.moc"
