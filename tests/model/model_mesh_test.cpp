// The one model reader as a picture uses it: the polygon fields from their places in the 60-byte
// record, polygons that point outside the vertex list counted and left out, and a refused file
// holding nothing half read.
#include "model/model_mesh.h"

#include <gtest/gtest.h>

#include <limits>

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
  write_file(
      dir.file("m.prm"),
      mesh_bytes({{1, -7, {0, 1, 2, 3}, {0xff112233, 2, 3, 0x80000000}, {0.5f, 1, 2, 3, 4, 5, 6, -7.25f}}}, kSquare));
  const ModelReading reading = read_model_mesh(dir.file("m.prm"));
  ASSERT_EQ(reading.fault, "");
  const ModelMesh& mesh = reading.mesh;
  ASSERT_EQ(mesh.polygons.size(), 1u);
  const MeshPolygon& read = mesh.polygons[0];
  EXPECT_EQ(read.type, 1);
  EXPECT_EQ(read.corners, (std::array<std::int16_t, 4>{0, 1, 2, 3}));
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
    const ModelReading reading = read_model_mesh(dir.file("m.prm"));
    ASSERT_EQ(reading.fault, "");
    const ModelMesh& mesh = reading.mesh;
    EXPECT_EQ(mesh.polygons.size(), row.kept ? 2u : 1u);
    EXPECT_EQ(mesh.polygons_out_of_range, row.kept ? 0u : 1u);
    EXPECT_EQ(mesh.polygons.back().type, 3);  // the good polygon after it is still read
  }
}

TEST(ModelMeshRefusal, ARefusedFileHoldsNothingHalfRead) {
  const std::string good = mesh_bytes({{1, 0, {0, 1, 2, 3}}}, kSquare);
  std::vector<std::string> damaged{good.substr(0, 3), good.substr(0, good.size() - 1)};
  damaged.push_back(good);
  damaged.back()[1] = static_cast<char>(0x80);  // a negative polygon count
  // The bad vertex comes after good ones, which must not stay behind.
  damaged.push_back(mesh_bytes({{1, 0, {0, 1, 2, 3}}}, {{0, 0, 0}, {1, 0, 0}, {0, -2e18f, 0}}));
  damaged.push_back(mesh_bytes({{1, 0, {0, 1, 2, 3}}}, {{0, 0, 0}, {std::numeric_limits<float>::quiet_NaN(), 0, 0}}));
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(bytes.size());
    const ModelReading reading = read_model_bytes(bytes, "m.prm");
    EXPECT_NE(reading.fault.find("'m.prm'"), std::string::npos) << reading.fault;
    EXPECT_TRUE(reading.mesh.vertices.empty());
    EXPECT_TRUE(reading.mesh.polygons.empty());
    EXPECT_EQ(reading.mesh.polygons_out_of_range, 0u);
  }
}

TEST(ModelMeshRead, AFileFarLongerThanItsCountsReadsAsItsCountsAlone) {
  TempDir dir;
  const std::string model = mesh_bytes({{1, 0, {0, 1, 2, 3}}}, kSquare);
  write_file(dir.file("long.prm"), model + std::string(4 << 20, '\xff'));  // beyond any model's size
  const ModelReading from_file = read_model_mesh(dir.file("long.prm"));
  const ModelReading from_bytes = read_model_bytes(model, dir.file("long.prm"));
  ASSERT_EQ(from_file.fault, "");
  EXPECT_EQ(from_file.mesh.vertices.size(), 4u);
  EXPECT_EQ(from_file.mesh.polygons.size(), from_bytes.mesh.polygons.size());
  EXPECT_EQ(from_file.mesh.vertices.back().position.y, from_bytes.mesh.vertices.back().position.y);
}

}  // namespace
}  // namespace ombrix
