// How a log line and the window title are formed from a text and the local time.
#pragma once

#include <string>
#include <string_view>

namespace ombrix {

// A local wall-clock time to the second.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;
};

LocalTime local_time_now();

// Whether a log line starts with the local time.
enum class Stamp {
  kPlain,    // the text alone
  kStamped,  // "HH:MM:SS.", a TAB, then the text
};

// Replaces each date token that follows a "%" in `mask`: "yyyy" (four-digit year), "yy", "mm",
// "dd", "hh", "ii" (minute), "ss", tried in that order and ignoring case; every field but the
// four-digit year gets two digits. A "%" that starts no token is kept as it is.
std::string expand_date(std::string_view mask, const LocalTime& time);

// The line a log call adds: `text` unchanged when plain; stamped, "%hh:%ii:%ss." + TAB + `text`,
// the whole of it passed through expand_date (so tokens inside `text` expand as well).
std::string format_log_line(std::string_view text, Stamp stamp, const LocalTime& time);

}  // namespace ombrix
