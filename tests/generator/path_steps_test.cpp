#include "generator/path_steps.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>
#include <vector>

namespace ambrel {
namespace {

TEST(PathSteps, EqualPathsShareANumberWhileHeld) {
  PathSteps steps;
  std::uint32_t a = steps.acquire(PathSteps::kTop, 1, 1);
  std::uint32_t b = steps.acquire(a, 2, 3);
  EXPECT_EQ(steps.acquire(PathSteps::kTop, 1, 1), a);
  EXPECT_EQ(steps.acquire(a, 2, 3), b);
  EXPECT_NE(steps.acquire(a, 2, 4), b);
  EXPECT_EQ(steps.step(b).parent, a);
  EXPECT_EQ(steps.size(), 3u);
}

// Releasing the last hold on a long chain frees the whole chain (without recursion).
TEST(PathSteps, ALongChainIsForgottenWithItsLastHolder) {
  PathSteps steps;
  std::uint32_t at = PathSteps::kTop;
  for (std::uint32_t depth = 0; depth < 100000; ++depth) {
    std::uint32_t next = steps.acquire(at, depth, 0);
    steps.release(at);  // the chain keeps its parents
    at = next;
  }
  EXPECT_EQ(steps.size(), 100000u);
  steps.release(at);
  EXPECT_EQ(steps.size(), 0u);
}

// Against a map: holds taken and given up at random, with many paths landing in the
// same probe runs, so removal must keep every remaining path findable.
TEST(PathSteps, MatchesAModelUnderRandomHoldsAndReleases) {
  PathSteps steps;
  using Key = std::tuple<std::uint32_t, std::uint32_t, std::uint64_t>;
  std::map<Key, std::pair<std::uint32_t, int>> model;  // number, holds
  std::vector<Key> held;
  std::mt19937 random(3);
  auto pick = [&](std::uint32_t n) {
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random);
  };
  for (int round = 0; round < 200000; ++round) {
    if (held.empty() || pick(5) < 3) {
      Key key{PathSteps::kTop, pick(40), pick(40)};
      std::uint32_t number = steps.acquire(std::get<0>(key), std::get<1>(key), std::get<2>(key));
      auto [entry, added] = model.try_emplace(key, number, 0);
      ASSERT_EQ(entry->second.first, number);
      ++entry->second.second;
      held.push_back(key);
    } else {
      std::size_t which = pick(static_cast<std::uint32_t>(held.size()));
      std::swap(held[which], held.back());
      auto entry = model.find(held.back());
      steps.release(entry->second.first);
      if (--entry->second.second == 0) model.erase(entry);
      held.pop_back();
    }
    ASSERT_EQ(steps.size(), model.size());
  }
}

}  // namespace
}  // namespace ambrel
