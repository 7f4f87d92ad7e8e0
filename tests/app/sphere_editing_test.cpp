// Editing spheres in the viewer as a person does it: clicks, drags, the wheel, keys, the panel's
// fields and buttons, then the saved file read back.
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cstring>

#include "app/main_window.h"
#include "app/scene_view.h"
#include "app/sphere_panel.h"
#include "app/spin_field.h"
#include "app/viewer_window.h"
#include "fake_desktop.h"
#include "hulfile/hul_file.h"
#include "hulfile/hul_file_reader.h"
#include "support/generated_hulls.h"
#include "support/test_files.h"

using namespace ombrix;
using namespace ombrix::testing;

class SphereEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void click_selects_and_empty_click_or_escape_clears();
  void drag_moves_in_the_view_plane_and_undo_redo_take_it_back_and_forth();
  void ctrl_wheel_sizes_and_typed_values_are_checked_at_the_field();
  void add_duplicate_mirror_and_delete();
  void save_writes_the_hulls_as_read_and_never_silently_over_changes();
  void unsaved_changes_are_asked_about_and_fill_again_uses_the_main_windows_fields();

 private:
  const Sphere& sphere(int index) const { return viewer_->document().spheres().at(static_cast<size_t>(index)); }
  void click_sphere(int index) {
    QTest::mouseClick(view_, Qt::LeftButton, {}, viewer_->scene_view()->sphere_point(index).toPoint());
  }

  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<FakeDesktop> desktop_;
  std::unique_ptr<MainWindow> window_;
  ViewerWindow* viewer_ = nullptr;
  SceneView* view_ = nullptr;
  std::string hul_;
};

void SphereEditingTest::init() {
  dir_ = std::make_unique<TempDir>();
  desktop_ = std::make_unique<FakeDesktop>();
  hul_ = dir_->file("car.hul");
  QCOMPARE(write_hul_file(hul_, generated_prisms(2)), HulWriteResult::kWritten);
  window_ = std::make_unique<MainWindow>(*desktop_, HullOffer{}, dir_->file("ombrix.ini"));
  window_->open_in_viewer(hul_, "");
  viewer_ = window_->viewer();
  QVERIFY(viewer_ && QTest::qWaitForWindowExposed(viewer_));
  view_ = viewer_->scene_view();
  view_->look_from(StandardView::kTop);
}

void SphereEditingTest::cleanup() {
  desktop_->unsaved_choice = UnsavedChoice::kDiscard;
  window_.reset();
  desktop_.reset();
  dir_.reset();
}

void SphereEditingTest::click_selects_and_empty_click_or_escape_clears() {
  click_sphere(2);
  QCOMPARE(viewer_->selected(), 2);
  QVERIFY(view_->scene().spheres[2].selected);
  QCOMPARE(viewer_->panel()->table()->selectedItems().front()->row(), 2);
  QCOMPARE(viewer_->panel()->field(SphereValue::kRadius)->text(), QStringLiteral("7.5"));
  // A click that jitters by a pixel or two moves nothing.
  const QPoint at = view_->sphere_point(2).toPoint();
  QTest::mousePress(view_, Qt::LeftButton, {}, at);
  QTest::mouseMove(view_, at + QPoint(2, 1));
  QTest::mouseRelease(view_, Qt::LeftButton, {}, at + QPoint(2, 1));
  QCOMPARE(viewer_->document().step_count(), 0);
  QTest::mouseClick(view_, Qt::LeftButton, {}, QPoint(3, 3));
  QCOMPARE(viewer_->selected(), -1);
  QVERIFY(!view_->scene().spheres[2].selected);

  QTableWidget* table = viewer_->panel()->table();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(1, 2)).center());
  QCOMPARE(viewer_->selected(), 1);
  QTest::keyClick(viewer_, Qt::Key_Escape);
  QCOMPARE(viewer_->selected(), -1);

  // Two spheres in one place: a click takes the one painted on top, the later one.
  click_sphere(0);
  QTest::mouseClick(viewer_->panel()->duplicate_button(), Qt::LeftButton);
  QTest::keyClick(viewer_, Qt::Key_Escape);
  click_sphere(0);
  QCOMPARE(viewer_->selected(), 1);
}

