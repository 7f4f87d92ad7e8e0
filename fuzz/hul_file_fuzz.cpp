// Any bytes, as a hull file and as a hull file text: a reading or a refusal, never a crash, a
// hang or memory beyond the input's size; whatever reads writes back the same bytes; and the
// checks of inspect run on whatever was read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "hulfile/hul_file.h"
#include "hulfile/hul_file_reader.h"
#include "hulfile/hul_text.h"
#include "hulfile/hul_text_reader.h"
#include "hulfile/inspect_hul.h"

namespace {

using namespace ombrix;

// What reads as a hull file prints as text that rebuilds the same bytes.
void check_hul_file(std::string_view bytes) {
  HulReading reading = read_hul_bytes(bytes);
  if (reading.fault.empty()) {
    if (hul_file_bytes(reading.data) != bytes) std::abort();
    const HulTextReading text = read_hul_text(hul_text(reading.data));
    if (!text.fault.empty() || hul_file_bytes(text.data) != bytes) std::abort();
  }
  inspect_hul(std::move(reading), std::nullopt);
}

// What reads as a text gives a file that reads back without a fault and prints the same text.
void check_hul_text(std::string_view text) {
  const HulTextReading reading = read_hul_text(text);
  if (!reading.fault.empty()) return;
  const std::optional<std::string> bytes = hul_file_bytes(reading.data);
  if (!bytes) std::abort();
  const HulReading again = read_hul_bytes(*bytes);
  if (!again.fault.empty() || hul_text(again.data) != hul_text(reading.data)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check_hul_file(bytes);
  check_hul_text(bytes);
  return 0;
}
