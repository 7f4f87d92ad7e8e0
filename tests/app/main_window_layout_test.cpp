// The window as built: every control as its layout says, inside the window, clear of the others
// and labelled; the title, the start-up lines, the log box's line rules and how the window resizes.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>
#include <algorithm>

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
  void every_control_is_built_as_its_layout_says();
  void every_control_lies_inside_the_window();
  void no_two_controls_overlap_but_the_frame_holds_its_fields();
  void every_field_has_its_label_just_left_of_it();
  void spin_fields_keep_their_ranges_and_align_right();
  void controls_are_created_in_number_order();
  void frame_does_not_cover_the_controls_inside_it();
  void title_carries_the_release_tag();
  void start_up_lines_name_the_hull_procedure();
  void every_hull_caption_fits_its_button();
  void emblem_button_shows_the_decoded_picture();
  void empty_first_line_still_counts_as_a_line();
  void newest_line_comes_into_view_from_its_start();
  void the_log_box_and_the_bottom_row_follow_the_height_within_limits();

 private:
  TempDir dir_;
  FakeDesktop desktop_;
};

namespace {

// The kind a control's widget shows itself as.
ControlKind kind_of(QWidget* widget) {
  if (qobject_cast<SpinField*>(widget)) return ControlKind::kSpinField;
  if (qobject_cast<QComboBox*>(widget)) return ControlKind::kChoiceBox;
  if (qobject_cast<ImageButton*>(widget)) return ControlKind::kImageButton;
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    return button->isCheckable() ? ControlKind::kToggleButton : ControlKind::kButton;
  }
  if (qobject_cast<QLineEdit*>(widget)) return ControlKind::kTextField;
  if (qobject_cast<QLabel*>(widget)) return ControlKind::kLabel;
  if (qobject_cast<QGroupBox*>(widget)) return ControlKind::kFrame;
  if (qobject_cast<QPlainTextEdit*>(widget)) return ControlKind::kLogBox;
  return ControlKind::kButton;
}

QString caption_of(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* choice = qobject_cast<QComboBox*>(widget)) {
    QStringList entries;
    for (int i = 0; i < choice->count(); ++i) entries.append(choice->itemText(i));
    return entries.join('|');
  }
  return {};
}

MainWindow* make_window(Desktop& desktop, const TempDir& dir, bool qconvex_found = false) {
  const HullBuilder no_hull = [](auto&, auto, auto&) {};
  return new MainWindow(desktop, HullOffer{qconvex_found, [no_hull](HullProcedure) { return no_hull; }},
                        dir.file("ombrix.ini"));
}

}  // namespace

void MainWindowLayoutTest::every_control_is_built_as_its_layout_says() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  for (const ControlLayout& layout : kControlLayouts) {
    QWidget* widget = window->control(layout.control);
    const QByteArray name = QByteArray::number(static_cast<int>(layout.control));
    QVERIFY2(widget != nullptr, name);
    QCOMPARE(widget->parentWidget(), window.get());
    QVERIFY2(kind_of(widget) == layout.kind, name);
    QCOMPARE(widget->geometry(), QRect(layout.x, layout.y, layout.width, layout.height));
    QCOMPARE(caption_of(widget), QString(layout.caption));
    QCOMPARE(widget->toolTip(), QString(layout.tooltip));
  }
}

void MainWindowLayoutTest::every_control_lies_inside_the_window() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  const QRect client(0, 0, kWindowWidth, kWindowHeight);
  for (const ControlLayout& layout : kControlLayouts) {
    QVERIFY2(client.contains(window->control(layout.control)->geometry()),
             QByteArray::number(static_cast<int>(layout.control)));
  }
}

void MainWindowLayoutTest::no_two_controls_overlap_but_the_frame_holds_its_fields() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  const QRect frame = window->control(Control::kAdvancedFrame)->geometry();
  for (const ControlLayout& first : kControlLayouts) {
    for (const ControlLayout& second : kControlLayouts) {
      if (first.control >= second.control) continue;
      const QRect a = window->control(first.control)->geometry();
      const QRect b = window->control(second.control)->geometry();
      if (!a.intersects(b)) continue;
      const bool framed = (first.control == Control::kAdvancedFrame && frame.contains(b)) ||
                          (second.control == Control::kAdvancedFrame && frame.contains(a));
      QVERIFY2(framed, (QByteArray::number(static_cast<int>(first.control)) + " overlaps " +
                        QByteArray::number(static_cast<int>(second.control))));
    }
  }
}

