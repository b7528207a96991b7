#include "support/object_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ambrel {
namespace {

struct Tracked {
  // Spelled out: clang 14 has no parenthesised aggregate initialisation for make_unique.
  Tracked(std::vector<std::string>* into, std::string called)
      : log(into), name(std::move(called)) {}
  Tracked(const Tracked&) = delete;
  Tracked& operator=(const Tracked&) = delete;

  std::vector<std::string>* log;
  std::string name;
  ~Tracked() { log->push_back("destroy " + name); }
};

TEST(ObjectRegistry, ExplicitAndAutomaticNumbersNeverCollide) {
  std::vector<std::string> log;
  ObjectRegistry<Tracked> registry;
  int automatic = registry.insert(kAnyNumber, std::make_unique<Tracked>(&log, "a"));
  int second = registry.insert(kAnyNumber, std::make_unique<Tracked>(&log, "b"));
  EXPECT_GT(automatic, ObjectRegistry<Tracked>::kMaxExplicitNumber);
  EXPECT_NE(automatic, second);
  EXPECT_EQ(registry.insert(5, std::make_unique<Tracked>(&log, "c")), 5);
  EXPECT_EQ(registry.find(automatic)->name, "a");
  EXPECT_EQ(registry.find(5)->name, "c");
  EXPECT_EQ(registry.find(6), nullptr);
}

TEST(ObjectRegistry, RejectsNumbersOutOfRange) {
  std::vector<std::string> log;
  ObjectRegistry<Tracked> registry;
  EXPECT_EQ(registry.insert(-2, std::make_unique<Tracked>(&log, "x")), kAnyNumber);
  EXPECT_EQ(registry.insert(ObjectRegistry<Tracked>::kFirstAutomaticNumber,
                            std::make_unique<Tracked>(&log, "y")),
            kAnyNumber);
  EXPECT_EQ(registry.size(), 0u);
}

TEST(ObjectRegistry, RecreatingAnExplicitNumberReleasesTheOldObjectFirst) {
  std::vector<std::string> log;
  ObjectRegistry<Tracked> registry([&](int number, Tracked& object) {
    log.push_back("release " + std::to_string(number) + " " + object.name);
  });
  registry.insert(3, std::make_unique<Tracked>(&log, "old"));
  registry.insert(3, std::make_unique<Tracked>(&log, "new"));
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "release 3 old");
  EXPECT_EQ(log[1], "destroy old");
  EXPECT_EQ(registry.find(3)->name, "new");
}

TEST(ObjectRegistry, FreeOneOrAll) {
  std::vector<std::string> log;
  ObjectRegistry<Tracked> registry;
  registry.insert(1, std::make_unique<Tracked>(&log, "one"));
  int automatic = registry.insert(kAnyNumber, std::make_unique<Tracked>(&log, "auto"));
  EXPECT_FALSE(registry.free(2));
  EXPECT_TRUE(registry.free(automatic));
  EXPECT_FALSE(registry.contains(automatic));
  EXPECT_TRUE(registry.free(kAnyNumber));
  EXPECT_EQ(registry.size(), 0u);
  EXPECT_EQ(log, (std::vector<std::string>{"destroy auto", "destroy one"}));
}

TEST(ObjectRegistry, ReleaseMayFreeOtherObjects) {
  std::vector<std::string> log;
  ObjectRegistry<Tracked>* self = nullptr;
  ObjectRegistry<Tracked> registry([&](int number, Tracked&) {
    if (number == 1) self->free(2);  // a window closing its children, say
  });
  self = &registry;
  registry.insert(1, std::make_unique<Tracked>(&log, "parent"));
  registry.insert(2, std::make_unique<Tracked>(&log, "child"));
  registry.free(kAnyNumber);
  EXPECT_EQ(registry.size(), 0u);
  EXPECT_EQ(log.size(), 2u);
}

TEST(ObjectRegistry, AutomaticNumbersAreNotReusedWhileAlive) {
  std::vector<std::string> log;
  ObjectRegistry<Tracked> registry;
  int first = registry.insert(kAnyNumber, std::make_unique<Tracked>(&log, "a"));
  for (int i = 0; i < 100; ++i) {
    int n = registry.insert(kAnyNumber, std::make_unique<Tracked>(&log, "t"));
    EXPECT_NE(n, first);
    registry.free(n);
  }
  EXPECT_EQ(registry.find(first)->name, "a");
}

}  // namespace
}  // namespace ambrel
