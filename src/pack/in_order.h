// Independent pieces of work on several threads, their results taken in the order of a serial run.
#pragma once

#include <cstddef>
#include <functional>

namespace ombrix {

// Runs `work(i)` for every i below `count` on up to `jobs` threads (at least one), and calls
// `done(i)` on the calling thread for i = 0, 1, 2... in that order, each as soon as work(i) and
// every done before it have finished. `work` must not throw.
void run_in_order(size_t count, size_t jobs, const std::function<void(size_t)>& work,
                  const std::function<void(size_t)>& done);

}  // namespace ombrix
