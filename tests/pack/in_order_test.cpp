// Work on several threads, its results taken in serial order.
#include "pack/in_order.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace ombrix {
namespace {

TEST(InOrder, ResultsArriveInSerialOrderWhateverOrderTheWorkFinishesIn) {
  for (const size_t jobs : {1u, 3u, 64u}) {
    SCOPED_TRACE(jobs);
    std::vector<int> results(20, -1);
    std::vector<size_t> order;
    run_in_order(
        results.size(), jobs,
        [&](size_t i) {
          // The early ones finish last.
          std::this_thread::sleep_for(std::chrono::milliseconds(i < 3 ? 20 : 0));
          results[i] = static_cast<int>(i * i);
        },
        [&](size_t i) {
          EXPECT_EQ(results[i], static_cast<int>(i * i));
          order.push_back(i);
        });
    ASSERT_EQ(order.size(), results.size());
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
  }
  run_in_order(
      0, 4, [](size_t) { FAIL(); }, [](size_t) { FAIL(); });
}

}  // namespace
}  // namespace ombrix
