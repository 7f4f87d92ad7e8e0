// Hull files from any tool: read back bit for bit, and damaged ones refused with where it broke.
#include "hulfile/hul_file_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "hulfile/hul_file.h"
#include "hulfile/hul_text.h"
#include "hulfile/hul_text_reader.h"
#include "shared/little_endian.h"
#include "support/generated_hulls.h"

namespace ombrix {
namespace {

using testing::generated_oddities;
using testing::generated_prisms;

std::vector<std::uint32_t> bits_of(std::initializer_list<float> values) {
  std::vector<std::uint32_t> bits;
  for (const float value : values) bits.push_back(std::bit_cast<std::uint32_t>(value));
  return bits;
}

// Field by field, so that a reader and a writer that agree on a wrong order still fail here.
void expect_same_record(const CollisionData& read, const CollisionData& made) {
  ASSERT_EQ(read.volumes.size(), made.volumes.size());
  for (size_t v = 0; v < made.volumes.size(); ++v) {
    SCOPED_TRACE("hull " + std::to_string(v + 1));
    const Volume& a = read.volumes[v];
    const Volume& b = made.volumes[v];
    EXPECT_EQ(bits_of({a.box.min_x, a.box.max_x, a.box.min_y, a.box.max_y, a.box.min_z, a.box.max_z}),
              bits_of({b.box.min_x, b.box.max_x, b.box.min_y, b.box.max_y, b.box.min_z, b.box.max_z}));
    EXPECT_EQ(bits_of({a.offset.x, a.offset.y, a.offset.z}), bits_of({b.offset.x, b.offset.y, b.offset.z}));
    ASSERT_EQ(a.points.size(), b.points.size());
    for (size_t i = 0; i < a.points.size(); ++i) {
      EXPECT_EQ(bits_of({a.points[i].x, a.points[i].y, a.points[i].z}),
                bits_of({b.points[i].x, b.points[i].y, b.points[i].z}));
    }
    ASSERT_EQ(a.edges.size(), b.edges.size());
    for (size_t i = 0; i < a.edges.size(); ++i) {
      EXPECT_EQ(a.edges[i].from, b.edges[i].from);
      EXPECT_EQ(a.edges[i].to, b.edges[i].to);
    }
    ASSERT_EQ(a.planes.size(), b.planes.size());
    for (size_t i = 0; i < a.planes.size(); ++i) {
      const Plane& p = a.planes[i];
      const Plane& q = b.planes[i];
      EXPECT_EQ(bits_of({p.a, p.b, p.c, p.d}), bits_of({q.a, q.b, q.c, q.d}));
    }
  }
  ASSERT_EQ(read.spheres.size(), made.spheres.size());
  for (size_t i = 0; i < made.spheres.size(); ++i) {
    const Sphere& s = read.spheres[i];
    const Sphere& t = made.spheres[i];
    EXPECT_EQ(bits_of({s.x, s.y, s.z, s.radius}), bits_of({t.x, t.y, t.z, t.radius}));
  }
  EXPECT_EQ(read.trailing, made.trailing);
}

TEST(HulFileRoundTrip, GeneratedFilesReadBackAndPrintAndRebuildToTheSameBytes) {
  CollisionData only_trailing;
  only_trailing.trailing = "\x7f";
  const struct {
    const char* name;
    CollisionData data;
  } rows[] = {
      {"nothing at all", {}},
      {"one prism", generated_prisms(1)},
      {"four prisms", generated_prisms(4)},
      {"negative zeros, infinities, not-a-number payloads, subnormals, bytes after", generated_oddities()},
      {"no hulls, one byte after the sphere count", only_trailing},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string bytes = *hul_file_bytes(row.data);
    const HulReading reading = read_hul_bytes(bytes);
    EXPECT_EQ(reading.fault, "");
    EXPECT_EQ(reading.file_size, bytes.size());
    expect_same_record(reading.data, row.data);
    EXPECT_EQ(hul_file_bytes(reading.data), bytes);

    const HulTextReading text = read_hul_text(hul_text(reading.data));
    EXPECT_EQ(text.fault, "");
    EXPECT_EQ(hul_file_bytes(text.data), bytes);
  }
}

// Bytes with one 16-bit value replaced at `offset`.
std::string with_count(std::string bytes, size_t offset, std::int16_t count) {
  std::string value;
  append_int16(value, count);
  return bytes.replace(offset, 2, value);
}

TEST(HulFileDamage, EveryCutOfAFileIsRefusedAndKeepsWhatLiesWholeBeforeTheCut) {
  const CollisionData made = generated_prisms(3);
  const std::string bytes = *hul_file_bytes(made);
  for (size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    const HulReading reading = read_hul_bytes(std::string_view(bytes).substr(0, length));
    EXPECT_NE(reading.fault, "");
    ASSERT_LE(reading.data.volumes.size(), made.volumes.size());
    ASSERT_LE(reading.data.spheres.size(), made.spheres.size());
    CollisionData kept;
    kept.volumes.assign(made.volumes.begin(), made.volumes.begin() + std::ssize(reading.data.volumes));
    kept.spheres.assign(made.spheres.begin(), made.spheres.begin() + std::ssize(reading.data.spheres));
    expect_same_record(reading.data, kept);
    // Nothing kept reaches beyond the cut (the two count bytes aside), and one more hull or
    // sphere would have.
    const size_t kept_size = hul_file_bytes(kept)->size();
    EXPECT_LE(kept_size, std::max<size_t>(length, 2) + 2);
    if (kept.volumes.size() < made.volumes.size()) {
      kept.volumes.push_back(made.volumes[kept.volumes.size()]);
    } else {
      kept.spheres.push_back(made.spheres[std::min(kept.spheres.size(), made.spheres.size() - 1)]);
    }
    EXPECT_GT(hul_file_bytes(kept)->size(), length);
  }
}

TEST(HulFileDamage, TheRefusalSaysWhereTheFileBroke) {
  CollisionData three = generated_prisms(3);
  three.volumes[1].planes.resize(40, Plane{0, 0, 1, -1});
  three.volumes[1].points.resize(22);
  const std::string bytes = *hul_file_bytes(three);
  const size_t hull_2 = 2 + (42 + 6 * 12 + 9 * 4 + 5 * 16);
  const size_t points_2 = hull_2 + 42;
  const size_t planes_2 = points_2 + 22 * 12 + 12 * 4;
  const size_t spheres = bytes.size() - 6 * 16 - 2;

  const struct {
    const char* name;
    std::string bytes;
    const char* fault;
    size_t hulls_kept;
  } rows[] = {
      {"empty", "", "the file is empty", 0},
      {"one byte", "\x01", "the file is cut off in its hull count", 0},
      {"negative hull count", "\xff\xff\0\0", "the hull count is negative (-1)", 0},
      {"a count far beyond the bytes", "\xff\x7f\x01\0", "hull 1 of 32767 is cut off in its counts", 0},
      {"inside the 18th plane", bytes.substr(0, planes_2 + 17 * 16 + 5),
       "hull 2 of 3 is cut off after its 17th plane (40 announced)", 1},
      {"before the first plane", bytes.substr(0, planes_2 + 15),
       "hull 2 of 3 is cut off before its first plane (40 announced)", 1},
      {"after the 12th plane", bytes.substr(0, planes_2 + 12 * 16),
       "hull 2 of 3 is cut off after its 12th plane (40 announced)", 1},
      {"after the 22nd point", bytes.substr(0, points_2 + 22 * 12 - 1),
       "hull 2 of 3 is cut off after its 21st point (22 announced)", 1},
      {"in the edges", bytes.substr(0, points_2 + 22 * 12 + 2 * 4 + 3),
       "hull 2 of 3 is cut off after its 2nd edge (12 announced)", 1},
      {"in the box", bytes.substr(0, hull_2 + 6 + 23), "hull 2 of 3 is cut off in its box", 1},
      {"in the offset", bytes.substr(0, hull_2 + 30 + 11), "hull 2 of 3 is cut off in its offset", 1},
      {"negative edge count", with_count(bytes, hull_2 + 2, -3), "hull 2 of 3 has a negative edge count (-3)", 1},
      {"before the sphere count", bytes.substr(0, spheres), "the file is cut off before its sphere count", 3},
      {"in the sphere count", bytes.substr(0, spheres + 1), "the file is cut off in its sphere count", 3},
      {"negative sphere count", with_count(bytes, spheres, -32768), "the sphere count is negative (-32768)", 3},
      {"after the 3rd sphere", bytes.substr(0, spheres + 2 + 3 * 16 + 15),
       "the file is cut off after its 3rd sphere (6 announced)", 3},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const HulReading reading = read_hul_bytes(row.bytes);
    EXPECT_EQ(reading.fault, row.fault);
    EXPECT_EQ(reading.data.volumes.size(), row.hulls_kept);
  }
}

TEST(HulFileDamage, BytesAfterTheLastSphereAreKeptNotRefused) {
  const std::string bytes = *hul_file_bytes(generated_prisms(2)) + "junk";
  const HulReading reading = read_hul_bytes(bytes);
  EXPECT_EQ(reading.fault, "");
  EXPECT_EQ(reading.data.trailing, "junk");
  EXPECT_EQ(reading.data.spheres.size(), 4u);
}

}  // namespace
}  // namespace ombrix
