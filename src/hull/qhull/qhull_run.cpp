#include "hull/qhull/qhull_run.h"

#include <limits>
#include <utility>

namespace ombrix {

namespace {

#ifdef _WIN32
constexpr const char* kNullDevice = "NUL";
#else
constexpr const char* kNullDevice = "/dev/null";
#endif

}  // namespace

QhullRun::QhullRun(std::vector<coordT> coordinates, std::string command, int dimension)
    : message_sink_(std::fopen(kNullDevice, "w")), coordinates_(std::move(coordinates)), command_(std::move(command)) {
  if (!message_sink_) return;  // Qhull would write to the standard error stream instead
  const size_t point_count = coordinates_.size() / static_cast<size_t>(dimension);
  if (point_count > static_cast<size_t>(std::numeric_limits<int>::max() / dimension)) return;
  qh_zero(&qh_, message_sink_);
  started_ = true;
  exit_code_ = qh_new_qhull(&qh_, dimension, static_cast<int>(point_count), coordinates_.data(), False, command_.data(),
                            nullptr, message_sink_);
}

QhullRun::~QhullRun() {
  if (started_) {
    qh_freeqhull(&qh_, !qh_ALL);
    int still_long = 0;
    int total_long = 0;
    qh_memfreeshort(&qh_, &still_long, &total_long);
  }
  if (message_sink_) std::fclose(message_sink_);
}

}  // namespace ombrix
