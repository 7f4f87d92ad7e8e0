// The viewer as a user meets it: opened by View on the last run and kept up to date by each run,
// turned by the mouse and the view keys, its layers switched, hull files and models opened, and
// files that cannot be read said in words.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/main_window.h"
#include "app/scene_view.h"
#include "app/spin_field.h"
#include "app/viewer_window.h"
#include "fake_desktop.h"
#include "hulfile/hul_file.h"
#include "picture/picture_pixels.h"
#include "support/box_volume.h"
#include "support/test_files.h"

using namespace ombrix;
using namespace ombrix::testing;

class ViewerWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void view_shows_the_last_run_and_each_run_brings_it_up_to_date();
  void view_buttons_and_keys_look_from_the_usual_sides();
  void dragging_turns_and_the_wheel_zooms();
  void opened_hull_file_is_drawn_with_its_model_and_damage_is_said();
  void closing_the_main_window_closes_the_viewer();

 private:
  void run(const std::string& input);
  ViewerWindow* open_viewer();

  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<FakeDesktop> desktop_;
  std::unique_ptr<MainWindow> window_;
};

void ViewerWindowTest::init() {
  dir_ = std::make_unique<TempDir>();
  desktop_ = std::make_unique<FakeDesktop>();
  write_file(dir_->file("body.prm"), model_file_bytes(box_corners({-100, -40, -200}, {100, 0, 200}), 12));
  write_file(dir_->file("crate.prm"), model_file_bytes(box_corners({-30, -30, -30}, {30, 30, 30}), 12));
  window_ = std::make_unique<MainWindow>(*desktop_, HullOffer{}, dir_->file("ombrix.ini"));
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void ViewerWindowTest::cleanup() {
  window_.reset();
  desktop_.reset();
  dir_.reset();
}

void ViewerWindowTest::run(const std::string& input) {
  static_cast<QLineEdit*>(window_->control(Control::kWorkingDir))->setText(QString::fromStdString(dir_->prefix()));
  static_cast<QLineEdit*>(window_->control(Control::kInputFiles))->setText(QString::fromStdString(input));
  static_cast<SpinField*>(window_->control(Control::kGridResolution))->set_text("4.0");
  static_cast<SpinField*>(window_->control(Control::kSampleResolution))->set_text("8.0");
  QTest::mouseClick(static_cast<QAbstractButton*>(window_->control(Control::kProceed)), Qt::LeftButton);
}

ViewerWindow* ViewerWindowTest::open_viewer() {
  QTest::mouseClick(static_cast<QAbstractButton*>(window_->control(Control::kView)), Qt::LeftButton);
  ViewerWindow* viewer = window_->viewer();
  return viewer && QTest::qWaitForWindowExposed(viewer) ? viewer : nullptr;
}

void ViewerWindowTest::view_shows_the_last_run_and_each_run_brings_it_up_to_date() {
  run("crate.prm");
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer && viewer->isWindow());
  SceneView* view = viewer->scene_view();
  QCOMPARE(view->scene().models.at(0).name, std::string("crate.prm"));
  QCOMPARE(view->scene().spheres.size(), window_->results().size());
  QCOMPARE(view->camera().angle.yaw, standard_angle(StandardView::kThreeQuarter).yaw);
  QCOMPARE(view->camera().angle.pitch, standard_angle(StandardView::kThreeQuarter).pitch);
  QVERIFY(count_pixels(view->grab().toImage(), is_sphere) > 500);
  viewer->sphere_switch()->click();
  QCOMPARE(count_pixels(view->grab().toImage(), is_sphere), 0);

  run("body.prm | crate.prm");
  QCOMPARE(view->scene().models.size(), size_t{2});
  QCOMPARE(view->scene().hulls.size(), size_t{2});
  QVERIFY(viewer->legend_text().startsWith(QStringLiteral("Model: body.prm, crate.prm")));
  QVERIFY(viewer->fault_text().isEmpty());
}

