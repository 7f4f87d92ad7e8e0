// ombrix: the window. Takes no arguments; its fields persist in ombrix.ini in the current directory.
#include <QApplication>

#include "app/main_window.h"
#include "app/qt_desktop.h"
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
  return application.exec();
}
