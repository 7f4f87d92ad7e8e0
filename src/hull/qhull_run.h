// One run of the Qhull library: its messages discarded, all of its memory freed when it goes.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

namespace ombrix {

class QhullRun {
 public:
  // Runs Qhull over `coordinates`, points of `dimension` values each, with `command` (Qhull's
  // options, starting with "qhull"). Qhull writes nothing to the standard streams.
  QhullRun(int dimension, std::vector<coordT> coordinates, std::string command);
  ~QhullRun();
  QhullRun(const QhullRun&) = delete;
  QhullRun& operator=(const QhullRun&) = delete;

  // False when Qhull could not start or refused the input (flat, too few points, precision).
  bool succeeded() const { return started_ && exit_code_ == 0; }
  qhT* qh() { return &qh_; }

 private:
  std::FILE* message_sink_;
  std::vector<coordT> coordinates_;
  std::string command_;
  qhT qh_;
  bool started_ = false;
  int exit_code_ = -1;
};

}  // namespace ombrix
