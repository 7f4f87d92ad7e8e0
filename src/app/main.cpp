// ombrix: the window. Takes no arguments; its fields persist in ombrix.ini in the current directory.
#include <QApplication>
#include <utility>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "hull/exact_procedure.h"
#include "hull/external_hull.h"
#include "hull/internal_hull.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);

  // Looked for once: a program added or removed later is noticed at the next start.
  const bool external_hull = ombrix::external_hull_program_present();
  ombrix::QtDesktop desktop;
  ombrix::HullBuilders hull_builders{ombrix::build_internal_hull, ombrix::build_exact_hull, std::nullopt};
  if (external_hull) hull_builders.qconvex = ombrix::build_external_hull;
  ombrix::MainWindow window(desktop, std::move(hull_builders));
  desktop.set_parent(&window);
  window.show();
  window.log_start_up_lines();
  return application.exec();
}
