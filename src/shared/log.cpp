#include "shared/log.h"

#include <utility>

namespace ombrix {

LineLog::LineLog(LineWriter write_line, Clock clock) : write_line_(std::move(write_line)), clock_(std::move(clock)) {}

void LineLog::log_message(std::string_view text, Stamp stamp) { write_line_(format_log_line(text, stamp, clock_())); }

}  // namespace ombrix
