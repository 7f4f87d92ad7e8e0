#include "cli/picture_output.h"

#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/output_file.h"
#include "picture/four_views.h"

namespace ombrix {

namespace {

// Qt's notes about its platform (a missing runtime folder and the like) mean nothing to someone
// asking for a picture; only what stops the drawing is worth a line.
void quiet_qt_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "ombrix-cli: " << message.toStdString() << '\n';
}

}  // namespace

std::unique_ptr<QGuiApplication> offscreen_application() {
  if (QGuiApplication::instance()) return nullptr;
  qInstallMessageHandler(quiet_qt_messages);
  static int argc = 3;
  static char name[] = "ombrix-cli";
  static char platform_option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, platform_option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

bool write_scene_picture(const PictureScene& scene, const std::string& path, std::span<const std::string> inputs,
                         QSize size) {
  const std::unique_ptr<QGuiApplication> application = offscreen_application();
  const std::optional<std::string> bytes = png_bytes(four_view_picture(scene, describe_scene(scene), size));
  if (!bytes) {
    std::cerr << "ombrix-cli: can't write the picture to " << path << '\n';
    return false;
  }
  return write_command_file(path, *bytes, inputs, "the picture");
}

}  // namespace ombrix
