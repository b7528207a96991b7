#include "ui/drop.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "gadget_fixture.h"

namespace ambrel {
namespace {

constexpr int kShift = kModifierShift;
constexpr int kControl = kModifierControl;
constexpr int kAlt = kModifierAlt;
constexpr int kCopy = kDropCopy;
constexpr int kMove = kDropMove;
constexpr int kLink = kDropLink;

TEST(DropActionRule, EveryRow) {
  struct Row {
    int available;
    int modifiers;
    int action;
  };
  const std::vector<Row> rows = {
      // No keys: copy when it can, else move, else link.
      {kCopy | kMove | kLink, 0, kCopy},
      {kCopy | kMove, 0, kCopy},
      {kMove, 0, kMove},
      {kMove | kLink, 0, kMove},
      {kLink, 0, kLink},
      {0, 0, 0},
      // Shift asks for move.
      {kCopy | kMove, kShift, kMove},
      {kCopy, kShift, kCopy},
      {kCopy | kLink, kShift, kCopy},
      // Control+Shift or Alt alone ask for link.
      {kCopy | kMove | kLink, kControl | kShift, kLink},
      {kCopy | kMove | kLink, kAlt, kLink},
      {kCopy | kMove, kAlt, kCopy},
      {kMove | kLink, kAlt, kLink},
      // Other combinations are no request: the plain order applies.
      {kCopy | kMove | kLink, kControl, kCopy},
      {kCopy | kMove | kLink, kAlt | kShift, kCopy},
      {kCopy | kMove | kLink, kAlt | kControl, kCopy},
      {kMove | kLink, kControl, kMove},
      // Keys beyond Shift, Control and Alt do not count.
      {kCopy | kMove, kShift | 1 | 16 | 64, kMove},
      {kCopy | kMove | kLink, kAlt | 2, kLink},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(choose_drop_action(row.available, row.modifiers), row.action)
        << "available " << row.available << " modifiers " << row.modifiers;
  }
}

class DropTest : public GadgetTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(GadgetTest::SetUp());
    frame = create_frame_gadget(kAnyNumber, {10, 10, 200, 150}, {u"In"});
    editor = create_editor_gadget(kAnyNumber, {20, 30, 100, 100}, {});
    frame_handle = gadget_handle(frame);
    drain();
  }
  int drop_files(int gadget, std::vector<std::u16string> files, int offered = kCopy | kMove | kLink,
                 int modifiers = 0) {
    return headless->user_drop_files(gadget_handle(gadget), std::move(files), {5, 6}, offered,
                                     modifiers);
  }

  int frame = 0;
  int editor = 0;
  NativeHandle frame_handle;
};

TEST_F(DropTest, ThreeFilesMakeOneEventWithThreeLines) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, 7), 1);
  EXPECT_EQ(drop_files(frame, {u"/a/one.xml", u"/b/two.xml", u"/c/three.xml"}), kCopy);
  ASSERT_EQ(take_event(), kEventGadgetDrop);
  EXPECT_EQ(event_object(), frame);
  EXPECT_EQ(event_window(), window);
  EXPECT_EQ(event_type(), 0);
  EXPECT_EQ(event_drop_files(), u"/a/one.xml\n/b/two.xml\n/c/three.xml");
  const auto* record = static_cast<const DropRecord*>(event_data());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->format, kDropFormatFiles);
  EXPECT_EQ(record->action, kCopy);
  EXPECT_EQ(record->x, 5);
  EXPECT_EQ(record->y, 6);
  EXPECT_EQ(take_event(), 0);
  // The record went with the next take.
  EXPECT_EQ(event_drop_files(), u"");
}

TEST_F(DropTest, TheFilesStayAListWhateverTheirNamesHold) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, 7), 1);
  drop_files(frame, {u"/a/two\nlines.xml", u"/b/one.xml"});
  ASSERT_EQ(take_event(), kEventGadgetDrop);
  EXPECT_EQ(event_drop_file_list(),
            (std::vector<std::u16string>{u"/a/two\nlines.xml", u"/b/one.xml"}));
  raise_event(kEventGadget, editor, window, 0);
  ASSERT_EQ(take_event(), kEventGadget);
  EXPECT_TRUE(event_drop_file_list().empty());
}

