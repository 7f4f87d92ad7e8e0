// The number readers on any text; texts made only of what a decimal number is written with are
// read against the C library's own correctly rounded reading, which must agree bit for bit.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "shared/number_text.h"

using namespace ombrix;

namespace {

// Every byte becomes one of these, so most inputs are number texts of some kind.
constexpr char kNumberCharacters[] = "0123456789.eE+- ";

// Only spaces lead, and no other white space, "inf", "nan" or "0x" can occur: the C library's
// reading follows the same rules on such a text (the harness runs in the "C" locale).
void compare_with_c_library(const std::string& text) {
  const float expected = std::strtof(text.c_str(), nullptr);
  const float value = read_decimal(text);
  if (std::bit_cast<std::uint32_t>(value) != std::bit_cast<std::uint32_t>(expected)) {
    fuzz::report_finding("\"" + text + "\" reads as " + std::to_string(value) + ", not " + std::to_string(expected));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string raw(reinterpret_cast<const char*>(data), size);
  for (LeadingBlanks blanks : {LeadingBlanks::kSpaces, LeadingBlanks::kSpacesAndTabs, LeadingBlanks::kAnyWhiteSpace}) {
    read_decimal(raw, blanks);
  }
  read_whole(raw);

  std::string number;
  for (std::uint8_t byte : raw) number += kNumberCharacters[byte % (sizeof kNumberCharacters - 1)];
  compare_with_c_library(number);
  return 0;
}