void SphereEditingTest::drag_moves_in_the_view_plane_and_undo_redo_take_it_back_and_forth() {
  const Sphere before = sphere(0);  // a copy
  const QPoint from = view_->sphere_point(0).toPoint();
  const double scale = view_->camera().scale;
  QTest::mousePress(view_, Qt::LeftButton, {}, from);
  for (int step = 1; step <= 4; ++step) QTest::mouseMove(view_, from + QPoint(10 * step, 5 * step));
  QTest::mouseRelease(view_, Qt::LeftButton, {}, from + QPoint(40, 20));
  // Seen from the top, right is +z and down is +x: y stays.
  const Sphere moved = sphere(0);  // a copy
  QCOMPARE(moved.y, before.y);
  QVERIFY(std::abs(moved.z - before.z - 40 / scale) < 1e-3);
  QVERIFY(std::abs(moved.x - before.x - 20 / scale) < 1e-3);
  QCOMPARE(viewer_->document().step_count(), 1);  // one drag, one step
  QVERIFY(viewer_->windowTitle().endsWith(u'*'));

  QTest::keyClick(viewer_, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(std::memcmp(&sphere(0), &before, sizeof(Sphere)), 0);
  QTest::keyClick(viewer_, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(sphere(0).z, moved.z);
  QTest::keyClick(viewer_, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(viewer_, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(sphere(0).z, moved.z);

  // On empty space a drag still turns the view and moves nothing.
  const double yaw = view_->camera().angle.yaw;
  QTest::mousePress(view_, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseMove(view_, QPoint(60, 3));
  QTest::mouseRelease(view_, Qt::LeftButton, {}, QPoint(60, 3));
  QVERIFY(view_->camera().angle.yaw != yaw);
  QCOMPARE(sphere(0).z, moved.z);
  QCOMPARE(viewer_->selected(), 0);
}

void SphereEditingTest::ctrl_wheel_sizes_and_typed_values_are_checked_at_the_field() {
  click_sphere(1);
  const float radius = sphere(1).radius;
  const double scale = view_->camera().scale;
  const QPointF at = view_->sphere_point(1);
  for (int notch = 0; notch < 2; ++notch) {
    QWheelEvent wheel(at, view_->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(view_, &wheel);
  }
  QVERIFY(std::abs(sphere(1).radius - radius * 1.05f * 1.05f) < 1e-3);
  QCOMPARE(view_->camera().scale, scale);  // the view does not zoom
  QCOMPARE(viewer_->document().step_count(), 1);
  QVERIFY(viewer_->hint_text().contains(QStringLiteral("Ctrl+wheel")));

  QLineEdit* field = viewer_->panel()->field(SphereValue::kRadius);
  const QString kept = field->text();
  for (const char* refused : {"abc", "-2", "0", "inf", "nan", "1e9"}) {
    field->selectAll();
    QTest::keyClicks(field, refused);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY2(field->text() == kept, refused);
    QVERIFY2(viewer_->fault_text().startsWith(QStringLiteral("Not changed: ")), refused);
  }
  QCOMPARE(viewer_->document().step_count(), 1);
  field->selectAll();
  QTest::keyClicks(field, "9.25");
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(sphere(1).radius, 9.25f);
  QLineEdit* x = viewer_->panel()->field(SphereValue::kX);
  x->selectAll();
  QTest::keyClicks(x, "-3.5");
  QTest::keyClick(x, Qt::Key_Return);
  QCOMPARE(sphere(1).x, -3.5f);
}

void SphereEditingTest::add_duplicate_mirror_and_delete() {
  SpherePanel* panel = viewer_->panel();
  QTest::mouseClick(panel->add_button(), Qt::LeftButton);  // nothing selected: inside hull 1
  QCOMPARE(viewer_->document().spheres().size(), size_t{5});
  const Volume& hull = viewer_->document().data().volumes[0];
  for (const Plane& plane : hull.planes) QVERIFY(plane_value({sphere(4).x, sphere(4).y, sphere(4).z}, plane) < 0);
  QCOMPARE(viewer_->selected(), 4);

  click_sphere(0);
  QTest::mouseClick(panel->mirror_button(), Qt::LeftButton);
  QCOMPARE(viewer_->selected(), 1);
  QCOMPARE(sphere(1).x, -sphere(0).x);
  QCOMPARE(sphere(1).z, sphere(0).z);
  QTest::mouseClick(panel->duplicate_button(), Qt::LeftButton);
  QCOMPARE(viewer_->document().spheres().size(), size_t{7});
  QCOMPARE(std::memcmp(&sphere(2), &sphere(1), sizeof(Sphere)), 0);

  QTest::keyClick(viewer_, Qt::Key_Delete);
  QTest::keyClick(viewer_, Qt::Key_Delete);  // nothing selected after a delete: nothing happens
  QCOMPARE(viewer_->document().spheres().size(), size_t{6});
  QCOMPARE(viewer_->panel()->table()->rowCount(), 6);
  QCOMPARE(view_->scene().spheres.size(), size_t{6});
  QTest::keyClick(viewer_, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(viewer_->document().spheres().size(), size_t{7});
  QCOMPARE(viewer_->selected(), 2);
}

void SphereEditingTest::save_writes_the_hulls_as_read_and_never_silently_over_changes() {
  const std::string before = read_file(hul_);
  click_sphere(3);
  QTest::keyClick(viewer_, Qt::Key_Delete);
  QTest::keyClick(viewer_, Qt::Key_S, Qt::ControlModifier);
  QVERIFY(!viewer_->windowTitle().endsWith(u'*'));
  const std::string after = read_file(hul_);
  const size_t hull_bytes = before.size() - 2 - 4 * 16;
  QCOMPARE(after.substr(0, hull_bytes), before.substr(0, hull_bytes));
  const HulReading reading = read_hul_file(hul_);
  QVERIFY(reading.fault.empty());
  QCOMPARE(reading.data.spheres.size(), size_t{3});
  QCOMPARE(std::memcmp(reading.data.spheres.data(), viewer_->document().spheres().data(), 3 * sizeof(Sphere)), 0);

  // Another program writes the file: the next save asks, and a no keeps that file and the edits.
  write_file(hul_, before);
  click_sphere(0);
  QTest::keyClick(viewer_, Qt::Key_Delete);
  QTest::keyClick(viewer_, Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(desktop_->questions.size(), size_t{1});
  QCOMPARE(read_file(hul_), before);
  QVERIFY(viewer_->fault_text().contains(QStringLiteral("changed on disk")));
  QVERIFY(viewer_->document().modified());

  desktop_->output_choice = dir_->file("no-such-folder/car.hul");
  QTest::keyClick(viewer_, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(viewer_->fault_text().startsWith(QStringLiteral("Can't write ")));
  QVERIFY(viewer_->document().modified());
  desktop_->output_choice = dir_->file("copy.hul");
  QTest::keyClick(viewer_, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(read_hul_file(dir_->file("copy.hul")).data.spheres.size(), size_t{2});
  QCOMPARE(viewer_->document().path(), dir_->file("copy.hul"));
  desktop_->output_choice = hul_;  // another file that is there: replaced only when confirmed
  QTest::keyClick(viewer_, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(desktop_->questions.back(), hul_ + " already exists. Replace it?");
  QCOMPARE(read_file(hul_), before);
}

void SphereEditingTest::unsaved_changes_are_asked_about_and_fill_again_uses_the_main_windows_fields() {
  static_cast<SpinField*>(window_->control(Control::kGridResolution))->set_text("0");
  QTest::mouseClick(viewer_->panel()->fill_button(), Qt::LeftButton);
  QCOMPARE(viewer_->fault_text(),
           QStringLiteral("Not filled: No spheres for this volume: the grid and sampling resolutions must be "
                          "finite and above 0."));
  QVERIFY(!viewer_->document().modified());

  static_cast<SpinField*>(window_->control(Control::kGridResolution))->set_text("7.0");
  static_cast<SpinField*>(window_->control(Control::kTargetSpheres))->set_text("6");
  QTest::mouseClick(viewer_->panel()->fill_button(), Qt::LeftButton);
  QCOMPARE(viewer_->document().spheres().size(), size_t{6});
  QVERIFY(viewer_->document().modified());

  desktop_->unsaved_choice = UnsavedChoice::kCancel;
  QVERIFY(!viewer_->close());
  QVERIFY(!window_->close());  // the main window stays open with it
  QVERIFY(!viewer_->show_files(hul_, ""));
  QCOMPARE(desktop_->questions.size(), size_t{3});
  QCOMPARE(viewer_->document().spheres().size(), size_t{6});

  desktop_->unsaved_choice = UnsavedChoice::kDiscard;
  QVERIFY(viewer_->close());  // the changes are dropped: View shows the file as saved
  QVERIFY(!viewer_->document().modified());
  QCOMPARE(viewer_->document().spheres().size(), size_t{4});
  QTest::mouseClick(viewer_->panel()->fill_button(), Qt::LeftButton);
  QVERIFY(viewer_->show_files(hul_, ""));
  QCOMPARE(desktop_->questions.size(), size_t{5});
}

QTEST_MAIN(SphereEditingTest)
#include "sphere_editing_test.moc"
