// What the controls do outside a run: spin arrows and keys, the requesters with a stand-in
// person choosing, the "<" button and the picture button.
#include <QDir>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "app/main_window.h"
#include "app/spin_field.h"
#include "fake_desktop.h"
#include "support/test_files.h"

using namespace ombrix;
using ombrix::testing::FakeDesktop;
using ombrix::testing::TempDir;

class FieldBehaviourTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void arrow_rewrites_decimal_field_data();
  void arrow_rewrites_decimal_field();
  void up_and_down_keys_step_like_the_arrows();
  void arrows_step_the_whole_number_field_data();
  void arrows_step_the_whole_number_field();
  void typing_into_a_spin_field_is_left_alone();

  void chosen_input_files_come_back_relative_to_the_working_dir();
  void removal_of_the_working_dir_respects_letter_case();
  void empty_working_dir_starts_in_the_current_directory();
  void excluded_file_in_the_first_group_gives_no_preset_name();
  void cancelled_requesters_change_nothing();
  void chosen_output_file_comes_back_relative();
  void choosing_the_current_directory_empties_the_working_dir();

  void derive_button_replaces_the_extension_data();
  void derive_button_replaces_the_extension();
  void picture_button_opens_the_web_page();

 private:
  SpinField* spin(Control control) const { return static_cast<SpinField*>(window_->control(control)); }
  QLineEdit* text_field(Control control) const { return static_cast<QLineEdit*>(window_->control(control)); }
  void click(Control control) { QTest::mouseClick(window_->control(control), Qt::LeftButton); }

  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<FakeDesktop> desktop_;
  std::unique_ptr<MainWindow> window_;
};

void FieldBehaviourTest::init() {
  dir_ = std::make_unique<TempDir>();
  desktop_ = std::make_unique<FakeDesktop>();
  const HullBuilder no_hull = [](auto&, auto, auto&) {};
  window_ = std::make_unique<MainWindow>(*desktop_, HullOffer{false, [no_hull](HullProcedure) { return no_hull; }},
                                         dir_->file("ombrix.ini"));
}

void FieldBehaviourTest::cleanup() {
  window_.reset();
  desktop_.reset();
  dir_.reset();
}

void FieldBehaviourTest::arrow_rewrites_decimal_field_data() {
  QTest::addColumn<int>("control");
  QTest::addColumn<QString>("before");
  QTest::addColumn<bool>("up");
  QTest::addColumn<QString>("after");

  const int grid = static_cast<int>(Control::kGridResolution);
  const int samples = static_cast<int>(Control::kSampleResolution);
  const int overshoot = static_cast<int>(Control::kOvershoot);
  QTest::newRow("2.0 down takes the small step") << grid << "2.0" << false << "1.9";
  QTest::newRow("2.0 up takes the middle step") << grid << "2.0" << true << "3.0";
  QTest::newRow("1.95 up meets 2.0") << grid << "1.95" << true << "2.0";
  QTest::newRow("7.3 down") << grid << "7.3" << false << "7.0";
  QTest::newRow("7.3 up") << grid << "7.3" << true << "8.0";
  QTest::newRow("20.0 down takes the middle step") << grid << "20.0" << false << "19.0";
  QTest::newRow("20.0 up takes the large step") << grid << "20.0" << true << "25.0";
  QTest::newRow("22.0 down to a multiple of 5") << grid << "22.0" << false << "20.0";
  QTest::newRow("1.0 down stays at the lower limit") << grid << "1.0" << false << "1.0";
  QTest::newRow("100.0 up stays at the upper limit") << grid << "100.0" << true << "100.0";
  QTest::newRow("far above the upper limit") << grid << "5000" << false << "100.0";
  QTest::newRow("letters read as 0, up") << grid << "abc" << true << "1.0";
  QTest::newRow("letters read as 0, down") << grid << "abc" << false << "1.0";
  QTest::newRow("leading blanks and an exponent") << grid << "  5e1" << false << "45.0";
  QTest::newRow("too large for a float, up") << grid << "1e39" << true << "100.0";
  QTest::newRow("sampling 2.0 down stays at its limit") << samples << "2.0" << false << "2.0";
  QTest::newRow("overshoot 0.3 down") << overshoot << "0.3" << false << "0.2";
  QTest::newRow("overshoot 0.0 down") << overshoot << "0.0" << false << "0.0";
  QTest::newRow("overshoot letters up") << overshoot << "x" << true << "0.1";
  QTest::newRow("overshoot letters down") << overshoot << "x" << false << "0.0";
  QTest::newRow("overshoot below every float, down") << overshoot << "-1e39" << false << "0.0";
  QTest::newRow("comma is no decimal separator") << overshoot << "0,5" << true << "0.1";
}

