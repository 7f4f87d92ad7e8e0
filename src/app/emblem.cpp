#include "app/emblem.h"

#include <png.h>

namespace ombrix {

QImage decode_png(std::span<const unsigned char> bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
  image.format = PNG_FORMAT_RGBA;
  QImage pixels(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_RGBA8888);
  if (pixels.isNull()) {
    png_image_free(&image);
    return {};
  }
  // QImage may pad its rows; with 8-bit components libpng's row stride is in bytes too.
  const auto row_stride = static_cast<png_int_32>(pixels.bytesPerLine());
  if (!png_image_finish_read(&image, nullptr, pixels.bits(), row_stride, nullptr)) return {};  // frees `image`
  return pixels;
}

}  // namespace ombrix
