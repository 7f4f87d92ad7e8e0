// Draws the emblem of the picture button and writes it as a 17 x 29 RGBA PNG:
//   make_emblem src/app/resources/emblem.png
// or, as the desktop icon, enlarged by the largest whole factor that fits and centred on a
// transparent SIZE x SIZE square (whole factors keep its pixels sharp):
//   make_emblem --icon SIZE ombrix.png
// A grey chevron pointing up above a tall six-sided shape split down the middle, each half
// shaded from dark on the left to light on the right, a dark outline, the rest transparent.
#include <png.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr int kWidth = 17;
constexpr int kHeight = 29;
constexpr int kMiddle = kWidth / 2;  // the split column

struct Point {
  double x, y;
};

// The six corners of the shape, clockwise from the top (pixel-centre coordinates).
constexpr std::array<Point, 6> kShape{{{8, 10}, {15.5, 14.5}, {15.5, 24.5}, {8, 28.5}, {0.5, 24.5}, {0.5, 14.5}}};

bool inside_polygon(double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = kShape.size() - 1; i < kShape.size(); j = i++) {
    const Point& a = kShape[i];
    const Point& b = kShape[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

// A band four pixels thick under two arms rising to an apex at the top of the middle column.
bool inside_chevron(double x, double y) {
  const double arm = std::abs(x - kMiddle) * 0.75;
  return y >= arm - 0.5 && y <= arm + 3.5 && y <= 8.0;
}

bool is_emblem(int x, int y) {
  if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return false;
  return inside_polygon(x, y) || inside_chevron(x, y);
}

bool is_outline(int x, int y) {
  if (inside_polygon(x, y) && x == kMiddle) return true;  // the split down the middle
  return !is_emblem(x - 1, y) || !is_emblem(x + 1, y) || !is_emblem(x, y - 1) || !is_emblem(x, y + 1);
}

// Dark on the left of each half, light on its right.
unsigned char shade(int x) {
  const int start = x < kMiddle ? 0 : kMiddle + 1;
  const double along = (x - start) / static_cast<double>(kMiddle - 1);
  return static_cast<unsigned char>(std::lround(96 + along * 120));
}

// An emblem pixel is `factor` x `factor` pixels of a `width` x `height` picture, the emblem
// starting at (left, top).
struct Canvas {
  int width = kWidth;
  int height = kHeight;
  int factor = 1;
  int left = 0;
  int top = 0;
};

Canvas icon_canvas(int size) {
  const int factor = size / kHeight;  // the taller side decides
  return {size, size, factor, (size - kWidth * factor) / 2, (size - kHeight * factor) / 2};
}

// The smallest icon holds the emblem once; 4096 is far beyond any icon theme's sizes.
bool valid_icon_size(int size) { return size >= kHeight && size <= 4096; }

}  // namespace

int main(int argc, char** argv) {
  Canvas canvas;
  const char* output = nullptr;
  if (argc == 2) {
    output = argv[1];
  } else if (argc == 4 && std::string_view(argv[1]) == "--icon" && valid_icon_size(std::atoi(argv[2]))) {
    canvas = icon_canvas(std::atoi(argv[2]));
    output = argv[3];
  } else {
    std::fprintf(stderr, "usage: make_emblem OUTPUT.png\n");
    std::fprintf(stderr, "       make_emblem --icon SIZE OUTPUT.png (SIZE from %d to 4096)\n", kHeight);
    return 2;
  }
  std::vector<unsigned char> pixels(static_cast<size_t>(canvas.width) * canvas.height * 4, 0);
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      const int emblem_x = x < canvas.left ? -1 : (x - canvas.left) / canvas.factor;
      const int emblem_y = y < canvas.top ? -1 : (y - canvas.top) / canvas.factor;
      if (!is_emblem(emblem_x, emblem_y)) continue;
      unsigned char* pixel = &pixels[(static_cast<size_t>(y) * canvas.width + x) * 4];
      const unsigned char grey = is_outline(emblem_x, emblem_y) ? 48 : shade(emblem_x);
      pixel[0] = pixel[1] = pixel[2] = grey;
      pixel[3] = 255;
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(canvas.width);
  image.height = static_cast<png_uint_32>(canvas.height);
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, output, 0, pixels.data(), 0, nullptr)) {
    std::fprintf(stderr, "make_emblem: %s\n", image.message);
    return 1;
  }
  return 0;
}
