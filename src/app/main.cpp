// ombrix: the window. Takes no arguments; its fields persist in ombrix.ini in the current directory.
#include <QApplication>

#include "app/main_window.h"
#include "app/qt_desktop.h"
#include "hull/external_hull.h"
#include "hull/internal_hull.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);

  // Looked for once: a program added or removed later is noticed at the next start.
  const bool external_hull = ombrix::external_hull_program_present();
  ombrix::QtDesktop desktop;
  ombrix::MainWindow window(desktop, external_hull ? ombrix::HullBuilder(ombrix::build_external_hull)
                                                   : ombrix::HullBuilder(ombrix::build_internal_hull));
  desktop.set_parent(&window);
  window.show();
  window.log_start_up_lines(external_hull);
  return application.exec();
}
