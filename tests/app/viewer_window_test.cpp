// The viewer as a user meets it: opened by View on the last run, kept up to date by each run,
// turned by the mouse and the view keys, its layers switched, hull files and models opened, and
// files that cannot be read said in words.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/main_window.h"
#include "app/scene_view.h"
#include "app/spin_field.h"
#include "app/viewer_window.h"
#include "fake_desktop.h"
#include "hulfile/hul_file.h"
#include "hull/internal_hull.h"
#include "picture/picture_pixels.h"
#include "support/box_volume.h"
#include "support/test_files.h"

using namespace ombrix;
using namespace ombrix::testing;

Q_DECLARE_METATYPE(ombrix::StandardView)

class ViewerWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void view_opens_on_the_last_run_from_three_quarters();
  void each_run_brings_the_open_viewer_up_to_date();
  void view_buttons_and_keys_look_from_the_usual_sides_data();
  void view_buttons_and_keys_look_from_the_usual_sides();
  void dragging_turns_and_the_wheel_zooms();
  void switching_spheres_off_takes_their_colour_away();
  void opened_hull_file_is_drawn_with_its_model_and_damage_is_said();
  void closing_the_main_window_closes_the_viewer();

 private:
  void run(const std::string& input);
  ViewerWindow* open_viewer();

  std::unique_ptr<TempDir> dir_;
  std::unique_ptr<FakeDesktop> desktop_;
  std::unique_ptr<MainWindow> window_;
};

namespace {

// A box of 200 by 40 by 400 units, y pointing down as in the game.
void write_box_model(const std::string& path, const Vector& low, const Vector& high) {
  write_file(path, model_file_bytes(box_corners(low, high), 12));
}

QImage picture_in(ViewerWindow* viewer) { return viewer->scene_view()->grab().toImage(); }

}  // namespace

