// Files the tests make for themselves: temporary folders and model files built from points.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "geometry/vector.h"
#include "model/mesh_vertex.h"

namespace ombrix::testing {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as text, with a trailing separator, ready to be a working directory prefix.
  std::string prefix() const;
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The bytes of a model file with `polygon_count` all-zero polygon records and one vertex record
// per point (normals zero).
std::string model_file_bytes(std::span<const Vector> points, int polygon_count = 1);

void write_file(const std::string& path, const std::string& bytes);

// The width and height a PNG's header gives, or zeros when `bytes` is not a PNG.
std::pair<unsigned, unsigned> png_size(const std::string& bytes);
std::string read_file(const std::string& path);

// Vertices with the given positions and zero normals.
VertexList vertices_of(std::span<const Vector> points);

// The corners of the box from `low` to `high`, x changing slowest and z fastest.
std::vector<Vector> box_corners(const Vector& low, const Vector& high);

// A car-like body of 185 vertices whose roof is a 9 by 9 grid of points in the plane y = 0,
// above a belt and a floor grid: a flat side through the origin, whose many vertex triples the
// tool's own procedure keeps as separate planes, since planes at offset 0 never merge.
std::vector<Vector> roof_at_zero_body();

}  // namespace ombrix::testing
