// Dialog definitions outside what the engine was drawn for: thousands of objects, boxes
// and grids past their nominal limits, splitters with the wrong number of children, tabs
// without panels, failures deep inside containers and error texts too long for their
// buffer. Each opens (or fails) cleanly, leaves the gadget lists balanced and frees.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "embedded/embedded_definition.h"
#include "dialog/layout/grid_cells.h"
#include "dialog/layout/layout_types.h"
#include "hostile_dialog_fixture.h"
#include "hostile_text.h"
#include "live_heap.h"
#include "small_stack.h"

namespace ambrel {
namespace {

using DialogHostileTest = HostileDialogTest;

std::u16string buttons(int count, std::u16string_view prefix = u"b") {
  std::u16string out;
  for (int i = 0; i < count; ++i) {
    out += u"<button name='" + std::u16string(prefix) + utf8_to_utf16(std::to_string(i)) +
           u"' text='x'/>";
  }
  return out;
}

std::u16string numbered(std::u16string_view prefix, int i) {
  return std::u16string(prefix) + utf8_to_utf16(std::to_string(i));
}

TEST_F(DialogHostileTest, ThousandsOfObjectsOpenFollowResizesAndFree) {
  std::u16string rows;
  for (int i = 0; i < 1000; ++i)
    rows += u"<hbox>" + buttons(4, numbered(u"r", i) + u"_") + u"</hbox>";
  ASSERT_EQ(open(u"<window><vbox>" + rows + u"</vbox></window>"), 1) << dialog_error_text(dialog);
  EXPECT_EQ(object_count(), 5002u);
  Rect first = headless->control_geometry(handle_of(u"r0_0"));
  Rect last = headless->control_geometry(handle_of(u"r999_3"));
  EXPECT_GT(last.y, first.y);
  EXPECT_GT(last.x, first.x);
  EXPECT_GT(last.height, 0);
  headless->user_resize(window(), {3000, 40000});
  EXPECT_GT(headless->control_geometry(handle_of(u"r999_3")).x, last.x);
  // Squeezed far below the request, the boxes shrink their children to nothing, never below.
  headless->user_resize(window(), {10, 10});
  Rect squeezed = headless->control_geometry(handle_of(u"r999_3"));
  EXPECT_GE(squeezed.width, 0);
  EXPECT_GE(squeezed.height, 0);
  std::int32_t number = dialog_window(dialog);
  dialog_free(dialog);
  EXPECT_EQ(window_exists(number), 0);
}

// Boxes have no 100-child limit: they grow, and every child gets its place.
TEST_F(DialogHostileTest, BoxesGrowPastAHundredChildren) {
  ASSERT_EQ(open(u"<window><vbox spacing='5'>" + buttons(150) + u"</vbox></window>"), 1);
  for (int i = 1; i < 150; ++i) {
    Rect above = headless->control_geometry(handle_of(numbered(u"b", i - 1)));
    Rect below = headless->control_geometry(handle_of(numbered(u"b", i)));
    ASSERT_EQ(below.y, above.y + above.height + 5) << i;
  }
  ASSERT_EQ(open(u"<window><hbox spacing='0'>" + buttons(150) + u"</hbox></window>"), 1);
  Rect left = headless->control_geometry(handle_of(u"b148"));
  EXPECT_EQ(headless->control_geometry(handle_of(u"b149")).x, left.x + left.width);
  // A multibox gives every child, the 150th too, its whole rectangle.
  ASSERT_EQ(open(u"<window><multibox>" + buttons(150) + u"</multibox></window>"), 1);
  EXPECT_EQ(headless->control_geometry(handle_of(u"b149")),
            headless->control_geometry(handle_of(u"b0")));
}

// Grids have no 15-column or 70-row limit either: the cell table grows.
TEST_F(DialogHostileTest, GridsGrowPastFifteenColumnsAndSeventyRows) {
  ASSERT_EQ(open(u"<window><gridbox columns='20'>" + buttons(45) + u"</gridbox></window>"), 1);
  Rect b0 = headless->control_geometry(handle_of(u"b0"));
  EXPECT_GT(headless->control_geometry(handle_of(u"b19")).x,
            headless->control_geometry(handle_of(u"b18")).x);
  Rect b20 = headless->control_geometry(handle_of(u"b20"));
  EXPECT_EQ(b20.x, b0.x);
  EXPECT_GT(b20.y, b0.y);
  ASSERT_EQ(open(u"<window><gridbox columns='1'>" + buttons(100) + u"</gridbox></window>"), 1);
  for (int i = 70; i < 100; ++i) {
    ASSERT_GT(headless->control_geometry(handle_of(numbered(u"b", i))).y,
              headless->control_geometry(handle_of(numbered(u"b", i - 1))).y)
        << i;
  }
}

// Spans a definition cannot stretch into gigabytes: the column count and a row span are
// cut at the table's bounds, and the open stays quick.
TEST_F(DialogHostileTest, HugeColumnCountsAndSpansAreCut) {
  layout::GridTable table = layout::grid_table(100000000);
  EXPECT_EQ(table.columns, layout::kMaxGridColumns);
  layout::grid_add_child(table, 1, 1);
  layout::GridPlacement tall = layout::grid_add_child(table, 1, 2147483647);
  EXPECT_EQ(tall.row_span, static_cast<int32_t>(layout::kMaxGridCells / layout::kMaxGridColumns));
  EXPECT_LE(table.cells.size(), layout::kMaxGridCells);
  ASSERT_EQ(
      open(u"<window><gridbox columns='100000000'><text name='a' text='a' colspan='100000000'/>"
           u"</gridbox></window>"),
      1);
  ASSERT_EQ(open(u"<window><gridbox columns='2'><text text='a'/><text name='b' text='b' "
                 u"rowspan='2147483647'/>"
                 u"<text name='c' text='c'/></gridbox></window>"),
            1);
  EXPECT_GT(headless->control_geometry(handle_of(u"c")).y,
            headless->control_geometry(handle_of(u"b")).y);
}

// Sizes, spacings and margins of any magnitude are clamped to the layout limit instead of
// wrapping (which was undefined and placed children at negative positions).
TEST_F(DialogHostileTest, HugeSizesSpacingsAndMarginsAreClampedNotWrapped) {
  ASSERT_EQ(open(u"<window><vbox spacing='5'><button name='a' height='2147483647'/><button "
                 u"name='b'/></vbox></window>"),
            1);
  Rect a = headless->control_geometry(handle_of(u"a"));
  // The window is held to the limit too, so the box shares a little less than that.
  EXPECT_GT(a.height, layout::kLayoutLimit - 100);
  EXPECT_LE(a.height, layout::kLayoutLimit);
  EXPECT_EQ(headless->control_geometry(handle_of(u"b")).y, a.y + a.height + 5);
  for (const std::u16string& definition :
       {std::u16string(
            u"<window><frame text='f'><button name='a' width='2147483647'/></frame></window>"),
        std::u16string(
            u"<window margin='99999999999'><button name='a' width='2147483647'/></window>"),
        std::u16string(
            u"<window><gridbox colspacing='2147483647'><button name='a' width='2147483647'/>"
            u"<button width='2147483647'/></gridbox></window>"),
        u"<window><hbox spacing='2147483647'>" + repeated(u"<button width='99999999999'/>", 3000) +
            u"<button name='a'/></hbox></window>"}) {
    ASSERT_EQ(open(definition), 1) << shown_units(definition.substr(0, 80));
    EXPECT_GE(headless->control_geometry(handle_of(u"a")).x, 0)
        << shown_units(definition.substr(0, 80));
    EXPECT_GE(headless->control_geometry(handle_of(u"a")).width, 0)
        << shown_units(definition.substr(0, 80));
  }
}

// A splitter with fewer than two children closes its panes' lists all the same, so what
// follows is not created inside a pane; a third child is created beside the splitter and
// gets no room.
TEST_F(DialogHostileTest, SplittersWithZeroOneOrThreeChildrenKeepTheListsBalanced) {
  for (const std::u16string& content :
       {std::u16string(), std::u16string(u"<text text='t'/>"),
        std::u16string(u"<text text='t'/><text text='u'/><button name='third'/>")}) {
    ASSERT_EQ(open(u"<window><vbox><splitter>" + content +
                   u"</splitter><button name='after' text='a'/></vbox></window>"),
              1);
    EXPECT_EQ(headless->control_parent(handle_of(u"after")), window());
    EXPECT_GT(headless->control_geometry(handle_of(u"after")).width, 0);
  }
  EXPECT_EQ(headless->control_parent(handle_of(u"third")), window());
  EXPECT_EQ(headless->control_geometry(handle_of(u"third")).width, 0);
}

TEST_F(DialogHostileTest, TabsWithoutPanelsAndPanelsInTabsOpenAndLeaveTheListsBalanced) {
  ASSERT_EQ(open(u"<window><vbox><tab text='t'><button name='in' text='x'/></tab>"
                 u"<button name='after' text='a'/></vbox></window>"),
            1);
  EXPECT_EQ(headless->control_parent(handle_of(u"in")), window());
  EXPECT_GT(headless->control_geometry(handle_of(u"after")).y,
            headless->control_geometry(handle_of(u"in")).y);
  ASSERT_EQ(open(u"<window><vbox><panel><tab text='t'><panel><tab text='u'><button "
                 u"text='x'/></tab></panel></tab>"
                 u"</panel><button name='after' text='a'/></vbox></window>"),
            1);
  EXPECT_EQ(headless->control_parent(handle_of(u"after")), window());
}

TEST_F(DialogHostileTest, AFailureDeepInsideContainersLeavesNoListOpen) {
  EXPECT_EQ(open(u"<window><container><scrollarea><splitter><container><button onevent='nope()'/>"
                 u"</container></splitter></scrollarea></container></window>"),
            0);
  EXPECT_EQ(dialog_error_text(dialog), "'nope()' is not a runtime procedure.");
  ASSERT_EQ(open(u"<window><button name='after' text='a'/></window>"), 1);
  EXPECT_EQ(headless->control_parent(handle_of(u"after")), window());
}

// Error texts are cut to their 512-byte buffer after the last whole UTF-8 character.
TEST_F(DialogHostileTest, LongErrorTextsAreCutAtACharacter) {
  for (const std::u16string& unit : {std::u16string(u"\u00E4"), std::u16string(u"\U0001F600")}) {
    EXPECT_EQ(open(u"<window><button onevent='" + repeated(unit, 400) + u"()'/></window>"), 0);
    std::string error = dialog_error_text(dialog);
    EXPECT_LE(error.size(), 511u);
    EXPECT_GT(error.size(), 511u - 4);
    EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(error)), error);  // no character cut in two
  }
}

