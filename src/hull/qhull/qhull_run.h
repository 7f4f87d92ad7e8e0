// One run of the Qhull library inside the tool, owning its memory and muting its messages.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

namespace ombrix {

// Computes the convex hull of points with Qhull (or, with "H" among the options, the intersection
// of halfspaces) and frees all of Qhull's memory when it goes. Qhull's messages (warnings, the
// reason of a failure) are discarded.
class QhullRun {
 public:
  // `coordinates` holds the `dimension` coordinates of each point in turn (x, y and z by
  // default; for halfspaces the normal and then the offset); `command` is "qhull" followed by
  // the options the Qhull programs take, as in "qhull n".
  QhullRun(std::vector<coordT> coordinates, std::string command, int dimension = 3);
  ~QhullRun();
  QhullRun(const QhullRun&) = delete;
  QhullRun& operator=(const QhullRun&) = delete;

  // False when Qhull refused the input (fewer than four points, all in one plane, too many
  // points) or failed; qh() then holds no hull.
  bool succeeded() const { return started_ && exit_code_ == 0; }
  qhT* qh() { return &qh_; }

 private:
  std::FILE* message_sink_;
  std::vector<coordT> coordinates_;  // Qhull's points point into it
  std::string command_;
  qhT qh_;
  bool started_ = false;
  int exit_code_ = -1;
};

}  // namespace ombrix
