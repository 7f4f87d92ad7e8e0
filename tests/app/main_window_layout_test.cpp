// The window as built: every control where it belongs with its caption and tooltip, the title,
// the start-up lines, the log box's line rules and how the window resizes.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "app/image_button.h"
#include "app/main_window.h"
#include "app/spin_field.h"
#include "fake_desktop.h"
#include "support/test_files.h"
#include "window_test_support.h"

using namespace ombrix;
using ombrix::testing::FakeDesktop;
using ombrix::testing::log_lines;
using ombrix::testing::TempDir;

class MainWindowLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void control_has_its_place_kind_caption_and_tooltip_data();
  void control_has_its_place_kind_caption_and_tooltip();
  void spin_fields_keep_their_ranges_and_align_right();
  void controls_are_created_in_number_order();
  void frame_does_not_cover_the_controls_inside_it();
  void hull_choice_offers_qconvex_only_when_found_and_starts_on_the_default();
  void new_choice_covers_no_other_control();
  void title_carries_the_release_tag();
  void start_up_lines_name_the_hull_procedure();
  void emblem_button_shows_the_decoded_picture();
  void empty_first_line_still_counts_as_a_line();
  void newest_line_comes_into_view_from_its_start();
  void only_the_log_box_follows_the_height_within_limits();

 private:
  TempDir dir_;
  FakeDesktop desktop_;
};

