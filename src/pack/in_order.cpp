#include "pack/in_order.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace ombrix {

void run_in_order(size_t count, size_t jobs, const std::function<void(size_t)>& work,
                  const std::function<void(size_t)>& done) {
  std::atomic<size_t> next{0};
  std::mutex mutex;
  std::condition_variable finished_one;
  std::vector<char> finished(count, 0);
  const auto worker = [&] {
    for (size_t i = next++; i < count; i = next++) {
      work(i);
      {
        const std::lock_guard<std::mutex> lock(mutex);
        finished[i] = 1;
      }
      finished_one.notify_all();
    }
  };
  std::vector<std::jthread> threads;
  const size_t thread_count = std::clamp<size_t>(jobs, 1, std::max<size_t>(count, 1));
  for (size_t t = 0; t < thread_count; ++t) threads.emplace_back(worker);
  for (size_t i = 0; i < count; ++i) {
    std::unique_lock<std::mutex> lock(mutex);
    finished_one.wait(lock, [&] { return finished[i] != 0; });
    lock.unlock();
    done(i);
  }
}

}  // namespace ombrix
