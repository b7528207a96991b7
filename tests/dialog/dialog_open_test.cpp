// Opening a definition: which window is built, what the walk creates and skips, and the
// tear-down when the definition is wrong.

#include <string>

#include "dialog/objects/dialog_object.h"
#include "dialog_fixture.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

using DialogOpenTest = DialogTest;

TEST_F(DialogOpenTest, FindsASingleWindowByNameInAnyCase) {
  EXPECT_EQ(open(u"<window name='main' text='Main'/>", u"MAIN"), 1);
  ASSERT_NE(dialog_window(dialog), -1);
  EXPECT_EQ(headless->window_title(window_handle(dialog_window(dialog))), u"Main");
  EXPECT_TRUE(headless->window_visible(window_handle(dialog_window(dialog))));
  EXPECT_EQ(dialog_error_text(dialog), "");
}

TEST_F(DialogOpenTest, AWindowThatIsNotThereIsReported) {
  EXPECT_EQ(open(u"<window name='main'/>", u"other"), 0);
  EXPECT_EQ(dialog_error_text(dialog), "Dialog window not found");
  EXPECT_EQ(dialog_window(dialog), -1);
  // A window without NAME never matches a name.
  EXPECT_EQ(open(u"<dialogs><window text='a'/></dialogs>", u"a"), 0);
  EXPECT_EQ(open(u"<vbox name='main'/>", u"main"), 0);
  EXPECT_EQ(dialog_error_text(dialog), "Dialog window not found");
}

TEST_F(DialogOpenTest, DialogsRootOpensTheFirstOrTheNamedWindow) {
  const std::u16string definition =
      u"<dialogs><!-- c --><window name='one' text='First'/>"
      u"<window name='two' text='Second'/></dialogs>";
  EXPECT_EQ(open(definition), 1);
  EXPECT_EQ(headless->window_title(window_handle(dialog_window(dialog))), u"First");
  EXPECT_EQ(open(definition, u"Two"), 1);
  EXPECT_EQ(headless->window_title(window_handle(dialog_window(dialog))), u"Second");
}

TEST_F(DialogOpenTest, ReopeningClosesTheEarlierWindow) {
  const std::u16string definition = u"<window name='w' id='3'/>";
  ASSERT_EQ(open(definition), 1);
  ASSERT_EQ(open(u"<window name='w' id='4'/>"), 1);
  EXPECT_EQ(window_exists(3), 0);
  EXPECT_EQ(dialog_window(dialog), 4);
}

TEST_F(DialogOpenTest, UnknownElementsAndNonElementsAreSkippedWithoutAnError) {
  ASSERT_EQ(open(u"<window><vbox>text<?pi x?><!-- c -->"
                 u"<gizmo name='g'><button name='inside' text='x'/></gizmo>"
                 u"<Button name='b' text='Go'/></vbox></window>"),
            1);
  EXPECT_EQ(dialog_error_text(dialog), "");
  EXPECT_EQ(dialog_gadget(dialog, u"inside"), -1);
  EXPECT_EQ(dialog_gadget(dialog, u"g"), -1);
  int button = dialog_gadget(dialog, u"B");
  EXPECT_EQ(gadget_kind(button), GadgetKindCode::Button);
  EXPECT_EQ(get_gadget_text(button), u"Go");
}

TEST_F(DialogOpenTest, ObjectsWithoutGadgetHaveNoGadgetNumber) {
  ASSERT_EQ(open(u"<window name='w'><vbox name='v'><empty name='e'/></vbox></window>"), 1);
  EXPECT_EQ(dialog_gadget(dialog, u"w"), -1);
  EXPECT_EQ(dialog_gadget(dialog, u"v"), -1);
  EXPECT_EQ(dialog_gadget(dialog, u"e"), -1);
  EXPECT_EQ(dialog_gadget(dialog, u"nothing"), -1);
}

TEST_F(DialogOpenTest, ExplicitIdsNumberTheWindowAndTheGadgets) {
  runtime_register_integer(u"seven", 7);
  ASSERT_EQ(open(u"<window id='12'><vbox><button id='seven' name='a'/>"
                 u"<button id='#KV_ANY' name='b'/></vbox></window>"),
            1);
  EXPECT_EQ(dialog_window(dialog), 12);
  EXPECT_EQ(dialog_gadget(dialog, u"a"), 7);
  EXPECT_GT(dialog_gadget(dialog, u"b"), 7);
}

TEST_F(DialogOpenTest, DisabledAndInvisibleApplyAfterCreation) {
  ASSERT_EQ(open(u"<window><vbox><button name='a' disabled='YES'/>"
                 u"<button name='b' disabled='no' invisible='yes'/></vbox></window>"),
            1);
  EXPECT_FALSE(headless->control_enabled(handle_of(u"a")));
  EXPECT_TRUE(headless->control_visible(handle_of(u"a")));
  EXPECT_TRUE(headless->control_enabled(handle_of(u"b")));
  EXPECT_FALSE(headless->control_visible(handle_of(u"b")));
}