// Splitters nested thousands deep: each pane follows its splitter within one layout pass,
// not through a call chain as deep as the nesting, so a small stack is enough. The second
// pane of each keeps its size (nothing), so every level hands the next its room less the bar.
TEST_F(DialogHostileTest, DeeplyNestedSplittersLayOutOnASmallStack) {
  constexpr int kDepth = 2000;
  const std::u16string definition =
      u"<window>" + repeated(u"<splitter flags='#KV_Splitter_SecondFixed'>", kDepth) +
      u"<button name='deep' text='x'/>" + repeated(u"<empty/></splitter>", kDepth) + u"</window>";
  int opened = 0;
  Rect at_open;
  Rect resized;
  ASSERT_TRUE(run_on_small_stack(256 * 1024, [&] {
    opened = open(definition);
    if (opened == 0) return;
    at_open = headless->control_geometry(handle_of(u"deep"));
    Size inner = headless->window_client_size(window());
    headless->user_resize(window(), {inner.width + 50, inner.height + 100});
    resized = headless->control_geometry(handle_of(u"deep"));
  }));
  ASSERT_EQ(opened, 1) << dialog_error_text(dialog);
  EXPECT_EQ(at_open.height, 24);
  EXPECT_GT(at_open.width, 0);
  EXPECT_EQ(resized.height, 124);
  EXPECT_EQ(resized.width, at_open.width + 50);
}

