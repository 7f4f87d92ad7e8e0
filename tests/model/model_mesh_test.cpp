// The polygons a picture draws: every field of the 60-byte record from its place, polygons that
// point outside the vertex list counted and left out, and damaged files refused with the very
// sentence the run's reader logs.
#include "model/model_mesh.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/model_file.h"
#include "shared/little_endian.h"
#include "shared/recording_log.h"
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

// A model file: the header, the polygon records, then the vertex records (normals (0, -1, 0)).
std::string mesh_bytes(const std::vector<PolygonRecord>& polygons, const std::vector<Vector>& points) {
  std::string bytes;
  append_int16(bytes, static_cast<std::int64_t>(polygons.size()));
  append_int16(bytes, static_cast<std::int64_t>(points.size()));
  for (const PolygonRecord& p : polygons) {
    append_int16(bytes, p.type);
    append_int16(bytes, p.texture);
    for (int corner : p.corners) append_int16(bytes, corner);
    for (std::uint32_t colour : p.colours) append_uint32(bytes, colour);
    for (float value : p.uv) append_float32(bytes, value);
  }
  for (const Vector& p : points) {
    for (float value : {p.x, p.y, p.z, 0.0f, -1.0f, 0.0f}) append_float32(bytes, value);
  }
  return bytes;
}

const std::vector<Vector> kSquare{{0, 0, 0}, {1, 0, 0}, {1, -1, 0}, {0, -1, 0}};

TEST(ModelMeshRead, EveryPolygonFieldComesFromItsPlaceInTheRecord) {
  TempDir dir;
  write_file(dir.file("m.prm"),
             mesh_bytes({{1, -7, {0, 1, 2, 3}, {0xff112233, 2, 3, 0x80000000}, {0.5f, 1, 2, 3, 4, 5, 6, -7.25f}}}, kSquare));
  ModelMesh mesh;
  std::string refusal;
  ASSERT_TRUE(read_model_mesh(dir.file("m.prm"), mesh, refusal));
  ASSERT_EQ(mesh.polygons.size(), 1u);
  const MeshPolygon& read = mesh.polygons[0];
  EXPECT_EQ(read.type, 1);
  EXPECT_EQ(read.texture, -7);
  EXPECT_EQ(read.corners, (std::array<std::int16_t, 4>{0, 1, 2, 3}));
  EXPECT_EQ(read.colours, (std::array<std::uint32_t, 4>{0xff112233, 2, 3, 0x80000000}));
  EXPECT_EQ(read.texture_coordinates, (std::array<float, 8>{0.5f, 1, 2, 3, 4, 5, 6, -7.25f}));
  EXPECT_EQ(mesh.vertices.at(2).normal.y, -1.0f);
}

TEST(ModelMeshRead, PolygonUsingACornerOutsideTheVertexListIsCountedNotKept) {
  const struct {
    const char* name;
    PolygonRecord polygon;
    bool kept;
  } rows[] = {
      {"triangle within the list", {0, 0, {0, 1, 3, 0}}, true},
      {"negative corner", {0, 0, {0, -1, 2, 0}}, false},
      {"corner one past the last vertex", {2, 0, {0, 1, 4, 0}}, false},
      {"quad's fourth corner past the end", {1, 0, {0, 1, 2, 4}}, false},
      {"triangle's unused fourth corner past the end", {1024, 0, {0, 1, 2, 4}}, true},
      {"type -1 has bit 0 set: a quad", {-1, 0, {0, 1, 2, 4}}, false},
  };
  TempDir dir;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    write_file(dir.file("m.prm"), mesh_bytes({row.polygon, {3, 0, {0, 1, 2, 3}}}, kSquare));
    ModelMesh mesh;
    std::string refusal;
    ASSERT_TRUE(read_model_mesh(dir.file("m.prm"), mesh, refusal));
    EXPECT_EQ(mesh.polygons.size(), row.kept ? 2u : 1u);
    EXPECT_EQ(mesh.polygons_out_of_range, row.kept ? 0u : 1u);
    EXPECT_EQ(mesh.polygons.back().type, 3);  // the good polygon after it is still read
  }
}

TEST(ModelMeshRefusal, SaysWhatTheRunsReaderLogsForTheSameFile) {
  TempDir dir;
  const std::string path = dir.file("damaged.prm");
  const std::string good = mesh_bytes({{1, 0, {0, 1, 2, 3}}}, kSquare);
  std::vector<std::string> damaged;
  for (size_t length = 0; length < good.size(); ++length) damaged.push_back(good.substr(0, length));
  damaged.push_back(good);
  damaged.back()[1] = static_cast<char>(0x80);  // a negative polygon count
  damaged.push_back(mesh_bytes({{1, 0, {0, 1, 2, 3}}}, {{0, 0, 0}, {std::numeric_limits<float>::infinity(), 0, 0}}));
  damaged.push_back(mesh_bytes({{1, 0, {0, 1, 2, 3}}}, {{0, 0, 0}, {0, -2e18f, 0}}));  // beyond the coordinate bound
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(bytes.size());
    write_file(path, bytes);
    VertexList vertices;
    RecordingLog log;
    ASSERT_FALSE(read_model_file(path, vertices, log));
    ModelMesh mesh;
    mesh.polygons_out_of_range = 5;
    std::string refusal;
    EXPECT_FALSE(read_model_mesh(path, mesh, refusal));
    EXPECT_EQ(refusal, log.texts().at(0));
    EXPECT_EQ(mesh.polygons_out_of_range, 5u);  // left as it was
  }
}

}  // namespace
}  // namespace ombrix