// Five sibling buttons with explicit numbers, the third with a flag no button has.
TEST_F(DialogOpenTest, AFlagErrorStopsTheWalkAndClosesTheWindow) {
  ASSERT_EQ(open(u"<window id='20'><vbox><button id='21'/><button id='22'/>"
                 u"<button id='23' flags='#KV_Text_Right'/><button id='24'/><button id='25'/>"
                 u"</vbox></window>"),
            0);
  EXPECT_EQ(dialog_error_text(dialog),
            "'#KV_Text_Right' flag is not supported for the following gadget: button");
  EXPECT_EQ(window_exists(20), 0);
  EXPECT_EQ(dialog_window(dialog), -1);
  EXPECT_EQ(dialog_root(dialog), nullptr);
}

// Gadgets are counted by the automatic numbers they used up.
TEST_F(DialogOpenTest, GadgetsAfterAnErrorAreNeverCreated) {
  ASSERT_EQ(open(u"<window><vbox><button/><button/><button id='#missing'/>"
                 u"<button/><button/></vbox></window>"),
            0);
  EXPECT_EQ(dialog_error_text(dialog),
            "'#missing' constant is not found or not declared as runtime.");
  int probe_window = window_open(kAnyNumber, 0, 0, 10, 10, u"", 0);
  int next = create_button_gadget(kAnyNumber, Rect{}, GadgetArguments{});
  EXPECT_EQ(next, ObjectRegistry<int>::kFirstAutomaticNumber + 2);
  window_close(probe_window);
}

TEST_F(DialogOpenTest, AnErrorInANestedElementStopsEveryLevel) {
  ASSERT_EQ(open(u"<window><vbox><hbox><button flags='#bogus'/><button name='b'/></hbox>"
                 u"<button name='c'/></vbox></window>"),
            0);
  EXPECT_EQ(dialog_error_text(dialog),
            "'#bogus' flag is not supported for the following gadget: button");
  EXPECT_EQ(dialog_window(dialog), -1);
  // The next open starts without the old error.
  EXPECT_EQ(open(u"<window/>"), 1);
  EXPECT_EQ(dialog_error_text(dialog), "");
}

TEST_F(DialogOpenTest, UnknownDialogNumbersDoNothing) {
  int document = xml_parse_text(kAnyNumber, std::u16string_view(u"<window/>"));
  EXPECT_EQ(dialog_open(dialog + 1, document, u"", 0, 0), 0);
  EXPECT_EQ(dialog_window(dialog + 1), -1);
  EXPECT_EQ(dialog_gadget(dialog + 1, u"x"), -1);
  dialog_free(dialog + 1);
  EXPECT_EQ(dialog_open(dialog, document, u"", 0, 0), 1);
}

TEST_F(DialogOpenTest, FreeingTheDialogClosesItsWindow) {
  ASSERT_EQ(open(u"<window id='9'><button name='b'/></window>"), 1);
  dialog_free(dialog);
  EXPECT_EQ(window_exists(9), 0);
  EXPECT_EQ(dialog_window(dialog), -1);
}

TEST_F(DialogOpenTest, DeepNestingIsBuiltAndTornDownWithoutRecursion) {
  constexpr int kDepth = 20000;
  std::u16string definition = u"<window>";
  for (int i = 0; i < kDepth; ++i) definition += u"<vbox>";
  definition += u"<button name='deep'/>";
  for (int i = 0; i < kDepth; ++i) definition += u"</vbox>";
  definition += u"</window>";
  ASSERT_EQ(open(definition), 1);
  EXPECT_NE(dialog_gadget(dialog, u"deep"), -1);
  dialog_free(dialog);
}

TEST_F(DialogOpenTest, HidingAndRefreshingWalkTheWholeTree) {
  ASSERT_EQ(open(u"<window><vbox><button name='a' text='A'/>"
                 u"<vbox folded='yes'><button name='b' text='B'/></vbox></vbox></window>"),
            1);
  DialogObject* root = const_cast<DialogObject*>(dialog_root(dialog));
  root->set_hidden(true);
  EXPECT_FALSE(headless->control_visible(handle_of(u"a")));
  EXPECT_FALSE(headless->control_visible(handle_of(u"b")));
  // Showing skips the folded box and everything in it.
  root->set_hidden(false);
  EXPECT_TRUE(headless->control_visible(handle_of(u"a")));
  EXPECT_FALSE(headless->control_visible(handle_of(u"b")));

  set_gadget_text(dialog_gadget(dialog, u"a"), u"changed");
  set_gadget_text(dialog_gadget(dialog, u"b"), u"changed");
  root->refresh_text();
  EXPECT_EQ(text_of(u"a"), u"A");
  EXPECT_EQ(text_of(u"b"), u"B");
}

}  // namespace
}  // namespace ambrel
