#include "hulfile/hul_text_reader.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "hulfile/hul_file.h"
#include "record/hull_file_limits.h"
#include "shared/joined.h"

namespace ombrix {

namespace {

std::vector<std::string_view> words_of(std::string_view line) {
  std::vector<std::string_view> words;
  size_t start = 0;
  while (start < line.size()) {
    const size_t end = line.find_first_of(" \t\r", start);
    const size_t stop = end == std::string_view::npos ? line.size() : end;
    if (stop > start) words.push_back(line.substr(start, stop - start));
    start = stop + 1;
  }
  return words;
}

bool hex_value(char digit, unsigned& value) {
  if (digit >= '0' && digit <= '9')
    value = static_cast<unsigned>(digit - '0');
  else if (digit >= 'a' && digit <= 'f')
    value = static_cast<unsigned>(digit - 'a' + 10);
  else if (digit >= 'A' && digit <= 'F')
    value = static_cast<unsigned>(digit - 'A' + 10);
  else
    return false;
  return true;
}

// Whether a decimal that no float holds is one too near 0 rather than too large: its value in
// double, or when even a double cannot hold it, a negative exponent or no whole part.
bool rounds_to_zero(std::string_view number) {
  double value = 0.0;
  const std::from_chars_result result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc()) return std::fabs(value) < 1.0;
  const size_t exponent = number.find_first_of("eE");
  if (exponent != std::string_view::npos) return number.substr(exponent + 1).starts_with('-');
  const size_t digits = number.find_first_not_of("+-");
  return digits == std::string_view::npos || number[digits] == '.' || number.substr(digits).starts_with("0.");
}

// Why a word is not a value, or empty when `value` was read.
std::string read_value(std::string_view word, float& value) {
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    std::uint32_t bits = 0;
    bool hex = word.size() == 10;
    for (size_t i = 2; hex && i < word.size(); ++i) {
      unsigned digit = 0;
      hex = hex_value(word[i], digit);
      bits = (bits << 4) | digit;
    }
    if (!hex) return joined({"'", word, "' is not a bit pattern: 0x and eight hexadecimal digits"});
    value = std::bit_cast<float>(bits);
    return {};
  }
  std::string_view number = word;
  if (number.size() > 1 && number[0] == '+' && number[1] != '-') number.remove_prefix(1);
  const std::from_chars_result result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (rounds_to_zero(number)) return joined({"'", word, "' is too small for a 32-bit float: it would read as 0"});
    return joined({"'", word, "' is beyond what a 32-bit float holds"});
  }
  if (result.ec != std::errc() || result.ptr != number.data() + number.size()) {
    return joined({"'", word, "' is not a number"});
  }
  return {};
}

std::string read_index(std::string_view word, std::int16_t& index) {
  int value = 0;
  const std::from_chars_result result = std::from_chars(word.data(), word.data() + word.size(), value);
  if (result.ec != std::errc() || result.ptr != word.data() + word.size() || value < -32768 || value > 32767) {
    return joined({"'", word, "' is not a whole number from -32768 to 32767"});
  }
  index = static_cast<std::int16_t>(value);
  return {};
}

std::string read_bytes(std::string_view word, std::string& bytes) {
  if (word.size() % 2 != 0) return joined({"'", word, "' is not whole bytes: two hexadecimal digits each"});
  for (size_t i = 0; i < word.size(); i += 2) {
    unsigned high = 0;
    unsigned low = 0;
    if (!hex_value(word[i], high) || !hex_value(word[i + 1], low)) {
      return joined({"'", word, "' is not hexadecimal bytes"});
    }
    bytes += static_cast<char>((high << 4) | low);
  }
  return {};
}

class TextParser {
 public:
  // Empty when the line was taken, else what is wrong with it.
  std::string take(std::string_view keyword, std::span<const std::string_view> values) {
    if (stage_ == Stage::kEnd) return joined({"'", keyword, "' after 'end': the text ends there"});
    if (stage_ == Stage::kBox && keyword != "box") {
      return joined({"expected 'box' with six numbers after 'hull', found '", keyword, "'"});
    }
    if (stage_ == Stage::kOffset && keyword != "offset") {
      return joined({"expected 'offset' with three numbers after 'box', found '", keyword, "'"});
    }
    if (keyword == "hull") return take_hull(values);
    if (keyword == "box") return take_box(values);
    if (keyword == "offset") return take_offset(values);
    if (keyword == "point" || keyword == "edge" || keyword == "plane") return take_hull_record(keyword, values);
    if (keyword == "sphere") return take_sphere(values);
    if (keyword == "trailing") return take_trailing(values);
    if (keyword == "end") return take_end(values);
    return joined(
        {"'", keyword, "' is not a record: expected hull, box, offset, point, edge, plane, sphere, trailing or end"});
  }

  // Empty when the text may end here, else what it lacks.
  std::string missing_at_end() const {
    if (stage_ == Stage::kBox) return joined({"expected 'box' with six numbers for hull ", hull_number()});
    if (stage_ == Stage::kOffset) return joined({"expected 'offset' with three numbers for hull ", hull_number()});
    if (stage_ != Stage::kEnd) {
      return "expected 'end': the text is cut off (a whole text from before 'end' lines were written needs one "
             "added as its last line)";
    }
    return {};
  }

  CollisionData& data() { return data_; }

 private:
  enum class Stage { kStart, kBox, kOffset, kHullRecords, kSpheres, kTrailing, kEnd };

  std::string hull_number() const { return std::to_string(data_.volumes.size()); }

