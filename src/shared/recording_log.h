// A Log that keeps every line as given, unformatted: for comparing runs line by line without
// the clock, for showing a reader's refusal in a message of one's own, or for lines nobody reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shared/log.h"

namespace ombrix {

struct LoggedLine {
  std::string text;
  Stamp stamp = Stamp::kPlain;
  bool operator==(const LoggedLine&) const = default;
};

class RecordingLog : public Log {
 public:
  void log_message(std::string_view text, Stamp stamp) override;

  // The texts alone, in order.
  std::vector<std::string> texts() const;
  // The last line's text; empty when nothing was logged.
  std::string last_text() const;

  std::vector<LoggedLine> lines;
};

}  // namespace ombrix