void FieldBehaviourTest::arrow_rewrites_decimal_field() {
  QFETCH(int, control);
  QFETCH(QString, before);
  QFETCH(bool, up);
  QFETCH(QString, after);

  SpinField* field = spin(static_cast<Control>(control));
  field->set_text(before);
  QTest::mouseClick(field->arrow(up ? SpinArrow::kUp : SpinArrow::kDown), Qt::LeftButton);
  QCOMPARE(field->text(), after);
}

void FieldBehaviourTest::up_and_down_keys_step_like_the_arrows() {
  SpinField* field = spin(Control::kGridResolution);
  field->set_text("7.3");
  QTest::keyClick(field->editor(), Qt::Key_Up);
  QCOMPARE(field->text(), QString("8.0"));
  QTest::keyClick(field->editor(), Qt::Key_Down);
  QTest::keyClick(field->editor(), Qt::Key_Down);
  QCOMPARE(field->text(), QString("6.0"));

  SpinField* spheres = spin(Control::kTargetSpheres);
  spheres->set_text("11");
  QTest::keyClick(spheres->editor(), Qt::Key_Up);
  QCOMPARE(spheres->text(), QString("12"));
}

void FieldBehaviourTest::arrows_step_the_whole_number_field_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<bool>("up");
  QTest::addColumn<QString>("after");

  QTest::newRow("1 down stays at the minimum") << "1" << false << "1";
  QTest::newRow("100 up passes the maximum") << "100" << true << "101";
  QTest::newRow("letters up") << "abc" << true << "1";
  QTest::newRow("letters down") << "abc" << false << "1";
  QTest::newRow("hexadecimal") << "$10" << true << "17";
  QTest::newRow("binary") << "%101" << false << "4";
  QTest::newRow("tab before the number") << "\t7" << true << "8";
  QTest::newRow("beyond 32 bits") << "4294967296" << true << "4294967297";
  QTest::newRow("largest 64-bit value wraps") << "9223372036854775807" << true << "-9223372036854775808";
}

void FieldBehaviourTest::arrows_step_the_whole_number_field() {
  QFETCH(QString, before);
  QFETCH(bool, up);
  QFETCH(QString, after);

  SpinField* field = spin(Control::kTargetSpheres);
  field->set_text(before);
  QTest::mouseClick(field->arrow(up ? SpinArrow::kUp : SpinArrow::kDown), Qt::LeftButton);
  QCOMPARE(field->text(), after);
}

void FieldBehaviourTest::typing_into_a_spin_field_is_left_alone() {
  SpinField* field = spin(Control::kGridResolution);
  field->set_text("");
  QTest::keyClicks(field->editor(), "abc 12,5");
  QCOMPARE(field->text(), QString("abc 12,5"));
  QCOMPARE(window_->control_text(Control::kGridResolution), std::string("abc 12,5"));
}

void FieldBehaviourTest::chosen_input_files_come_back_relative_to_the_working_dir() {
  text_field(Control::kWorkingDir)->setText("/data/work");  // no final separator typed
  text_field(Control::kInputFiles)->setText("  body.prm | wheel.prm");
  desktop_->input_choice = {"/data/work/a.prm", "/data/work/sub/b.prm", "/elsewhere/c.prm"};
  click(Control::kInputSelect);

  QCOMPARE(desktop_->starts.size(), size_t(1));
  QCOMPARE(desktop_->starts[0].folder, std::string("/data/work/"));
  QCOMPARE(desktop_->starts[0].name, std::string("body.prm"));
  QCOMPARE(desktop_->last_patterns,
           std::string("Model (*.prm, *.m)|*.prm;*.m|PRM (*.prm)|*.prm|M (*.m)|*.m|All files (*.*)|*.*"));
  QCOMPARE(text_field(Control::kInputFiles)->text(), QString("a.prm | sub/b.prm | /elsewhere/c.prm"));
}

void FieldBehaviourTest::removal_of_the_working_dir_respects_letter_case() {
  text_field(Control::kWorkingDir)->setText("/DATA/Work/");
  desktop_->input_choice = {"/data/work/a.prm", "/data/work/sub/b.prm"};
  click(Control::kInputSelect);
  QCOMPARE(text_field(Control::kInputFiles)->text(), QString("/data/work/a.prm | /data/work/sub/b.prm"));
}

