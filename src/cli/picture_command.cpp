#include "cli/picture_command.h"

#include <charconv>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/picture_output.h"
#include "picture/four_views.h"
#include "picture/scene_files.h"

namespace ombrix {

namespace {

struct PictureOptions {
  std::string model_path;
  std::string hul_path;
  std::string output;
  std::string size;
};

std::optional<int> whole_number(std::string_view text) {
  int value = 0;
  const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

int run_picture(const PictureOptions& options) {
  const std::optional<QSize> size = options.size.empty() ? kDefaultPictureSize : picture_size(options.size);
  if (!size) {
    std::cerr << "ombrix-cli: the size must be WIDTHxHEIGHT in pixels, from " << kSmallestPicture.width() << "x"
              << kSmallestPicture.height() << " to " << kLargestPicture.width() << "x" << kLargestPicture.height()
              << ", not '" << options.size << "'\n";
    return 2;
  }
  if (options.model_path.empty() && options.hul_path.empty()) {
    std::cerr << "ombrix-cli: picture needs --model, --hul or both\n";
    return 2;
  }
  PictureScene scene;
  std::vector<std::string> faults;
  if (!options.model_path.empty()) add_model_file(scene, options.model_path, faults);
  if (!options.hul_path.empty()) add_hull_file(scene, options.hul_path, faults);
  if (!faults.empty()) {
    for (const std::string& fault : faults) std::cerr << "ombrix-cli: " << fault << " (nothing written)\n";
    return 2;
  }
  std::vector<std::string> inputs;
  for (const std::string* path : {&options.model_path, &options.hul_path}) {
    if (!path->empty()) inputs.push_back(*path);
  }
  return write_scene_picture(scene, options.output, inputs, *size) ? 0 : 1;
}

}  // namespace

std::optional<QSize> picture_size(std::string_view text) {
  const size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = whole_number(text.substr(0, cross));
  const std::optional<int> height = whole_number(text.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  const QSize size(*width, *height);
  if (size.width() < kSmallestPicture.width() || size.height() < kSmallestPicture.height()) return std::nullopt;
  if (size.width() > kLargestPicture.width() || size.height() > kLargestPicture.height()) return std::nullopt;
  return size;
}

CliCommand add_picture_command(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "picture",
      "Draw a model with its hulls and spheres from the front, the side, the top and three quarters, with a "
      "legend, as a PNG. Exit status: 0 written, 1 the picture cannot be written, 2 a file cannot be read.");
  auto options = std::make_shared<PictureOptions>();
  command->add_option("--model", options->model_path, "The model (.prm or .m).")->type_name("MODEL.prm");
  command->add_option("--hul", options->hul_path, "The hull file (.hul) made for it; may be given alone.")
      ->type_name("FILE.hul");
  command->add_option("--output", options->output, "The picture to write (PNG).")->required()->type_name("VIEW.png");
  command->add_option("--size", options->size, "Width and height in pixels; default 1200x900.")->type_name("WxH");
  return {command, [options] { return run_picture(*options); }};
}

}  // namespace ombrix