TEST_F(DropTest, OneFileHasNoLineFeedAndOtherEventsNoFiles) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, 7), 1);
  drop_files(frame, {u"/only.xml"});
  ASSERT_EQ(take_event(), kEventGadgetDrop);
  EXPECT_EQ(event_drop_files(), u"/only.xml");
  raise_event(kEventGadget, editor, window, 0);
  ASSERT_EQ(take_event(), kEventGadget);
  EXPECT_EQ(event_drop_files(), u"");
}

TEST_F(DropTest, ModifierKeysChooseTheAction) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy | kMove), 1);
  auto dropped_action = [this](int offered, int modifiers) {
    int chosen = drop_files(frame, {u"/f"}, offered, modifiers);
    EXPECT_EQ(take_event(), kEventGadgetDrop);
    const auto* record = static_cast<const DropRecord*>(event_data());
    EXPECT_EQ(record ? record->action : -1, chosen);
    return chosen;
  };
  EXPECT_EQ(dropped_action(kCopy | kMove, 0), kCopy);
  EXPECT_EQ(dropped_action(kCopy | kMove, kModifierShift), kMove);
  EXPECT_EQ(dropped_action(kMove, 0), kMove);
  // Link is offered but not allowed.
  EXPECT_EQ(dropped_action(kCopy | kMove | kLink, kModifierAlt), kCopy);
}

TEST_F(DropTest, RefusedDropsRaiseNothing) {
  EXPECT_EQ(drop_files(frame, {u"/f"}), 0);  // not enabled
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy), 1);
  EXPECT_EQ(drop_files(frame, {u"/f"}, kMove | kLink), 0);  // nothing offered is allowed
  EXPECT_EQ(headless->user_drop_files(frame_handle, {}, {}, kCopy, 0), 0);  // no files in the data
  DragInput text;
  text.phase = DragPhase::Enter;
  text.has_text = true;
  text.text = u"hello";
  text.offered_actions = kCopy;
  EXPECT_EQ(drop_target_drag(frame_handle, text), 0);  // text is not accepted
  EXPECT_EQ(take_event(), 0);
}

TEST_F(DropTest, EnablingAgainKeepsOneEntryWithTheLaterActions) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy), 1);
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kMove), 1);
  EXPECT_EQ(drop_files(frame, {u"/f"}, kCopy | kMove), kMove);
  // Removing the one entry ends the target: the platform no longer reports drags.
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, 0), 1);
  EXPECT_FALSE(headless->drops_enabled(frame_handle));
  EXPECT_EQ(drop_files(frame, {u"/f"}, kCopy | kMove), 0);
}

TEST_F(DropTest, RemovingOneOfTwoFormatsKeepsTheTarget) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy), 1);
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatUnicodeText, kCopy), 1);
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, 0), 1);
  EXPECT_TRUE(headless->drops_enabled(frame_handle));
  EXPECT_EQ(drop_files(frame, {u"/f"}), 0);
}

TEST_F(DropTest, TextFormatWidensToEveryTextFormat) {
  ASSERT_EQ(enable_gadget_drop(editor, kDropFormatText, kCopy), 1);
  DragInput input;
  input.has_text = true;
  input.text = u"dragged";
  input.offered_actions = kCopy;
  NativeHandle target = gadget_handle(editor);
  EXPECT_EQ(drop_target_drag(target, input), kCopy);
  input.phase = DragPhase::Drop;
  EXPECT_EQ(drop_target_drag(target, input), kCopy);
  ASSERT_EQ(take_event(), kEventGadgetDrop);
  const auto* record = static_cast<const DropRecord*>(event_data());
  // The newest of the three text entries matches first.
  EXPECT_EQ(record->format, kDropFormatUnicodeText);
  EXPECT_EQ(record->data, std::u16string(u"dragged") + u'\0');
  EXPECT_EQ(record->data_length(), 16u);
  EXPECT_EQ(event_drop_files(), u"");
}

