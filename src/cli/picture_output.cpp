#include "cli/picture_output.h"

#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "picture/four_views.h"

namespace ombrix {

namespace {

// Text needs fonts and fonts need a GUI application: one on the offscreen platform, so that no
// display is needed, for as long as the drawing lasts.
std::unique_ptr<QGuiApplication> offscreen_application() {
  if (QGuiApplication::instance()) return nullptr;
  static int argc = 3;
  static char name[] = "ombrix-cli";
  static char platform_option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, platform_option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool write_scene_picture(const PictureScene& scene, const std::string& path, QSize size) {
  const std::unique_ptr<QGuiApplication> application = offscreen_application();
  if (!write_png(four_view_picture(scene, describe_scene(scene), size), path)) {
    std::cerr << "ombrix-cli: can't write the picture to " << path << '\n';
    return false;
  }
  return true;
}

}  // namespace ombrix
