// What the checks need from a car's parameters.txt: its body, its hull file and its name, read
// as the game reads them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// The most of a parameters.txt that is read; real ones are a few kilobytes.
inline constexpr std::size_t kMostParametersBytes = 4 * 1024 * 1024;

struct CarParameters {
  std::optional<std::string> body;  // MODEL 0, as written: relative to the game folder
  std::optional<std::string> hull;  // COLL
  std::optional<std::string> name;  // Name
  std::vector<std::string> notes;   // what looked wrong on the way, one sentence each
};

// Reads `text` line by line (LF, CRLF or CR; a UTF-8 byte-order mark skipped), each cut at the
// first `;` outside quotes. A line is a keyword, matched in any letter case, then its values,
// each a word or a "quoted text": `MODEL 0 "cars\x\body.prm"`, `COLL "..."`, `Name "..."`.
// The last of a repeated entry counts and a note says so; text with NUL bytes is not read and a
// note says so.
CarParameters read_car_parameters(std::string_view text);

}  // namespace ombrix
