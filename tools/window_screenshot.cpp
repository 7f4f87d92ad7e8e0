// Makes the documentation's pictures of the window: a run on the sample car at the default fields, then
// the window as it stands, and, when a second picture is named, the viewer the View button opens,
// with the first sphere selected.
// Usage: window-screenshot SAMPLE.prm OUTPUT.png [VIEWER.png] (offscreen works).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "app/scene_view.h"
#include "app/viewer_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: window-screenshot SAMPLE.prm OUTPUT.png [VIEWER.png]\n");
    return 2;
  }
  const QString output = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
  const QString viewer_output = argc == 4 ? QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath() : QString();

  // The run happens in a folder of its own, so neither a hull file nor ombrix.ini lands beside
  // the sample; the log then shows the short names a user in that folder would see.
  QTemporaryDir folder;
  std::error_code error;
  std::filesystem::copy_file(argv[1], folder.filePath("body.prm").toStdString(), error);
  if (!folder.isValid() || error || !QDir::setCurrent(folder.path())) {
    std::fprintf(stderr, "window-screenshot: can't prepare a folder for the run\n");
    return 1;
  }

  ombrix::QtDesktop desktop;
  ombrix::MainWindow window(desktop, ombrix::HullOffer{}, folder.filePath("ombrix.ini").toStdString());
  desktop.set_parent(&window);
  window.show();
  window.log_start_up_lines();
  static_cast<QAbstractButton*>(window.control(ombrix::Control::kProceed))->click();
  if (!window.grab().toImage().save(output)) {
    std::fprintf(stderr, "window-screenshot: can't write %s\n", argv[2]);
    return 1;
  }
  if (viewer_output.isEmpty()) return 0;

  static_cast<QAbstractButton*>(window.control(ombrix::Control::kView))->click();
  ombrix::ViewerWindow* viewer = window.viewer();
  viewer->resize(1180, 640);
  QApplication::processEvents();
  // The picture shows editing: the first sphere clicked, so it is drawn selected and the panel
  // shows its values.
  ombrix::SceneView* view = viewer->scene_view();
  const QPointF at = view->sphere_point(0);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, at, view->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(view, &click);
  }
  QApplication::processEvents();
  if (!viewer->grab().toImage().save(viewer_output)) {
    std::fprintf(stderr, "window-screenshot: can't write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