  static std::string read_values(std::string_view keyword, std::span<const std::string_view> words,
                                 std::initializer_list<float*> values) {
    if (words.size() != values.size()) {
      return joined(
          {"'", keyword, "' takes ", std::to_string(values.size()), " numbers, found ", std::to_string(words.size())});
    }
    size_t i = 0;
    for (float* value : values) {
      const std::string problem = read_value(words[i++], *value);
      if (!problem.empty()) return problem;
    }
    return {};
  }

  std::string take_hull(std::span<const std::string_view> values) {
    if (stage_ == Stage::kSpheres) return "'hull' after the spheres: every hull comes before them";
    if (stage_ == Stage::kTrailing) return "'hull' after 'trailing': the trailing bytes come last";
    if (!values.empty()) return "'hull' takes nothing after it: its records follow on their own lines";
    if (data_.volumes.size() == kMostHullFileEntries) return "more than 32767 hulls";
    data_.volumes.emplace_back();
    stage_ = Stage::kBox;
    return {};
  }

  std::string take_box(std::span<const std::string_view> values) {
    if (stage_ != Stage::kBox) return "'box' belongs right after 'hull'";
    BBox& box = data_.volumes.back().box;
    std::string problem =
        read_values("box", values, {&box.min_x, &box.max_x, &box.min_y, &box.max_y, &box.min_z, &box.max_z});
    if (problem.empty()) stage_ = Stage::kOffset;
    return problem;
  }

  std::string take_offset(std::span<const std::string_view> values) {
    if (stage_ != Stage::kOffset) return "'offset' belongs right after 'box'";
    Vector& offset = data_.volumes.back().offset;
    std::string problem = read_values("offset", values, {&offset.x, &offset.y, &offset.z});
    if (problem.empty()) stage_ = Stage::kHullRecords;
    return problem;
  }

  std::string take_hull_record(std::string_view keyword, std::span<const std::string_view> values) {
    if (stage_ == Stage::kStart) return joined({"'", keyword, "' before any 'hull'"});
    if (stage_ == Stage::kSpheres) return joined({"'", keyword, "' after the spheres: every hull comes before them"});
    if (stage_ == Stage::kTrailing) return joined({"'", keyword, "' after 'trailing': the trailing bytes come last"});
    Volume& volume = data_.volumes.back();
    const std::string too_many = joined({"hull ", hull_number(), " has more than 32767 ", keyword, "s"});
    if (keyword == "point") {
      if (volume.points.size() == kMostHullFileEntries) return too_many;
      Vector point;
      std::string problem = read_values(keyword, values, {&point.x, &point.y, &point.z});
      if (problem.empty()) volume.points.push_back(point);
      return problem;
    }
    if (keyword == "plane") {
      if (volume.planes.size() == kMostHullFileEntries) return too_many;
      Plane plane;
      std::string problem = read_values(keyword, values, {&plane.a, &plane.b, &plane.c, &plane.d});
      if (problem.empty()) volume.planes.push_back(plane);
      return problem;
    }
    if (volume.edges.size() == kMostHullFileEntries) return too_many;
    if (values.size() != 2) return joined({"'edge' takes 2 point indices, found ", std::to_string(values.size())});
    Edge edge;
    std::string problem = read_index(values[0], edge.from);
    if (problem.empty()) problem = read_index(values[1], edge.to);
    if (problem.empty()) volume.edges.push_back(edge);
    return problem;
  }

  std::string take_sphere(std::span<const std::string_view> values) {
    if (stage_ == Stage::kTrailing) return "'sphere' after 'trailing': the trailing bytes come last";
    if (data_.spheres.size() == kMostHullFileEntries) return "more than 32767 spheres";
    Sphere sphere;
    std::string problem = read_values("sphere", values, {&sphere.x, &sphere.y, &sphere.z, &sphere.radius});
    if (!problem.empty()) return problem;
    data_.spheres.push_back(sphere);
    stage_ = Stage::kSpheres;
    return {};
  }

  std::string take_trailing(std::span<const std::string_view> values) {
    for (const std::string_view word : values) {
      std::string problem = read_bytes(word, data_.trailing);
      if (!problem.empty()) return problem;
    }
    stage_ = Stage::kTrailing;
    return {};
  }

  std::string take_end(std::span<const std::string_view> values) {
    if (!values.empty()) return "'end' takes nothing after it";
    stage_ = Stage::kEnd;
    return {};
  }

  CollisionData data_;
  Stage stage_ = Stage::kStart;
};

}  // namespace

HulTextReading read_hul_text(std::string_view text) {
  HulTextReading reading;
  TextParser parser;
  size_t line_number = 0;
  size_t start = 0;
  while (start < text.size()) {
    ++line_number;
    const size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? text.size() : end + 1;
    if (const size_t comment = line.find('#'); comment != std::string_view::npos) line = line.substr(0, comment);
    const std::vector<std::string_view> words = words_of(line);
    if (words.empty()) continue;
    const std::string problem = parser.take(words[0], std::span(words).subspan(1));
    if (!problem.empty()) {
      reading.fault = joined({"line ", std::to_string(line_number), ": ", problem});
      return reading;
    }
  }
  if (const std::string missing = parser.missing_at_end(); !missing.empty()) {
    reading.fault = joined({"line ", std::to_string(line_number + 1), " (the end of the text): ", missing});
    return reading;
  }
  reading.data = std::move(parser.data());
  return reading;
}

}  // namespace ombrix
