#include "stage_timing.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace ombrix::bench {

double processor_seconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double seconds_of(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median_seconds_of(const std::function<void()>& work, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) times.push_back(seconds_of(work));
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<size_t>(runs / 2)];
}

}  // namespace ombrix::bench
