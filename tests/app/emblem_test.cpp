// The emblem compiled into the program, and the PNG decoder it goes through.
#include "app/emblem.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