void ViewerWindowTest::init() {
  dir_ = std::make_unique<TempDir>();
  desktop_ = std::make_unique<FakeDesktop>();
  write_box_model(dir_->file("body.prm"), {-100, -40, -200}, {100, 0, 200});
  write_box_model(dir_->file("crate.prm"), {-30, -30, -30}, {30, 30, 30});
  window_ = std::make_unique<MainWindow>(*desktop_, HullBuilders{build_internal_hull, build_internal_hull, std::nullopt},
                                         dir_->file("ombrix.ini"));
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void ViewerWindowTest::cleanup() {
  window_.reset();
  desktop_.reset();
  dir_.reset();
}

void ViewerWindowTest::run(const std::string& input) {
  static_cast<QLineEdit*>(window_->control(Control::kWorkingDir))->setText(QString::fromStdString(dir_->path().string()));
  static_cast<QLineEdit*>(window_->control(Control::kInputFiles))->setText(QString::fromStdString(input));
  static_cast<QLineEdit*>(window_->control(Control::kOutputFile))->setText("out.hul");
  static_cast<SpinField*>(window_->control(Control::kGridResolution))->set_text("4.0");
  static_cast<SpinField*>(window_->control(Control::kSampleResolution))->set_text("8.0");
  static_cast<SpinField*>(window_->control(Control::kTargetSpheres))->set_text("3");
  QTest::mouseClick(static_cast<QAbstractButton*>(window_->control(Control::kProceed)), Qt::LeftButton);
}

ViewerWindow* ViewerWindowTest::open_viewer() {
  QTest::mouseClick(static_cast<QAbstractButton*>(window_->control(Control::kView)), Qt::LeftButton);
  ViewerWindow* viewer = window_->viewer();
  if (viewer && QTest::qWaitForWindowExposed(viewer)) return viewer;
  return nullptr;
}

void ViewerWindowTest::view_opens_on_the_last_run_from_three_quarters() {
  run("body.prm");
  QVERIFY(!window_->results().empty());
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  QVERIFY(viewer->isWindow());

  const PictureScene& scene = viewer->scene_view()->scene();
  QCOMPARE(scene.models.size(), size_t{1});
  QCOMPARE(scene.models[0].name, std::string("body.prm"));
  QCOMPARE(scene.spheres.size(), window_->results().size());
  const ViewAngle angle = viewer->scene_view()->camera().angle;
  QCOMPARE(angle.yaw, standard_angle(StandardView::kThreeQuarter).yaw);
  QCOMPARE(angle.pitch, standard_angle(StandardView::kThreeQuarter).pitch);
  QVERIFY(count_pixels(picture_in(viewer), is_sphere) > 500);
  QVERIFY(viewer->legend_text().contains(QStringLiteral("Spheres: %1").arg(scene.spheres.size())));
  QVERIFY(viewer->problem_text().isEmpty());
}

void ViewerWindowTest::each_run_brings_the_open_viewer_up_to_date() {
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  QVERIFY(viewer->scene_view()->scene().models.empty());  // before any run

  run("crate.prm");
  QCOMPARE(viewer->scene_view()->scene().models.at(0).name, std::string("crate.prm"));
  run("body.prm | crate.prm");
  QCOMPARE(viewer->scene_view()->scene().models.size(), size_t{2});
  QCOMPARE(viewer->scene_view()->scene().spheres.size(), window_->results().size());
  QVERIFY(viewer->legend_text().startsWith(QStringLiteral("Model: body.prm, crate.prm")));
}

void ViewerWindowTest::view_buttons_and_keys_look_from_the_usual_sides_data() {
  QTest::addColumn<StandardView>("view");
  QTest::addColumn<QString>("key");
  QTest::newRow("front") << StandardView::kFront << "F";
  QTest::newRow("side") << StandardView::kSide << "S";
  QTest::newRow("top") << StandardView::kTop << "T";
  QTest::newRow("three-quarter") << StandardView::kThreeQuarter << "Q";
}

void ViewerWindowTest::view_buttons_and_keys_look_from_the_usual_sides() {
  QFETCH(StandardView, view);
  QFETCH(QString, key);
  run("body.prm");
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  const ViewAngle expected = standard_angle(view);
  const auto looks_from_view = [&] {
    const ViewAngle angle = viewer->scene_view()->camera().angle;
    return angle.yaw == expected.yaw && angle.pitch == expected.pitch;
  };

  viewer->scene_view()->look_from(view == StandardView::kTop ? StandardView::kFront : StandardView::kTop);
  QTest::mouseClick(viewer->view_button(view), Qt::LeftButton);
  QVERIFY(looks_from_view());

  viewer->scene_view()->look_from(view == StandardView::kTop ? StandardView::kFront : StandardView::kTop);
  QTest::keyClick(viewer->scene_view(), key.at(0).toLatin1());
  QVERIFY(looks_from_view());
}

void ViewerWindowTest::dragging_turns_and_the_wheel_zooms() {
  run("body.prm");
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  SceneView* view = viewer->scene_view();
  const ViewCamera before = view->camera();

  const QPointF start(100, 100);
  QMouseEvent press(QEvent::MouseButtonPress, start, view->mapToGlobal(start), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(view, &press);
  const QPointF end(160, 80);  // to the right and up
  QMouseEvent move(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(view, &move);
  // The model turns with the pointer: the viewer goes round to its left, and sees it less from above.
  QVERIFY(view->camera().angle.yaw < before.angle.yaw);
  QVERIFY(view->camera().angle.pitch < before.angle.pitch);
  QCOMPARE(view->camera().scale, before.scale);

  QWheelEvent wheel(end, view->mapToGlobal(end), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(view, &wheel);
  QVERIFY(view->camera().scale > before.scale * 1.1);
}

void ViewerWindowTest::switching_spheres_off_takes_their_colour_away() {
  run("body.prm");
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  QVERIFY(count_pixels(picture_in(viewer), is_sphere) > 500);
  viewer->sphere_switch()->click();
  QCOMPARE(count_pixels(picture_in(viewer), is_sphere), 0);
  viewer->sphere_switch()->click();
  QVERIFY(count_pixels(picture_in(viewer), is_sphere) > 500);
}

void ViewerWindowTest::opened_hull_file_is_drawn_with_its_model_and_damage_is_said() {
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  CollisionData data;
  data.volumes.push_back(centred_cube(30));
  data.spheres = {{0, 0, 0, 20}, {10, 0, 0, 5}};
  const std::string hul = dir_->file("crate.hul");
  QCOMPARE(write_hul_file(hul, data), HulWriteResult::kWritten);

  desktop_->open_choices = {hul, dir_->file("crate.prm")};
  viewer->open_button()->click();
  QCOMPARE(desktop_->open_titles, (std::vector<std::string>{"Open a hull file", "Its model (Cancel: none)"}));
  QCOMPARE(desktop_->starts.back().folder, dir_->prefix());  // the model is looked for beside the hull file
  QVERIFY(viewer->problem_text().isEmpty());
  const PictureScene& scene = viewer->scene_view()->scene();
  QCOMPARE(scene.models.size(), size_t{1});
  QCOMPARE(scene.hulls.size(), size_t{1});
  QCOMPARE(scene.hulls[0].faces.size(), size_t{6});
  QCOMPARE(scene.spheres.size(), size_t{2});
  QVERIFY(viewer->legend_text().contains(QStringLiteral("Hull: crate.hul, 1 hull")));

  // A hull file cut in its second sphere keeps what came whole before the cut; the model is skipped.
  const std::string cut = dir_->file("cut.hul");
  const std::string bytes = read_file(hul);
  write_file(cut, bytes.substr(0, bytes.size() - 6));
  desktop_->open_choices = {cut};
  viewer->open_button()->click();
  QVERIFY(viewer->problem_text().startsWith(QString::fromStdString("Can't read " + cut + ": ")));
  QVERIFY(viewer->scene_view()->scene().models.empty());
  QCOMPARE(viewer->scene_view()->scene().hulls.size(), size_t{1});
  QCOMPARE(viewer->scene_view()->scene().spheres.size(), size_t{1});

  // A model that cannot be read says so as the run's log would; the hull is still drawn.
  const std::string cut_model = dir_->file("cut.prm");
  write_file(cut_model, read_file(dir_->file("body.prm")).substr(0, 100));
  desktop_->open_choices = {hul, cut_model};
  viewer->open_button()->click();
  QCOMPARE(viewer->problem_text(), QString::fromStdString("File '" + cut_model + "' is truncated."));
  QCOMPARE(viewer->scene_view()->scene().hulls.size(), size_t{1});

  // Bytes that are no hull file at all draw nothing and say why, without a crash.
  write_file(dir_->file("noise.hul"), std::string(7, '\xff'));
  desktop_->open_choices = {dir_->file("noise.hul")};
  viewer->open_button()->click();
  QVERIFY(!viewer->problem_text().isEmpty());
  QVERIFY(viewer->scene_view()->scene().hulls.empty());
}

void ViewerWindowTest::closing_the_main_window_closes_the_viewer() {
  ViewerWindow* viewer = open_viewer();
  QVERIFY(viewer);
  QVERIFY(window_->close());
  QVERIFY(!viewer->isVisible());
}

QTEST_MAIN(ViewerWindowTest)
#include "viewer_window_test.moc"