// A procedure bound to a splitter frees its dialog while a resize lays the window out: the
// pass drops what it still had to place in the freed tree (the sanitizer build sees a use
// after free otherwise).
std::int32_t dialog_to_free = 0;
void free_the_dialog() {
  if (dialog_to_free != 0) dialog_free(std::exchange(dialog_to_free, 0));
}

TEST_F(DialogHostileTest, ADialogFreedWhileItsLayoutRunsIsLeftAlone) {
  ASSERT_EQ(open(u"<window><vbox><splitter name='s'><button text='a'/>"
                 u"<splitter><button text='b'/><button text='c'/></splitter></splitter>"
                 u"<button name='after' text='d'/></vbox></window>"),
            1);
  NativeHandle opened = window();
  ASSERT_EQ(bind_gadget_event(kEventGadget, free_the_dialog, dialog_window(dialog),
                              dialog_gadget(dialog, u"s"), kAnyValue),
            1);
  dialog_to_free = dialog;
  headless->user_resize(opened, {700, 600});
  EXPECT_EQ(dialog_to_free, 0);
  EXPECT_EQ(dialog_window(dialog), -1);
  EXPECT_FALSE(headless->is_window(opened));
}

// Opening the tool's window again and again (each open closes the one before) keeps the
// live heap flat: windows, gadgets, bindings and objects all go with their dialog.
TEST_F(DialogHostileTest, ReopeningTheToolsWindowHoldsNoMemory) {
  for (const char16_t* name : {u"events_cmdCopyAll()", u"events_cmdFile()", u"events_txtOut()",
                               u"events_txtIn()", u"events_cmdClear()", u"events_cmdPaste()"}) {
    runtime_register_procedure(name, hostile_procedure);
  }
  int document = xml_parse_text(kAnyNumber, embedded_dialog_definition());
  auto open_resize_free = [&] {
    bool opened = dialog_open(dialog, document, u"wndMain", 0, 0) == 1;
    headless->user_resize(window(), {800, 700});
    dialog_free(dialog);
    dialog = dialog_create(kAnyNumber);
    while (take_event() != 0) {}
    return opened;
  };
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(open_resize_free());
  const std::size_t before = live_heap_bytes();
  for (int i = 0; i < 300; ++i) ASSERT_TRUE(open_resize_free());
  const std::size_t after = live_heap_bytes();
  EXPECT_LT(after, before + 64 * 1024) << "before " << before << ", after " << after;
}

}  // namespace
}  // namespace ambrel