namespace {

enum class Kind { kButton, kTextField, kSpinField, kLabel, kFrame, kLogBox, kImageButton, kToggle };

// The kind a control's widget shows itself as.
Kind kind_of(QWidget* widget) {
  if (qobject_cast<SpinField*>(widget)) return Kind::kSpinField;
  if (qobject_cast<ImageButton*>(widget)) return Kind::kImageButton;
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->isCheckable() ? Kind::kToggle : Kind::kButton;
  if (qobject_cast<QLineEdit*>(widget)) return Kind::kTextField;
  if (qobject_cast<QLabel*>(widget)) return Kind::kLabel;
  if (qobject_cast<QGroupBox*>(widget)) return Kind::kFrame;
  if (qobject_cast<QPlainTextEdit*>(widget)) return Kind::kLogBox;
  return Kind::kButton;
}

QString caption_of(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

MainWindow* make_window(Desktop& desktop, const TempDir& dir, bool qconvex_found = false) {
  const HullBuilder no_hull = [](auto&, auto, auto&) {};
  HullBuilders builders{no_hull, no_hull, std::nullopt};
  if (qconvex_found) builders.qconvex = no_hull;
  return new MainWindow(desktop, std::move(builders), dir.file("ombrix.ini"));
}

}  // namespace

void MainWindowLayoutTest::control_has_its_place_kind_caption_and_tooltip_data() {
  QTest::addColumn<int>("number");
  QTest::addColumn<int>("kind");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("tooltip");

  const auto row = [](const char* name, int number, Kind kind, QRect geometry, const char* caption,
                      const char* tooltip) {
    QTest::newRow(name) << number << static_cast<int>(kind) << geometry << QString(caption) << QString(tooltip);
  };
  row("0 input Select", 0, Kind::kButton, {425, 35, 65, 20}, "Select", "Select the input .m / .prm file(s).");
  row("1 output Select", 1, Kind::kButton, {445, 60, 45, 20}, "Select", "Select the output .hul file.");
  row("2 input files", 2, Kind::kTextField, {75, 35, 340, 20}, "",
      ".prm of .m files that will be combined to create the .hul file (use | to separate files, or * to exclude "
      "a volume from the previous files).");
  row("3 output file", 3, Kind::kTextField, {75, 60, 340, 20}, "", "Name of the .hul that will be created.");
  row("4 grid resolution", 4, Kind::kSpinField, {430, 125, 50, 20}, "",
      "The bigger, the more different position will be tested for spheres center (slowing down calculations).");
  row("5 sampling resolution", 5, Kind::kSpinField, {430, 150, 50, 20}, "",
      "The bigger, the more samples will be used for volume estimations (slowing down calculations).");
  row("6 target spheres", 6, Kind::kSpinField, {205, 95, 50, 20}, "",
      "Number of collision spheres that will be used to fill the hull.");
  row("7 Proceed", 7, Kind::kButton, {65, 125, 190, 30}, "Proceed", "Read .prm file(s) and create the .hul file.");
  row("8 grid label", 8, Kind::kLabel, {290, 125, 140, 20}, "Sphere grid resolution:", "");
  row("9 sampling label", 9, Kind::kLabel, {290, 150, 140, 20}, "Sphere sampling resolution:", "");
  row("10 target label", 10, Kind::kLabel, {65, 95, 140, 20}, "Target number of sphere:", "");
  row("11 log box", 11, Kind::kLogBox, {5, 190, 490, 205}, "", "");
  row("12 frame", 12, Kind::kFrame, {275, 85, 220, 95}, "Advanced engine parameters", "");
  row("13 working dir", 13, Kind::kTextField, {75, 10, 340, 20}, "",
      "Working directory (can be left empty to use ombrix current directory).");
  row("14 working dir Select", 14, Kind::kButton, {425, 10, 65, 20}, "Select", "Select the working directory.");
  row("15 working dir label", 15, Kind::kLabel, {5, 10, 65, 20}, "Working dir:", "");
  row("16 input label", 16, Kind::kLabel, {5, 35, 65, 20}, "Input file(s):", "");
  row("17 output label", 17, Kind::kLabel, {5, 60, 65, 20}, "Output file:", "");
  row("18 derive output", 18, Kind::kButton, {425, 60, 15, 20}, "<",
      "Automatically create .hul filename from input file name.");
  row("19 emblem", 19, Kind::kImageButton, {20, 110, 17, 29}, "", "Clic to visit my webpage about Re-Volt.");
  row("20 overshoot label", 20, Kind::kLabel, {290, 100, 140, 20}, "Allow overshot (in %)", "");
  row("21 overshoot", 21, Kind::kSpinField, {430, 100, 50, 20}, "",
      "(default = 0%) Allows the sphere to go over the CHull limits.");
  row("22 copy toggle", 22, Kind::kToggle, {65, 160, 190, 20}, "Copy result to clipboard",
      "Fills clipboard with the tabulated log data. It can then be easily imported in any spreadsheet program "
      "(like eg. OOo's Calc).");
  row("23 hull choice", 23, Kind::kButton, {5, 160, 55, 20}, "own",
      "Hull procedure of the next runs, a click steps to the next one: own (the tool's own procedure), exact (the "
      "planes qconvex gives, computed inside the tool: no program needed) or qconvex (the program, when found at "
      "start-up).");
}

void MainWindowLayoutTest::control_has_its_place_kind_caption_and_tooltip() {
  QFETCH(int, number);
  QFETCH(int, kind);
  QFETCH(QRect, geometry);
  QFETCH(QString, caption);
  QFETCH(QString, tooltip);

  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  QWidget* widget = window->control(static_cast<Control>(number));
  QVERIFY(widget != nullptr);
  QCOMPARE(widget->parentWidget(), window.get());
  QCOMPARE(static_cast<int>(kind_of(widget)), kind);
  QCOMPARE(widget->geometry(), geometry);
  QCOMPARE(caption_of(widget), caption);
  QCOMPARE(widget->toolTip(), tooltip);
}

void MainWindowLayoutTest::spin_fields_keep_their_ranges_and_align_right() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  const std::pair<Control, std::pair<int, int>> ranges[] = {
      {Control::kGridResolution, {10, 1000}},
      {Control::kSampleResolution, {20, 1000}},
      {Control::kTargetSpheres, {1, 100}},
      {Control::kOvershoot, {0, 1000}},
  };
  for (const auto& [control, range] : ranges) {
    auto* spin = static_cast<SpinField*>(window->control(control));
    QCOMPARE(spin->minimum(), range.first);
    QCOMPARE(spin->maximum(), range.second);
    QVERIFY(spin->editor()->alignment() & Qt::AlignRight);
  }
  QVERIFY(!static_cast<QAbstractButton*>(window->control(Control::kCopyToggle))->isChecked());
}

void MainWindowLayoutTest::controls_are_created_in_number_order() {
  // The keyboard focus moves through the controls in the order they were created.
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  std::vector<int> order;
  QWidget* widget = window.get();
  do {
    widget = widget->nextInFocusChain();
    for (int number = 0; number < kControlCount; ++number) {
      QWidget* control = window->control(static_cast<Control>(number));
      if (widget == control || (widget->parentWidget() == control && qobject_cast<SpinField*>(control))) {
        if (order.empty() || order.back() != number) order.push_back(number);
      }
    }
  } while (widget != window.get());
  QVERIFY(order.size() > 10);
  QVERIFY(std::is_sorted(order.begin(), order.end()));
}

void MainWindowLayoutTest::frame_does_not_cover_the_controls_inside_it() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  for (const Control control : {Control::kGridResolution, Control::kSampleResolution, Control::kOvershoot,
                                Control::kGridResolutionLabel, Control::kSampleResolutionLabel}) {
    const QPoint middle = window->control(control)->geometry().center();
    QWidget* hit = window->childAt(middle);
    QVERIFY(hit == window->control(control) || window->control(control)->isAncestorOf(hit));
  }
}