void FieldBehaviourTest::empty_working_dir_starts_in_the_current_directory() {
  const std::string current = QDir::currentPath().toStdString() + "/";
  text_field(Control::kWorkingDir)->setText("");
  desktop_->input_choice = {current + "x.prm"};
  click(Control::kInputSelect);
  QCOMPARE(desktop_->starts[0].folder, current);
  QCOMPARE(text_field(Control::kInputFiles)->text(), QString("x.prm"));
}

void FieldBehaviourTest::excluded_file_in_the_first_group_gives_no_preset_name() {
  text_field(Control::kWorkingDir)->setText("/data/work/");
  text_field(Control::kInputFiles)->setText("body.prm * cockpit.prm | wheel.prm");
  click(Control::kInputSelect);
  QCOMPARE(desktop_->starts[0].folder, std::string("/data/work/"));
  QCOMPARE(desktop_->starts[0].name, std::string());
}

void FieldBehaviourTest::cancelled_requesters_change_nothing() {
  text_field(Control::kWorkingDir)->setText("/data/work/");
  text_field(Control::kInputFiles)->setText("body.prm");
  text_field(Control::kOutputFile)->setText("hull.hul");
  click(Control::kInputSelect);
  click(Control::kOutputSelect);
  click(Control::kWorkingDirSelect);
  QCOMPARE(desktop_->starts.size(), size_t(2));
  QCOMPARE(desktop_->folder_starts.size(), size_t(1));
  QCOMPARE(text_field(Control::kInputFiles)->text(), QString("body.prm"));
  QCOMPARE(text_field(Control::kOutputFile)->text(), QString("hull.hul"));
  QCOMPARE(text_field(Control::kWorkingDir)->text(), QString("/data/work/"));
}

void FieldBehaviourTest::chosen_output_file_comes_back_relative() {
  text_field(Control::kWorkingDir)->setText("/data/work");
  text_field(Control::kOutputFile)->setText("out/hull.hul");
  desktop_->output_choice = "/data/work/out/new";  // no extension is added
  click(Control::kOutputSelect);
  QCOMPARE(desktop_->starts[0].folder, std::string("/data/work/out/"));
  QCOMPARE(desktop_->starts[0].name, std::string("hull.hul"));
  QCOMPARE(desktop_->last_patterns, std::string("Hul (*.hul)|*.hul|All files (*.*)|*.*"));
  QCOMPARE(text_field(Control::kOutputFile)->text(), QString("out/new"));
}

void FieldBehaviourTest::choosing_the_current_directory_empties_the_working_dir() {
  const std::string current = QDir::currentPath().toStdString() + "/";
  text_field(Control::kWorkingDir)->setText("/data/work");
  desktop_->folder_choice = current;
  click(Control::kWorkingDirSelect);
  QCOMPARE(desktop_->folder_starts[0], std::string("/data/work/"));
  QCOMPARE(text_field(Control::kWorkingDir)->text(), QString());

  desktop_->folder_choice = "/data/other/";
  click(Control::kWorkingDirSelect);
  QCOMPARE(desktop_->folder_starts[1], current);  // the empty field means the current directory
  QCOMPARE(text_field(Control::kWorkingDir)->text(), QString("/data/other/"));
}

void FieldBehaviourTest::derive_button_replaces_the_extension_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("output");

  QTest::newRow("extension in capitals") << "body.PRM | x.prm"
                                         << "body.hul";
  QTest::newRow("spaces around the first name") << "  car.m  |"
                                                << "car.hul";
  QTest::newRow("dot only in a folder name") << "dir.v2/body"
                                             << "dir.v2/body";
  QTest::newRow("dot only in a backslash folder name") << "dir.v2\\body"
                                                       << "dir.v2\\body";
  QTest::newRow("name that is only an extension") << ".prm"
                                                  << ".hul";
  QTest::newRow("excluded name stays part of it") << "a.prm * b.prm"
                                                  << "a.prm * b.hul";
  QTest::newRow("empty input empties the output") << ""
                                                  << "";
}

void FieldBehaviourTest::derive_button_replaces_the_extension() {
  QFETCH(QString, input);
  QFETCH(QString, output);
  text_field(Control::kWorkingDir)->setText("/data/work/");  // not applied
  text_field(Control::kInputFiles)->setText(input);
  text_field(Control::kOutputFile)->setText("previous.hul");
  click(Control::kDeriveOutput);
  QCOMPARE(text_field(Control::kOutputFile)->text(), output);
}

void FieldBehaviourTest::picture_button_opens_the_web_page() {
  click(Control::kEmblem);
  QCOMPARE(desktop_->opened_pages, std::vector<std::string>{"https://re-volt.io"});
}

QTEST_MAIN(FieldBehaviourTest)
#include "field_behaviour_test.moc"
