// ombrix: the window. Its fields persist in ombrix.ini in the current directory. Given a hull
// file, and perhaps its model, it opens the viewer on them as well.
#include <QApplication>
#include <QStringList>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "app/qt_text.h"
#include "app/viewer_model.h"
#include "hull/external/external_hull.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);

  // Looked for once: a program added or removed later is noticed at the next start.
  const ombrix::HullOffer hulls{.external_found = ombrix::external_hull_program_present()};
  ombrix::QtDesktop desktop;
  ombrix::MainWindow window(desktop, hulls);
  desktop.set_parent(&window);
  window.show();
  window.log_start_up_lines();

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    const std::string hul = ombrix::to_field_text(arguments[1]);
    const std::string model = arguments.size() > 2 ? ombrix::to_field_text(arguments[2]) : ombrix::model_beside(hul);
    window.open_in_viewer(hul, model);
  }
  return application.exec();
}
