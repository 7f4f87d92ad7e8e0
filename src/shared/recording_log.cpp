#include "shared/recording_log.h"

namespace ombrix {

void RecordingLog::log_message(std::string_view text, Stamp stamp) { lines.push_back({std::string(text), stamp}); }

std::vector<std::string> RecordingLog::texts() const {
  std::vector<std::string> result;
  for (const LoggedLine& line : lines) result.push_back(line.text);
  return result;
}

std::string RecordingLog::last_text() const { return lines.empty() ? std::string() : lines.back().text; }

}  // namespace ombrix