void MainWindowLayoutTest::every_field_has_its_label_just_left_of_it() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  for (const ControlLayout& field : kControlLayouts) {
    if (field.kind != ControlKind::kTextField && field.kind != ControlKind::kSpinField &&
        field.kind != ControlKind::kChoiceBox) {
      continue;
    }
    const bool labelled = std::ranges::any_of(kControlLayouts, [&](const ControlLayout& label) {
      return label.kind == ControlKind::kLabel && label.y == field.y && label.x + label.width <= field.x &&
             field.x - (label.x + label.width) <= 10 && !QString(label.caption).isEmpty();
    });
    QVERIFY2(labelled, QByteArray::number(static_cast<int>(field.control)));
  }
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

void MainWindowLayoutTest::every_hull_caption_fits_its_button() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_, true));
  auto* button = static_cast<QPushButton*>(window->control(Control::kHullChoice));
  QStyleOptionButton option;
  option.initFrom(button);
  const QRect label = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  QStringList captions;
  for (int click = 0; click < 3; ++click) {
    captions.append(button->text());
    QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= label.width(), qPrintable(button->text()));
    QTest::mouseClick(button, Qt::LeftButton);
  }
  QCOMPARE(captions, (QStringList{"qconvex", "Own hull", "Exact hull"}));  // starts on the program found
  QCOMPARE(button->text(), captions.front());                              // the last steps back to the first
}

void MainWindowLayoutTest::emblem_button_shows_the_decoded_picture() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  const QImage picture = static_cast<ImageButton*>(window->control(Control::kEmblem))->picture().toImage();
  QCOMPARE(picture.size(), QSize(17, 29));
  QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);     // transparent background
  QCOMPARE(qAlpha(picture.pixel(8, 20)), 255);  // the shape's middle
}

void MainWindowLayoutTest::empty_first_line_still_counts_as_a_line() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  window->log_message("", Stamp::kPlain);
  window->log_message("second", Stamp::kPlain);
  window->log_message("", Stamp::kStamped);
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
  for (int i = 0; i < 200; ++i) window->log_message("line " + std::to_string(i), Stamp::kPlain);
  QScrollBar* bar = static_cast<QPlainTextEdit*>(window->control(Control::kLogBox))->verticalScrollBar();
  QVERIFY(bar->maximum() > 0);
  bar->setValue(0);
  window->log_message("newest", Stamp::kPlain);
  QCOMPARE(bar->value(), bar->maximum());

  // Lines wider than the box must not leave it scrolled sideways, hiding the stamps.
  QScrollBar* sideways = static_cast<QPlainTextEdit*>(window->control(Control::kLogBox))->horizontalScrollBar();
  window->log_message(std::string(400, 'x'), Stamp::kPlain);
  window->log_message(std::string(150, 'y'), Stamp::kStamped);
  QVERIFY(sideways->maximum() > 0);
  QCOMPARE(sideways->value(), 0);
}

void MainWindowLayoutTest::the_log_box_and_the_bottom_row_follow_the_height_within_limits() {
  std::unique_ptr<MainWindow> window(make_window(desktop_, dir_));
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QCOMPARE(window->size(), QSize(500, 425));
  QWidget* log_box = window->control(Control::kLogBox);
  QWidget* max_planes = window->control(Control::kMaxPlanes);
  QCOMPARE(log_box->geometry(), QRect(5, 190, 490, 205));
  QCOMPARE(max_planes->geometry(), QRect(75, 400, 50, 20));
  const QRect proceed = window->control(Control::kProceed)->geometry();

  window->resize(500, 1200);
  QTRY_COMPARE(window->size(), QSize(500, 1200));
  QCOMPARE(log_box->geometry(), QRect(5, 190, 490, 980));
  QCOMPARE(max_planes->geometry(), QRect(75, 1175, 50, 20));
  QCOMPARE(window->control(Control::kMaxPlanesLabel)->geometry(), QRect(5, 1175, 65, 20));
  QCOMPARE(window->control(Control::kPlacement)->geometry(), QRect(190, 1175, 70, 20));
  QCOMPARE(window->control(Control::kProceed)->geometry(), proceed);

  window->resize(800, 1600);  // wider and taller than allowed
  QTRY_COMPARE(window->size(), QSize(500, 1200));

  window->resize(300, 100);  // narrower and shorter than at start
  QTRY_COMPARE(window->size(), QSize(500, 425));
  QCOMPARE(log_box->geometry(), QRect(5, 190, 490, 205));
  QCOMPARE(max_planes->geometry(), QRect(75, 400, 50, 20));
}

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
