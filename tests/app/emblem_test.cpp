// The emblem compiled into the program, and the PNG decoder it goes through.
#include "app/emblem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace ombrix {
namespace {

TEST(Emblem, DecodesTo17By29GreyPixelsOnATransparentBackground) {
  const QImage emblem = decode_png(emblem_png_bytes());
  ASSERT_FALSE(emblem.isNull());
  EXPECT_EQ(emblem.size(), QSize(17, 29));
  EXPECT_EQ(qAlpha(emblem.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(emblem.pixel(16, 28)), 0);
  EXPECT_EQ(qAlpha(emblem.pixel(8, 20)), 255);
  // Each half of the shape is darker on its left than on its right.
  EXPECT_LT(qGray(emblem.pixel(2, 20)), qGray(emblem.pixel(7, 20)));
  EXPECT_LT(qGray(emblem.pixel(9, 20)), qGray(emblem.pixel(14, 20)));
  for (int y = 0; y < emblem.height(); ++y) {
    for (int x = 0; x < emblem.width(); ++x) {
      const QRgb pixel = emblem.pixel(x, y);
      ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x << ", " << y;
    }
  }
}

TEST(Emblem, CompiledBytesAreWhatTheGeneratorDraws) {
  testing::TempDir dir;
  const std::string drawn = dir.file("emblem.png");
  ASSERT_EQ(std::system((std::string(OMBRIX_MAKE_EMBLEM) + " " + drawn).c_str()), 0);
  const std::string bytes = testing::read_file(drawn);
  const QImage expected = decode_png({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
  ASSERT_FALSE(expected.isNull());
  EXPECT_EQ(decode_png(emblem_png_bytes()), expected);
}

// The desktop icon drawn by the generator: `make_emblem --icon SIZE`.
QImage draw_icon(const testing::TempDir& dir, int size) {
  const std::string path = dir.file("icon.png");
  if (std::system((std::string(OMBRIX_MAKE_EMBLEM) + " --icon " + std::to_string(size) + " " + path).c_str()) != 0) {
    return {};
  }
  const std::string bytes = testing::read_file(path);
  return decode_png({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()});
}

TEST(EmblemIcon, IsTheEmblemEnlargedByAWholeFactorAndCentredOnASquare) {
  const QImage emblem = decode_png(emblem_png_bytes());
  testing::TempDir dir;
  // 32 holds the emblem once with an odd margin, 64 twice, 256 eight times with a margin left over.
  for (const int size : {32, 64, 256}) {
    SCOPED_TRACE(size);
    const QImage icon = draw_icon(dir, size);
    ASSERT_EQ(icon.size(), QSize(size, size));
    const int factor = size / emblem.height();
    const int left = (size - emblem.width() * factor) / 2;
    const int top = (size - emblem.height() * factor) / 2;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const QPoint source((x - left) / factor, (y - top) / factor);
        const bool on_emblem = x >= left && y >= top && emblem.rect().contains(source);
        const QRgb expected = on_emblem ? emblem.pixel(source) : qRgba(0, 0, 0, 0);
        ASSERT_EQ(icon.pixel(x, y), expected) << x << ", " << y;
      }
    }
  }
}

TEST(EmblemIcon, SizeSmallerThanTheEmblemIsRefusedWithNothingWritten) {
  testing::TempDir dir;
  EXPECT_TRUE(draw_icon(dir, 28).isNull());
  EXPECT_FALSE(std::filesystem::exists(dir.file("icon.png")));
}

TEST(PngDecoder, CutOrDamagedBytesGiveNoPartialImage) {
  const std::span<const unsigned char> whole = emblem_png_bytes();
  const QImage complete = decode_png(whole);
  for (size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    // Only the end marker after the pixels may be missing.
    const QImage cut = decode_png(whole.first(length));
    EXPECT_TRUE(cut.isNull() || cut == complete);
  }
  EXPECT_TRUE(decode_png(whole.first(whole.size() / 2)).isNull());
  std::vector<unsigned char> damaged(whole.begin(), whole.end());
  damaged[damaged.size() / 2] ^= 0xff;  // inside the compressed pixels: the checksum fails
  EXPECT_TRUE(decode_png(damaged).isNull());
}

}  // namespace
}  // namespace ombrix
