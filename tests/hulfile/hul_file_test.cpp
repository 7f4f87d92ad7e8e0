// The game reads these bytes: layout, counts and bit patterns must be exact.
#include "hulfile/hul_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>

#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::read_file;
using testing::TempDir;

std::uint16_t uint16_at(const std::string& bytes, size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                    (static_cast<unsigned char>(bytes[offset + 1]) << 8));
}

std::uint32_t bits_at(const std::string& bytes, size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

Volume cube_volume() {
  Volume volume;
  volume.box = {-5, 5, -4, 4, -3, 3};
  volume.planes = {{-1, 0, 0, -5}, {0, -1, 0, -4}, {0, 0, -1, -3}, {0, 0, 1, -3}, {0, 1, 0, -4}, {1, 0, 0, -5}};
  return volume;
}

TEST(HulFileLayout, OneVolumeWithSixPlanesAndElevenSpheres) {
  TempDir dir;
  CollisionData data;
  data.volumes.push_back(cube_volume());
  data.volumes.back().excluded.push_back(cube_volume());  // excluded volumes never reach the file
  for (int i = 0; i < 11; ++i) data.spheres.push_back({float(i), 1, 2, 0.5f});
  ASSERT_EQ(write_hul_file(dir.file("car.hul"), data), HulWriteResult::kWritten);

  const std::string bytes = read_file(dir.file("car.hul"));
  ASSERT_EQ(bytes.size(), 318u);
  EXPECT_EQ(uint16_at(bytes, 0), 1);
  EXPECT_EQ(uint16_at(bytes, 2), 0);  // point count
  EXPECT_EQ(uint16_at(bytes, 4), 0);  // edge count
  EXPECT_EQ(uint16_at(bytes, 6), 6);
  EXPECT_EQ(std::bit_cast<float>(bits_at(bytes, 8)), -5.0f);                 // box min x
  EXPECT_EQ(std::bit_cast<float>(bits_at(bytes, 12)), 5.0f);                 // box max x
  EXPECT_EQ(bits_at(bytes, 32), 0u);                                         // offset x
  EXPECT_EQ(std::bit_cast<float>(bits_at(bytes, 44)), -1.0f);                // first plane's a
  EXPECT_EQ(std::bit_cast<float>(bits_at(bytes, 44 + 5 * 16 + 12)), -5.0f);  // last plane's d
  EXPECT_EQ(uint16_at(bytes, 140), 11);
  EXPECT_EQ(std::bit_cast<float>(bits_at(bytes, 142 + 10 * 16)), 10.0f);  // last sphere's x
}

TEST(HulFileLayout, TwoVolumesInInputOrderEachWithItsOwnCount) {
  TempDir dir;
  CollisionData data;
  data.volumes.push_back(cube_volume());
  data.volumes.push_back(cube_volume());
  data.volumes.back().planes.resize(2);
  ASSERT_EQ(write_hul_file(dir.file("two.hul"), data), HulWriteResult::kWritten);
  const std::string bytes = read_file(dir.file("two.hul"));
  ASSERT_EQ(bytes.size(), 2u + (42 + 96) + (42 + 32) + 2);
  EXPECT_EQ(uint16_at(bytes, 2 + 4), 6);
  EXPECT_EQ(uint16_at(bytes, 2 + 138 + 4), 2);
}

TEST(HulFileLayout, SignedZerosInfinitiesAndNotANumberKeepTheirBits) {
  TempDir dir;
  CollisionData data;
  Volume volume;
  volume.planes = {{-0.0f, std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                    std::bit_cast<float>(0x7fc00123u)}};
  data.volumes.push_back(volume);
  ASSERT_EQ(write_hul_file(dir.file("bits.hul"), data), HulWriteResult::kWritten);
  const std::string bytes = read_file(dir.file("bits.hul"));
  EXPECT_EQ(bits_at(bytes, 44), 0x80000000u);
  EXPECT_EQ(bits_at(bytes, 48), 0x7f800000u);
  EXPECT_EQ(bits_at(bytes, 52), 0xff800000u);
  EXPECT_EQ(bits_at(bytes, 56), 0x7fc00123u);
}

TEST(HulFileReplace, ASecondWriteReplacesTheFileEvenWhenShorter) {
  TempDir dir;
  CollisionData data;
  data.volumes.push_back(cube_volume());
  ASSERT_EQ(write_hul_file(dir.file("h.hul"), data), HulWriteResult::kWritten);
  ASSERT_EQ(write_hul_file(dir.file("h.hul"), CollisionData{}), HulWriteResult::kWritten);
  EXPECT_EQ(read_file(dir.file("h.hul")), std::string(4, '\0'));
}

TEST(HulFileRefusal, AMissingFolderLeavesNoFile) {
  TempDir dir;
  EXPECT_EQ(write_hul_file(dir.file("nope/h.hul"), CollisionData{}), HulWriteResult::kCannotWrite);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "nope"));
}

TEST(HulFileRefusal, AFolderAsTargetIsRefusedAndNothingIsLeftBeside) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "out");
  EXPECT_EQ(write_hul_file(dir.prefix(), CollisionData{}), HulWriteResult::kCannotWrite);
  EXPECT_EQ(write_hul_file(dir.file("out"), CollisionData{}), HulWriteResult::kCannotWrite);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(HulFileRefusal, MoreThanThe16BitCountsHoldKeepsTheEarlierFile) {
  TempDir dir;
  CollisionData data;
  ASSERT_EQ(write_hul_file(dir.file("h.hul"), data), HulWriteResult::kWritten);
  data.volumes.push_back(cube_volume());
  data.volumes.back().planes.resize(32768);
  EXPECT_EQ(write_hul_file(dir.file("h.hul"), data), HulWriteResult::kTooLarge);
  data.volumes.back().planes.resize(6);
  data.spheres.resize(32768);
  EXPECT_EQ(write_hul_file(dir.file("h.hul"), data), HulWriteResult::kTooLarge);
  EXPECT_EQ(read_file(dir.file("h.hul")).size(), 4u);
}

}  // namespace
}  // namespace ombrix
