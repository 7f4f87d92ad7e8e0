// Model files arrive from strangers: the reader takes good ones exactly and refuses damaged ones cleanly.
#include "model/model_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "shared/recording_log.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::model_file_bytes;
using testing::TempDir;
using testing::write_file;

const std::vector<Vector> kTriangle{{1, 2, 3}, {4, 5, 6}, {-7, 8.5f, 9}};

TEST(ModelFileRead, OnePolygonAndThreeVerticesAreReadFromTheirOffsets) {
  TempDir dir;
  const std::string path = dir.file("tri.prm");
  std::string bytes = model_file_bytes(kTriangle);
  ASSERT_EQ(bytes.size(), 136u);
  bytes[4] = 'x';  // polygon bytes are never interpreted
  write_file(path, bytes + "trailing meshes are ignored");

  VertexList vertices;
  RecordingLog log;
  ASSERT_TRUE(read_model_file(path, vertices, log));
  ASSERT_EQ(vertices.size(), 3u);
  EXPECT_EQ(vertices[2].position.x, -7.0f);
  EXPECT_EQ(vertices[2].position.y, 8.5f);
  const std::vector<LoggedLine> expected{{"Reading file: " + path + " (3 vertices And 1 polies).", Stamp::kStamped}};
  EXPECT_EQ(log.lines, expected);
}

TEST(ModelFileRead, ASecondReadReplacesTheVertexList) {
  TempDir dir;
  std::vector<Vector> many(500, Vector{1, 1, 1});
  write_file(dir.file("big.m"), model_file_bytes(many, 3));
  write_file(dir.file("small.prm"), model_file_bytes(testing::box_corners({0, 0, 0}, {1, 1, 1})));
  VertexList vertices;
  RecordingLog log;
  ASSERT_TRUE(read_model_file(dir.file("big.m"), vertices, log));
  ASSERT_TRUE(read_model_file(dir.file("small.prm"), vertices, log));
  EXPECT_EQ(vertices.size(), 8u);
}

TEST(ModelFileRefusal, MissingFileNamesThePathExactly) {
  VertexList vertices(2);
  RecordingLog log;
  EXPECT_FALSE(read_model_file("/no/such/dir/a.prm", vertices, log));
  EXPECT_EQ(log.texts(), std::vector<std::string>{"Can't read file: /no/such/dir/a.prm"});
  EXPECT_EQ(vertices.size(), 2u);
}

TEST(ModelFileRefusal, ZeroOrNegativeCountsHaveNoVerticesOrPolies) {
  TempDir dir;
  struct Case {
    const char* name;
    std::string bytes;
  };
  std::string negative_vertices = model_file_bytes(kTriangle);
  negative_vertices[3] = static_cast<char>(0x80);
  const std::vector<Case> cases{
      {"zero-byte file", ""},
      {"no polygons", model_file_bytes(kTriangle, 0)},
      {"no vertices", model_file_bytes({}, 1)},
      {"negative polygon count", model_file_bytes(kTriangle, -1)},
      {"negative vertex count", negative_vertices},
      {"header cut after two bytes", std::string("\x01\x00", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.file("bad.prm");
    write_file(path, c.bytes);
    VertexList vertices(5);
    RecordingLog log;
    EXPECT_FALSE(read_model_file(path, vertices, log));
    EXPECT_EQ(log.texts(), std::vector<std::string>{"File '" + path + "' has no vertices or polies."});
    EXPECT_EQ(vertices.size(), 5u);
  }
}

TEST(ModelFileRefusal, EveryCutInsideTheBodyIsRefusedAsTruncated) {
  TempDir dir;
  const std::string whole = model_file_bytes(kTriangle);
  const std::string path = dir.file("cut.prm");
  for (size_t length = 4; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    write_file(path, whole.substr(0, length));
    VertexList vertices;
    RecordingLog log;
    EXPECT_FALSE(read_model_file(path, vertices, log));
    EXPECT_EQ(log.texts(), std::vector<std::string>{"File '" + path + "' is truncated."});
    EXPECT_TRUE(vertices.empty());
  }
}

// Beyond 1e18 the hull's cross products could overflow; the float nearest 1e18 lies just below it.
TEST(ModelFileRefusal, AVertexNotAFiniteNumberOrBeyondTheCoordinateBoundRefusesTheFile) {
  const std::string not_finite = "has a vertex that is not a finite number.";
  const std::string too_large = "has a vertex coordinate outside -1e18 to 1e18.";
  struct Case {
    const char* name;
    float coordinate;
    std::string refusal;  // empty: the file is read
  };
  const std::vector<Case> cases{
      {"not a number", std::numeric_limits<float>::quiet_NaN(), not_finite},
      {"infinity", -std::numeric_limits<float>::infinity(), not_finite},
      {"next float above 1e18", std::nextafter(1e18f, 2e18f), too_large},
      {"-3e30", -3e30f, too_large},
      {"largest float", std::numeric_limits<float>::max(), too_large},
      {"float nearest 1e18", 1e18f, ""},
      {"float nearest -1e18", -1e18f, ""},
      {"subnormal", 1e-40f, ""},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Vector> points = kTriangle;
    points[1].z = c.coordinate;
    const std::string path = dir.file("odd.prm");
    write_file(path, model_file_bytes(points));
    VertexList vertices;
    RecordingLog log;
    EXPECT_EQ(read_model_file(path, vertices, log), c.refusal.empty());
    if (c.refusal.empty()) {
      ASSERT_EQ(vertices.size(), 3u);
      EXPECT_EQ(vertices[1].position.z, c.coordinate);
    } else {
      EXPECT_EQ(log.texts(), std::vector<std::string>{"File '" + path + "' " + c.refusal});
      EXPECT_TRUE(vertices.empty());
    }
  }
}

}  // namespace
}  // namespace ombrix
