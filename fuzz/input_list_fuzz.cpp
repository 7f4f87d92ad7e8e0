// The input field's text on any bytes: one entry per name, each the prefix and a trimmed name
// free of separators, excluded exactly when a "*" comes before it.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "pipeline/input_list.h"

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string prefix = provider.ConsumeRandomLengthString(16);
  const std::string input = provider.ConsumeRemainingBytesAsString();
  const std::vector<InputEntry> entries = parse_input_list(input, prefix);

  std::vector<bool> excluded = {false};
  for (char c : input) {
    if (c == '|' || c == '*') excluded.push_back(c == '*');
  }
  if (entries.size() != excluded.size()) fuzz::report_finding("not one entry per name");
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].excluded != excluded[i]) fuzz::report_finding("entry " + std::to_string(i) + " has the wrong kind");
    if (!entries[i].path.starts_with(prefix)) fuzz::report_finding("entry " + std::to_string(i) + " lost its prefix");
    const std::string name = entries[i].path.substr(prefix.size());
    if (name.find_first_of("|*") != std::string::npos || name.starts_with(' ') || name.ends_with(' ')) {
      fuzz::report_finding("entry " + std::to_string(i) + " is not a trimmed name");
    }
  }
  return 0;
}
