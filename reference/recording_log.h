// A Log that keeps every call, so that two runs can be compared line by line without time stamps.
#pragma once

#include <string>
#include <vector>

#include "shared/log.h"

namespace ombrix::reference {

struct LoggedLine {
  std::string text;
  bool stamped = false;
  bool operator==(const LoggedLine&) const = default;
};

class RecordingLog : public Log {
 public:
  void log_message(std::string_view text, bool stamped) override {
    lines.push_back({std::string(text), stamped});
  }
  // The texts alone, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (const LoggedLine& line : lines) result.push_back(line.text);
    return result;
  }

  std::vector<LoggedLine> lines;
};

}  // namespace ombrix::reference
