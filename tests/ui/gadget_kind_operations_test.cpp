// The common operations defer to a kind's own operations where it has them; a kind made
// here stands for the kinds added later (lists, panels, splitters).

#include <string>
#include <vector>

#include "gadget_fixture.h"
#include "ui/measure.h"
#include "ui/backend_events.h"

namespace ambrel {
namespace {

struct Counter : GadgetExtra {
  int state = 0;
  std::vector<std::u16string> items;
  std::vector<int> suppressed_raises;  // whether a raise inside the operation was queued
  bool hidden = false;
  Rect resized_to;
};

Counter& counter(const Gadget& gadget) { return static_cast<Counter&>(*gadget.extra); }

// Raises a probe event inside an operation, to see whether events are suppressed there.
void probe(const Gadget& gadget) {
  raise_gadget_event(gadget, 5);
  counter(gadget).suppressed_raises.push_back(take_event() == 0 ? 1 : 0);
}

int freed_kinds = 0;

constexpr GadgetKind kCounterKind = [] {
  GadgetKind kind;
  kind.code = GadgetKindCode{90};
  kind.free = [](Gadget&) { ++freed_kinds; };
  kind.get_state = [](const Gadget& gadget) { return counter(gadget).state; };
  kind.set_state = [](Gadget& gadget, int value) {
    probe(gadget);
    counter(gadget).state = value;
  };
  kind.add_item = [](Gadget& gadget, int position, std::u16string_view text) {
    probe(gadget);
    auto& items = counter(gadget).items;
    items.insert(items.begin() + std::min<std::size_t>(position, items.size()),
                 std::u16string(text));
    return static_cast<int>(items.size());
  };
  kind.get_attribute = [](const Gadget& gadget, int attribute) {
    return attribute * 100 + counter(gadget).state;
  };
  kind.set_attribute = [](Gadget& gadget, int attribute, int value) {
    counter(gadget).state = attribute + value;
  };
  kind.hide = [](Gadget& gadget, bool hidden) { counter(gadget).hidden = hidden; };
  kind.resize = [](Gadget& gadget, int x, int y, int width, int height) {
    counter(gadget).resized_to = {x, y, width, height};
  };
  kind.command = [](Gadget& gadget, ControlCommand command) {
    counter(gadget).state = static_cast<int>(command);
    return command == ControlCommand{1};
  };
  kind.natural_size = [](const Gadget& gadget) { return Size{counter(gadget).state, 1}; };
  return kind;
}();

class GadgetKindOperationsTest : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    freed_kinds = 0;
    ControlRequest request;
    request.kind = ControlKind::Container;
    gadget = create_gadget(kAnyNumber, kCounterKind, request, 0, std::make_unique<Counter>());
    ASSERT_NE(gadget, 0);
  }

  Counter& extra() { return counter(*find_gadget(gadget)); }

  int gadget = 0;
};

TEST_F(GadgetKindOperationsTest, StateAndItemsChangeWithEventsSuppressed) {
  EXPECT_EQ(set_gadget_state(gadget, 4), 1);
  EXPECT_EQ(get_gadget_state(gadget), 4);
  EXPECT_EQ(add_gadget_item(gadget, 0, u"b"), 1);
  EXPECT_EQ(add_gadget_item(gadget, 0, u"a"), 2);
  EXPECT_EQ(add_gadget_item(gadget, 5, nullptr), 3);
  EXPECT_EQ(extra().items, (std::vector<std::u16string>{u"a", u"b", u""}));
  EXPECT_EQ(extra().suppressed_raises, (std::vector<int>{1, 1, 1, 1}));
  // Outside the operations events flow again.
  raise_gadget_event(*find_gadget(gadget), 5);
  EXPECT_EQ(drain_gadget_events(), (std::vector<TakenEvent>{{gadget, 5}}));
}

TEST_F(GadgetKindOperationsTest, AttributesHideResizeAndMeasureGoThroughTheKind) {
  EXPECT_EQ(set_gadget_attribute(gadget, 2, 5), 1);
  EXPECT_EQ(get_gadget_attribute(gadget, 1), 107);
  EXPECT_EQ(gadget_natural_size(gadget), (Size{7, 1}));
  hide_gadget(gadget, 1);
  EXPECT_TRUE(extra().hidden);
  EXPECT_TRUE(headless->control_visible(gadget_handle(gadget)));
  resize_gadget(gadget, kKeepValue, 2, 3, 4);
  EXPECT_EQ(extra().resized_to, (Rect{kKeepValue, 2, 3, 4}));
}

TEST_F(GadgetKindOperationsTest, CommandsTheKindDoesNotTakeBecomeGadgetEvents) {
  backend_events().on_control_command(gadget_handle(gadget), ControlCommand{1});
  backend_events().on_control_command(gadget_handle(gadget), ControlCommand{9});
  EXPECT_EQ(extra().state, 9);
  EXPECT_EQ(drain_gadget_events(), (std::vector<TakenEvent>{{gadget, 9}}));
}

TEST_F(GadgetKindOperationsTest, KindsWithoutTheOperationsDoNothing) {
  int button = create_button_gadget(kAnyNumber, {}, {u"b"});
  EXPECT_EQ(set_gadget_state(button, 1), 0);
  EXPECT_EQ(add_gadget_item(button, 0, u"x"), 0);
  EXPECT_EQ(get_gadget_attribute(button, 1), 0);
  EXPECT_EQ(set_gadget_attribute(button, 1, 1), 0);
}

TEST_F(GadgetKindOperationsTest, FreeRunsOnceWhenTheGadgetGoes) {
  free_gadget(gadget);
  free_gadget(gadget);
  EXPECT_EQ(freed_kinds, 1);
}

}  // namespace
}  // namespace ambrel
