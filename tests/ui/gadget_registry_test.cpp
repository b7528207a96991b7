#include <string>
#include <vector>

#include "gadget_fixture.h"
#include "support/object_registry.h"

namespace ambrel {
namespace {

int freed_self = 0;

using GadgetRegistryTest = GadgetTest;

TEST_F(GadgetRegistryTest, AutomaticAndExplicitNumbers) {
  int automatic = create_button_gadget(kAnyNumber, {}, {u"a"});
  EXPECT_GE(automatic, ObjectRegistry<Gadget>::kFirstAutomaticNumber);
  EXPECT_EQ(headless->control_id(gadget_handle(automatic)), automatic);
  EXPECT_EQ(create_text_gadget(7, {}, {u"first"}), 1);
  NativeHandle first = gadget_handle(7);
  // Re-creating a number frees the gadget that had it.
  EXPECT_EQ(create_text_gadget(7, {}, {u"second"}), 1);
  EXPECT_FALSE(headless->is_control(first));
  EXPECT_EQ(get_gadget_text(7), u"second");
  EXPECT_EQ(gadget_kind(7), GadgetKindCode::Text);
  EXPECT_EQ(gadget_number_of(gadget_handle(7)), 7);
  EXPECT_EQ(create_text_gadget(-2, {}, {}), 0);
}

TEST_F(GadgetRegistryTest, UnknownNumbersAnswerZero) {
  EXPECT_EQ(free_gadget(99), 0);
  EXPECT_EQ(set_gadget_text(99, u"x"), 0);
  EXPECT_EQ(get_gadget_text(99), u"");
  EXPECT_EQ(set_gadget_state(99, 1), 0);
  EXPECT_EQ(get_gadget_state(99), 0);
  EXPECT_EQ(add_gadget_item(99, 0, u"x"), 0);
  EXPECT_EQ(get_gadget_attribute(99, 1), 0);
  EXPECT_EQ(set_gadget_attribute(99, 1, 1), 0);
  EXPECT_EQ(disable_gadget(99, 1), 0);
  EXPECT_EQ(hide_gadget(99, 1), 0);
  EXPECT_EQ(resize_gadget(99, 0, 0, 1, 1), 0);
  EXPECT_EQ(gadget_width(99), 0);
  EXPECT_EQ(open_gadget_list(99), 0);
  EXPECT_EQ(gadget_kind(99), GadgetKindCode::None);
  EXPECT_EQ(gadget_handle(99), kNoHandle);
}

TEST_F(GadgetRegistryTest, CreationFailsWithoutAGadgetList) {
  window_close(window);
  EXPECT_EQ(create_button_gadget(3, {}, {u"b"}), 0);
  EXPECT_EQ(is_gadget(3), 0);
  EXPECT_EQ(create_gadget_of_kind(GadgetKindCode::Text, 4, {}, {u"t"}), 0);
}

TEST_F(GadgetRegistryTest, CreatesEveryKindOfTheTableByCode) {
  for (GadgetKindCode kind :
       {GadgetKindCode::Button,       GadgetKindCode::Text,          GadgetKindCode::Frame,
        GadgetKindCode::Container,    GadgetKindCode::Editor,        GadgetKindCode::CheckBox,
        GadgetKindCode::Option,       GadgetKindCode::String,        GadgetKindCode::Spin,
        GadgetKindCode::IpAddress,    GadgetKindCode::Shortcut,      GadgetKindCode::Date,
        GadgetKindCode::ComboBox,     GadgetKindCode::ExplorerCombo, GadgetKindCode::ListView,
        GadgetKindCode::ListIcon,     GadgetKindCode::Tree,          GadgetKindCode::ExplorerList,
        GadgetKindCode::ExplorerTree, GadgetKindCode::ScrollBar,     GadgetKindCode::ProgressBar,
        GadgetKindCode::TrackBar,     GadgetKindCode::Image,         GadgetKindCode::ButtonImage,
        GadgetKindCode::Canvas,       GadgetKindCode::CodeEditor,    GadgetKindCode::Web,
        GadgetKindCode::Calendar,     GadgetKindCode::HyperLink,     GadgetKindCode::Panel,
        GadgetKindCode::ScrollArea}) {
    int gadget = create_gadget_of_kind(kind, kAnyNumber, {1, 2, 30, 40}, {u"x"});
    ASSERT_NE(gadget, 0) << static_cast<int>(kind);
    EXPECT_EQ(gadget_kind(gadget), kind);
    EXPECT_EQ(headless->control_geometry(gadget_handle(gadget)), (Rect{1, 2, 30, 40}));
    EXPECT_EQ(headless->control_window(gadget_handle(gadget)), handle);
  }
  EXPECT_EQ(create_gadget_of_kind(GadgetKindCode{24}, kAnyNumber, {}, {}), 0);
}

TEST_F(GadgetRegistryTest, NullTextIsEmpty) {
  int text = create_text_gadget(kAnyNumber, {}, {u"before"});
  EXPECT_EQ(set_gadget_text(text, static_cast<const char16_t*>(nullptr)), 1);
  EXPECT_EQ(get_gadget_text(text), u"");
}

TEST_F(GadgetRegistryTest, TextReadInSlicesJoinsToTheWholeTextAddedOrTyped) {
  std::vector<std::u16string> pieces;
  TextPieceHandler take = [&pieces](std::u16string_view piece) { pieces.emplace_back(piece); };
  auto joined = [&pieces] {
    std::u16string whole;
    for (const std::u16string& piece : pieces) whole += piece;
    return whole;
  };
  int editor = create_editor_gadget(kAnyNumber, {}, {});
  EXPECT_FALSE(read_gadget_text(editor)->read(10, take));
  EXPECT_TRUE(pieces.empty());

  headless->set_text_piece_size(3);
  set_gadget_text(editor, u"<r>\r\n");
  EXPECT_EQ(append_gadget_text(editor, u"\U0001F600</r>"), 1);
  headless->user_type(gadget_handle(editor), u"\r\n");
  std::unique_ptr<ControlTextReader> reader = read_gadget_text(editor);
  int slices = 0;
  while (reader->read(4, take)) ++slices;
  EXPECT_EQ(joined(), u"<r>\r\n\U0001F600</r>\r\n");
  EXPECT_EQ(joined(), get_gadget_text(editor));
  EXPECT_EQ(slices, 4);
  for (const std::u16string& piece : pieces) EXPECT_TRUE(!piece.empty() && piece.size() <= 3);

  EXPECT_EQ(read_gadget_text(99), nullptr);
  EXPECT_EQ(append_gadget_text(99, u"x"), 0);
}

TEST_F(GadgetRegistryTest, FreeingRemovesTheGadgetsQueuedEvents) {
  int kept = create_button_gadget(kAnyNumber, {}, {u"k"});
  int freed = create_button_gadget(kAnyNumber, {}, {u"f"});
  raise_event(kEventGadget, freed, window, 0);
  raise_event(kEventGadget, kept, window, 0);
  raise_event(kEventGadget, freed, window, 768);
  EXPECT_EQ(free_gadget(freed), 1);
  EXPECT_EQ(is_gadget(freed), 0);
  EXPECT_EQ(drain_gadget_events(), (std::vector<TakenEvent>{{kept, 0}}));
  EXPECT_EQ(free_gadget(kAnyNumber), 1);
  EXPECT_EQ(is_gadget(kept), 0);
  EXPECT_TRUE(headless->child_controls(handle).empty());
}

TEST_F(GadgetRegistryTest, FreeingAContainerFreesTheGadgetsInIt) {
  int container = create_container_gadget(kAnyNumber, {}, {});
  int inside = create_button_gadget(kAnyNumber, {}, {u"in"});
  close_gadget_list();
  raise_event(kEventGadget, inside, window, 0);
  free_gadget(container);
  EXPECT_EQ(is_gadget(inside), 0);
  EXPECT_TRUE(drain_gadget_events().empty());
}

TEST_F(GadgetRegistryTest, ClosingTheWindowFreesItsGadgets) {
  int button = create_button_gadget(kAnyNumber, {}, {u"b"});
  raise_event(kEventGadget, button, window, 0);
  window_close(window);
  EXPECT_EQ(is_gadget(button), 0);
  EXPECT_TRUE(drain_gadget_events().empty());
}

TEST_F(GadgetRegistryTest, AGadgetMayFreeItselfFromItsOwnProcedure) {
  freed_self = create_editor_gadget(kAnyNumber, {}, {});
  bind_gadget_event(
      kEventGadget, [] { free_gadget(freed_self); }, window, freed_self, kAnyValue);
  headless->user_type(gadget_handle(freed_self), u"abc");
  EXPECT_EQ(is_gadget(freed_self), 0);
  EXPECT_TRUE(drain_gadget_events().empty());
}

TEST_F(GadgetRegistryTest, DisableHideAndWindowOf) {
  int button = create_button_gadget(kAnyNumber, {}, {u"b"});
  NativeHandle control = gadget_handle(button);
  disable_gadget(button, 1);
  EXPECT_FALSE(headless->control_enabled(control));
  disable_gadget(button, 0);
  EXPECT_TRUE(headless->control_enabled(control));
  hide_gadget(button, 1);
  EXPECT_FALSE(headless->control_visible(control));
  hide_gadget(button, 0);
  EXPECT_TRUE(headless->control_visible(control));
  int container = create_container_gadget(kAnyNumber, {}, {});
  int nested = create_text_gadget(kAnyNumber, {}, {u"n"});
  EXPECT_EQ(gadget_window_of(gadget_handle(nested)), handle);
  EXPECT_EQ(gadget_window_of(gadget_handle(container)), handle);
  EXPECT_EQ(gadget_window_of(NativeHandle{12345}), kNoHandle);
}

TEST_F(GadgetRegistryTest, ResizeKeepsWhatIsPassedAsKeepValue) {
  int button = create_button_gadget(kAnyNumber, {5, 6, 70, 20}, {u"b"});
  resize_gadget(button, kKeepValue, kKeepValue, 90, kKeepValue);
  EXPECT_EQ(headless->control_geometry(gadget_handle(button)), (Rect{5, 6, 90, 20}));
  resize_gadget(button, 1, kKeepValue, kKeepValue, 30);
  EXPECT_EQ(headless->control_geometry(gadget_handle(button)), (Rect{1, 6, 90, 30}));
  EXPECT_EQ(gadget_width(button), 90);
  EXPECT_EQ(gadget_height(button), 30);
}

}  // namespace
}  // namespace ambrel
