// The one channel through which every stage reports progress and failure to the user.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "shared/log_line.h"

namespace ombrix {

// Receives the log lines of start-up and of every run, one call per line.
class Log {
 public:
  virtual ~Log() = default;

  // Appends one line: `text` unchanged, or, when stamped, the local time stamp
  // "HH:MM:SS." and a TAB followed by `text`, date tokens in `text` expanded too
  // (see format_log_line). An empty text gives an empty (or stamp-only) line.
  virtual void log_message(std::string_view text, Stamp stamp) = 0;
};

// A Log that formats each line with the local clock and hands it to a writer:
// what the command line and the tests use; the window has its own.
class LineLog : public Log {
 public:
  using LineWriter = std::function<void(const std::string& line)>;
  using Clock = std::function<LocalTime()>;

  explicit LineLog(LineWriter write_line, Clock clock = local_time_now);

  void log_message(std::string_view text, Stamp stamp) override;

 private:
  LineWriter write_line_;
  Clock clock_;
};

}  // namespace ombrix
