// A car's parameters.txt on any bytes: the entries read are single lines without quotes, each
// sentence about the file is said once, and a name read never finds a file outside the game folder.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "pack/car_parameters.h"
#include "pack/game_path.h"

using namespace ombrix;

namespace {

void check_entry(const std::optional<std::string>& entry) {
  if (!entry) return;
  if (entry->find_first_of("\r\n\"") != std::string::npos) fuzz::report_finding("an entry holds a line end or a quote");
  // No game folder exists here: every name is either refused or not found, never found.
  if (find_game_path("/nonexistent-ombrix-fuzz-game", *entry).fault.empty())
    fuzz::report_finding("a name was found in a game folder that does not exist");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), std::min(size, kMostParametersBytes));
  const CarParameters parameters = read_car_parameters(text);
  check_entry(parameters.body);
  check_entry(parameters.hull);
  std::vector<std::string> notes = parameters.notes;
  std::sort(notes.begin(), notes.end());
  if (std::adjacent_find(notes.begin(), notes.end()) != notes.end()) fuzz::report_finding("a note is said twice");
  return 0;
}