void ViewerWindowTest::view_buttons_and_keys_look_from_the_usual_sides() {
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  SceneView* view = viewer->scene_view();
  for (const auto& [side, key] : {std::pair{StandardView::kFront, 'F'}, std::pair{StandardView::kSide, 'S'},
                                  std::pair{StandardView::kTop, 'T'}, std::pair{StandardView::kThreeQuarter, 'Q'}}) {
    const StandardView elsewhere = side == StandardView::kTop ? StandardView::kFront : StandardView::kTop;
    const auto looks_from_side = [&] {
      return view->camera().angle.yaw == standard_angle(side).yaw &&
             view->camera().angle.pitch == standard_angle(side).pitch;
    };
    view->look_from(elsewhere);
    QTest::mouseClick(viewer->view_button(side), Qt::LeftButton);
    QVERIFY2(looks_from_side(), standard_view_name(side));
    view->look_from(elsewhere);
    QTest::keyClick(view, key);
    QVERIFY2(looks_from_side(), standard_view_name(side));
  }
}

void ViewerWindowTest::dragging_turns_and_the_wheel_zooms() {
  run("body.prm");
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  SceneView* view = viewer->scene_view();
  const ViewCamera before = view->camera();
  const QPointF start(100, 100), end(160, 80);  // to the right and up
  QMouseEvent press(QEvent::MouseButtonPress, start, view->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton, {});
  QMouseEvent move(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, {});
  QCoreApplication::sendEvent(view, &press);
  QCoreApplication::sendEvent(view, &move);
  // The model turns with the pointer: the viewer goes round to its left, and sees it less from above.
  QVERIFY(view->camera().angle.yaw < before.angle.yaw);
  QVERIFY(view->camera().angle.pitch < before.angle.pitch);
  QCOMPARE(view->camera().scale, before.scale);
  QWheelEvent wheel(end, view->mapToGlobal(end), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view, &wheel);
  QVERIFY(view->camera().scale > before.scale * 1.1);
}

void ViewerWindowTest::opened_hull_file_is_drawn_with_its_model_and_damage_is_said() {
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  const PictureScene& scene = viewer->scene_view()->scene();
  CollisionData data;
  data.volumes.push_back(centred_cube(30));
  data.spheres = {{0, 0, 0, 20}, {10, 0, 0, 5}};
  const std::string hul = dir_->file("crate.hul");
  QCOMPARE(write_hul_file(hul, data), HulWriteResult::kWritten);

  desktop_->open_choices = {hul, dir_->file("crate.prm")};
  viewer->open_button()->click();
  QCOMPARE(desktop_->open_titles, (std::vector<std::string>{"Open a hull file", "Its model (Cancel: none)"}));
  QCOMPARE(desktop_->starts.back().folder, dir_->prefix());  // the model is looked for beside the hull file
  QCOMPARE(scene.models.size(), size_t{1});
  QCOMPARE(scene.hulls.at(0).faces.size(), size_t{6});
  QCOMPARE(scene.spheres.size(), size_t{2});
  QVERIFY(viewer->legend_text().contains(QStringLiteral("Hull: crate.hul, 1 hull")));

  // Cut in its second sphere, the file keeps what came whole before the cut; no model is chosen.
  const std::string cut = dir_->file("cut.hul");
  write_file(cut, read_file(hul).substr(0, read_file(hul).size() - 6));
  desktop_->open_choices = {cut};
  viewer->open_button()->click();
  QVERIFY(viewer->fault_text().startsWith(QString::fromStdString("Can't read " + cut + ": ")));
  QVERIFY(scene.models.empty());
  QCOMPARE(scene.spheres.size(), size_t{1});
}

void ViewerWindowTest::closing_the_main_window_closes_the_viewer() {
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  QVERIFY(window_->close());
  QVERIFY(!viewer->isVisible());  // else the tool would go on running without its main window
}

QTEST_MAIN(ViewerWindowTest)
#include "viewer_window_test.moc"