void MainWindowLayoutTest::hull_choice_offers_qconvex_only_when_found_and_starts_on_the_default() {
  for (const bool found : {false, true}) {
    std::unique_ptr<MainWindow> window(make_window(desktop_, dir_, found));
    auto* choice = static_cast<QAbstractButton*>(window->control(Control::kHullChoice));
    QStringList captions{choice->text()};
    for (int click = 0; click < 3; ++click) {
      QTest::mouseClick(choice, Qt::LeftButton);
      captions.append(choice->text());
    }
    QCOMPARE(captions, (found ? QStringList{"qconvex", "own", "exact", "qconvex"}
                              : QStringList{"own", "exact", "own", "exact"}));
  }
}

void MainWindowLayoutTest::new_choice_covers_no_other_control() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  const QRect choice = window->control(Control::kHullChoice)->geometry();
  for (int number = 0; number < kControlCount; ++number) {
    if (number == static_cast<int>(Control::kHullChoice)) continue;
    QVERIFY2(!window->control(static_cast<Control>(number))->geometry().intersects(choice),
             qPrintable(QString::number(number)));
  }
}

void MainWindowLayoutTest::title_carries_the_release_tag() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  QCOMPARE(window->windowTitle(), QString("ombrix - Rel.10-10-15"));
}

void MainWindowLayoutTest::start_up_lines_name_the_hull_procedure() {
  for (const bool external : {false, true}) {
    std::unique_ptr<MainWindow> window(make_window(desktop_, dir_, external));
    window->log_start_up_lines();
    const QStringList lines = log_lines(*window);
    QCOMPARE(lines.size(), 4);
    QVERIFY(ombrix::testing::is_stamped(lines[0]));
    QCOMPARE(ombrix::testing::without_stamp(lines[0]), QString("ombrix - Rel.10-10-15"));
    QCOMPARE(lines[1], QString("This tool allows to compute .hul file from .m or .prm file(s)."));
    QCOMPARE(lines[2], QString("Hul file contains collision data used in Re-Volt for cars or models."));
    QCOMPARE(lines[3], external ? QString("'qconvex' found. It will be used to compute Hull.")
                                : QString("'qconvex' not found. Internal Hull procedure will be used."));
  }
}

void MainWindowLayoutTest::emblem_button_shows_the_decoded_picture() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  const QImage picture = static_cast<ImageButton*>(window->control(Control::kEmblem))->picture().toImage();
  QCOMPARE(picture.size(), QSize(17, 29));
  QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);       // transparent background
  QCOMPARE(qAlpha(picture.pixel(8, 20)), 255);    // the shape's middle
}

void MainWindowLayoutTest::empty_first_line_still_counts_as_a_line() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  window->log_message("", false);
  window->log_message("second", false);
  window->log_message("", true);
  QCOMPARE(log_lines(*window).size(), 3);
  QCOMPARE(log_lines(*window)[0], QString());
  QCOMPARE(log_lines(*window)[1], QString("second"));
  QVERIFY(ombrix::testing::is_stamped(log_lines(*window)[2]));
  QCOMPARE(ombrix::testing::without_stamp(log_lines(*window)[2]), QString());
}

void MainWindowLayoutTest::newest_line_comes_into_view_from_its_start() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  for (int i = 0; i < 200; ++i) window->log_message("line " + std::to_string(i), false);
  QScrollBar* bar = static_cast<QPlainTextEdit*>(window->control(Control::kLogBox))->verticalScrollBar();
  QVERIFY(bar->maximum() > 0);
  bar->setValue(0);
  window->log_message("newest", false);
  QCOMPARE(bar->value(), bar->maximum());

  // Lines wider than the box must not leave it scrolled sideways, hiding the stamps.
  QScrollBar* sideways = static_cast<QPlainTextEdit*>(window->control(Control::kLogBox))->horizontalScrollBar();
  window->log_message(std::string(400, 'x'), false);
  window->log_message(std::string(150, 'y'), true);
  QVERIFY(sideways->maximum() > 0);
  QCOMPARE(sideways->value(), 0);
}

void MainWindowLayoutTest::only_the_log_box_follows_the_height_within_limits() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QCOMPARE(window->size(), QSize(500, 400));
  QWidget* log_box = window->control(Control::kLogBox);
  const QRect proceed = window->control(Control::kProceed)->geometry();

  window->resize(500, 1200);
  QTRY_COMPARE(window->size(), QSize(500, 1200));
  QCOMPARE(log_box->geometry(), QRect(5, 190, 490, 1005));
  QCOMPARE(window->control(Control::kProceed)->geometry(), proceed);

  window->resize(800, 1600);  // wider and taller than allowed
  QTRY_COMPARE(window->size(), QSize(500, 1200));

  window->resize(300, 100);  // narrower and shorter than at start
  QTRY_COMPARE(window->size(), QSize(500, 400));
  QCOMPARE(log_box->geometry(), QRect(5, 190, 490, 205));
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