TEST_F(DropTest, PrivateDragsMatchOnTheirType) {
  ASSERT_EQ(enable_private_drop(frame, 42, kMove), 1);
  DragInput input;
  input.private_type = 7;
  input.offered_actions = kCopy | kMove;
  EXPECT_EQ(drop_target_drag(frame_handle, input), 0);
  input.private_type = 42;
  EXPECT_EQ(drop_target_drag(frame_handle, input), kMove);
  input.phase = DragPhase::Drop;
  EXPECT_EQ(drop_target_drag(frame_handle, input), kMove);
  ASSERT_EQ(take_event(), kEventGadgetDrop);
  const auto* record = static_cast<const DropRecord*>(event_data());
  EXPECT_EQ(record->format, kDropFormatPrivate);
  EXPECT_EQ(record->private_type, 42);
  EXPECT_TRUE(record->data.empty());
}

TEST_F(DropTest, WindowTargetsRaiseTheWindowDrop) {
  ASSERT_EQ(enable_window_drop(window, kDropFormatFiles, kCopy), 1);
  EXPECT_EQ(headless->user_drop_files(handle, {u"/w.xml"}, {1, 2}, kCopy, 0), kCopy);
  ASSERT_EQ(take_event(), kEventWindowDrop);
  EXPECT_EQ(event_window(), window);
  EXPECT_EQ(event_drop_files(), u"/w.xml");
  EXPECT_EQ(enable_window_drop(window + 1000, kDropFormatFiles, kCopy), 0);
  EXPECT_EQ(enable_gadget_drop(editor + 1000, kDropFormatFiles, kCopy), 0);
}

std::vector<int> vetted_phases;

int refuse_drops(NativeHandle, DragPhase phase, int, int, int, int) {
  vetted_phases.push_back(static_cast<int>(phase));
  return phase == DragPhase::Drop ? 0 : 1;
}

TEST_F(DropTest, TheVetoRefusesTheDrop) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy), 1);
  set_drop_callback(refuse_drops);
  vetted_phases.clear();
  EXPECT_EQ(drop_files(frame, {u"/f"}), 0);
  EXPECT_EQ(take_event(), 0);
  // Enter, over and drop, by the numbers the veto's callers know them by.
  EXPECT_EQ(vetted_phases, (std::vector<int>{1, 2, 4}));
  set_drop_callback(nullptr);
  EXPECT_EQ(drop_files(frame, {u"/f"}), kCopy);
}

TEST_F(DropTest, DataOfASuppressedDropIsReleased) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy), 1);
  suppress_events();
  EXPECT_EQ(drop_files(frame, {u"/f"}), kCopy);
  resume_events();
  EXPECT_EQ(take_event(), 0);  // leak checks of the sanitizer build watch the record
}

TEST_F(DropTest, AFrameOverlappingAnotherTargetGoesBelowIt) {
  ASSERT_EQ(enable_gadget_drop(editor, kDropFormatFiles, kCopy), 1);
  std::vector<NativeHandle> order = headless->child_controls(handle);
  auto position = [&](NativeHandle h) {
    return std::find(order.begin(), order.end(), h) - order.begin();
  };
  EXPECT_GT(position(frame_handle), position(gadget_handle(editor)));
}

TEST_F(DropTest, AFreedGadgetTakesItsTargetAlong) {
  ASSERT_EQ(enable_gadget_drop(frame, kDropFormatFiles, kCopy), 1);
  free_gadget(frame);
  DragInput input;
  input.files = {u"/f"};
  input.offered_actions = kCopy;
  EXPECT_EQ(drop_target_drag(frame_handle, input), 0);
}

}  // namespace
}  // namespace ambrel
