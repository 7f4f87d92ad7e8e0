// The polygons a picture draws: every field of the 60-byte record from its place, quads told
// from triangles, polygons that point outside the vertex list counted and left out, and damaged
// files refused with the very sentence the run's reader logs.
#include "model/model_mesh.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/model_file.h"
#include "reference/recording_log.h"
#include "shared/little_endian.h"
#include "support/test_files.h"

namespace ombrix {
namespace {

using testing::TempDir;
using testing::write_file;

struct PolygonRecord {
  int type = 0;
  int texture = 0;
  std::array<int, 4> corners{};
  std::array<std::uint32_t, 4> colours{};
  std::array<float, 8> uv{};
};

// A model file: the header, the polygon records, then one vertex record per point with the
// normal (0, -1, 0).
std::string mesh_bytes(const std::vector<PolygonRecord>& polygons, const std::vector<Vector>& points) {
  std::string bytes;
  append_int16(bytes, static_cast<std::int64_t>(polygons.size()));
  append_int16(bytes, static_cast<std::int64_t>(points.size()));
  for (const PolygonRecord& polygon : polygons) {
    append_int16(bytes, polygon.type);
    append_int16(bytes, polygon.texture);
    for (int corner : polygon.corners) append_int16(bytes, corner);
    for (std::uint32_t colour : polygon.colours) append_uint32(bytes, colour);
    for (float value : polygon.uv) append_float32(bytes, value);
  }
  for (const Vector& point : points) {
    for (float value : {point.x, point.y, point.z, 0.0f, -1.0f, 0.0f}) append_float32(bytes, value);
  }
  return bytes;
}

const std::vector<Vector> kSquare{{0, 0, 0}, {1, 0, 0}, {1, -1, 0}, {0, -1, 0}};

TEST(ModelMeshRead, EveryPolygonFieldComesFromItsPlaceInTheRecord) {
  TempDir dir;
  const PolygonRecord quad{1, 7, {0, 1, 2, 3}, {0xff112233, 2, 3, 0x80000000}, {0.5f, 1, 2, 3, 4, 5, 6, -7.25f}};
  const PolygonRecord triangle{2, -1, {3, 2, 1, 0}, {}, {}};
  write_file(dir.file("square.prm"), mesh_bytes({quad, triangle}, kSquare));

  ModelMesh mesh;
  std::string refusal;
  ASSERT_TRUE(read_model_mesh(dir.file("square.prm"), mesh, refusal));
  ASSERT_EQ(mesh.polygons.size(), 2u);
  const MeshPolygon& first = mesh.polygons[0];
  EXPECT_EQ(first.type, 1);
  EXPECT_EQ(first.texture, 7);
  EXPECT_EQ(first.corners, (std::array<std::int16_t, 4>{0, 1, 2, 3}));
  EXPECT_EQ(first.colours, (std::array<std::uint32_t, 4>{0xff112233, 2, 3, 0x80000000}));
  EXPECT_EQ(first.texture_coordinates, (std::array<float, 8>{0.5f, 1, 2, 3, 4, 5, 6, -7.25f}));
  EXPECT_EQ(mesh.polygons[1].texture, -1);
  EXPECT_EQ(mesh.polygons[1].corners[0], 3);
  ASSERT_EQ(mesh.vertices.size(), 4u);
  EXPECT_EQ(mesh.vertices[2].position.y, -1.0f);
  EXPECT_EQ(mesh.vertices[2].normal.y, -1.0f);
  EXPECT_EQ(mesh.polygons_out_of_range, 0u);
}

TEST(ModelMeshRead, BitZeroOfTheTypeMakesAQuad) {
  const std::pair<int, size_t> rows[] = {{0, 3}, {1, 4}, {2, 3}, {3, 4}, {1024, 3}, {1025, 4}, {-1, 4}};
  for (const auto& [type, corners] : rows) {
    SCOPED_TRACE(type);
    MeshPolygon polygon;
    polygon.type = static_cast<std::int16_t>(type);
    EXPECT_EQ(corner_count(polygon), corners);
  }
}

TEST(ModelMeshRead, PolygonWithACornerOutsideTheVertexListIsCountedNotKept) {
  struct Row {
    const char* name;
    PolygonRecord polygon;
    bool kept;
  };
  const Row rows[] = {
      {"triangle within the list", {0, 0, {0, 1, 3, 0}}, true},
      {"negative corner", {0, 0, {0, -1, 2, 0}}, false},
      {"corner one past the last vertex", {0, 0, {0, 1, 4, 0}}, false},
      {"quad's fourth corner past the end", {1, 0, {0, 1, 2, 4}}, false},
      {"triangle's unused fourth corner past the end", {0, 0, {0, 1, 2, 4}}, true},
  };
  TempDir dir;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    write_file(dir.file("m.prm"), mesh_bytes({row.polygon, {1, 0, {0, 1, 2, 3}}}, kSquare));
    ModelMesh mesh;
    std::string refusal;
    ASSERT_TRUE(read_model_mesh(dir.file("m.prm"), mesh, refusal));
    EXPECT_EQ(mesh.polygons.size(), row.kept ? 2u : 1u);
    EXPECT_EQ(mesh.polygons_out_of_range, row.kept ? 0u : 1u);
    EXPECT_EQ(mesh.polygons.back().type, 1);  // the good polygon after it is still read
  }
}

TEST(ModelMeshRefusal, SaysWhatTheRunsReaderLogsForTheSameFile) {
  TempDir dir;
  const std::string path = dir.file("damaged.prm");
  const std::string good = mesh_bytes({{1, 0, {0, 1, 2, 3}}}, kSquare);
  std::vector<std::pair<std::string, std::string>> files;  // name, bytes
  for (size_t length = 0; length < good.size(); ++length) files.emplace_back("cut at " + std::to_string(length), good.substr(0, length));
  std::string negative = good;
  negative[1] = static_cast<char>(0x80);
  files.emplace_back("negative polygon count", negative);
  files.emplace_back("not a number", mesh_bytes({{1, 0, {0, 1, 2, 3}}}, {{0, 0, 0}, {std::numeric_limits<float>::infinity(), 0, 0}}));

  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    write_file(path, bytes);
    VertexList vertices;
    reference::RecordingLog log;
    ASSERT_FALSE(read_model_file(path, vertices, log));
    ModelMesh mesh;
    mesh.polygons_out_of_range = 5;
    std::string refusal;
    EXPECT_FALSE(read_model_mesh(path, mesh, refusal));
    EXPECT_EQ(refusal, log.texts().at(0));
    EXPECT_EQ(mesh.polygons_out_of_range, 5u);  // left as it was
  }
  std::string refusal;
  ModelMesh mesh;
  EXPECT_FALSE(read_model_mesh(dir.file("missing.prm"), mesh, refusal));
  EXPECT_EQ(refusal, "Can't read file: " + dir.file("missing.prm"));
}

}  // namespace
}  // namespace ombrix
