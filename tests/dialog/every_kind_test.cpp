// Definitions with every element kind, grouped options, and panels with their tabs.

#include <algorithm>
#include <string>
#include <vector>

#include "dialog/element_kinds.h"
#include "dialog/objects/gadget_creation.h"
#include "dialog_fixture.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/measure.h"

namespace ambrel {
namespace {

using EveryKindTest = DialogTest;

const std::u16string kEveryKind =
    u"<window name='w'><vbox><hbox><multibox><empty/></multibox><singlebox><empty/></singlebox>"
    u"<gridbox columns='3'><button name='button' text='Go'/><checkbox name='checkbox' text='c'/>"
    u"<image name='image'/><option name='option' text='o'/><listview name='listview'/>"
    u"<listicon name='listicon' text='Files'/><tree name='tree'/></gridbox></hbox>"
    u"<container name='container'><combobox name='combobox'/></container>"
    u"<text name='text' text='t'/><string name='string' text='s'/>"
    u"<panel name='panel'><tab text='One'><editor name='editor' text='e'/></tab>"
    u"<tab text='Two'><scintilla name='scintilla'/></tab></panel>"
    u"<scrollarea name='scrollarea' innerwidth='300'><scrollbar name='scrollbar' max='50' "
    u"value='30'/>"
    u"</scrollarea>"
    u"<frame name='frame' text='F'><progressbar name='progressbar' min='5'/></frame>"
    u"<explorerlist name='explorerlist'/><explorertree name='explorertree'/>"
    u"<explorercombo name='explorercombo'/><shortcut name='shortcut'/>"
    u"<buttonimage name='buttonimage'/><trackbar name='trackbar' value='7'/><canvas name='canvas'/>"
    u"<calendar name='calendar'/><date name='date'/><spin name='spin' value='4' text='4'/>"
    u"<web name='web' text='about:blank'/><hyperlink name='hyperlink' text='link'/>"
    u"<ipaddress name='ipaddress'/><splitter name='splitter'><empty/><empty/></splitter>"
    u"</vbox></window>";

TEST_F(EveryKindTest, EveryGadgetKindIsCreatedWithItsArguments) {
  ASSERT_EQ(open(kEveryKind), 1) << dialog_error_text(dialog);
  const std::pair<std::u16string_view, GadgetKindCode> kinds[] = {
      {u"button", GadgetKindCode::Button},
      {u"checkbox", GadgetKindCode::CheckBox},
      {u"image", GadgetKindCode::Image},
      {u"option", GadgetKindCode::Option},
      {u"listview", GadgetKindCode::ListView},
      {u"listicon", GadgetKindCode::ListIcon},
      {u"tree", GadgetKindCode::Tree},
      {u"container", GadgetKindCode::Container},
      {u"combobox", GadgetKindCode::ComboBox},
      {u"text", GadgetKindCode::Text},
      {u"string", GadgetKindCode::String},
      {u"panel", GadgetKindCode::Panel},
      {u"editor", GadgetKindCode::Editor},
      {u"scintilla", GadgetKindCode::CodeEditor},
      {u"scrollarea", GadgetKindCode::ScrollArea},
      {u"scrollbar", GadgetKindCode::ScrollBar},
      {u"frame", GadgetKindCode::Frame},
      {u"progressbar", GadgetKindCode::ProgressBar},
      {u"explorerlist", GadgetKindCode::ExplorerList},
      {u"explorertree", GadgetKindCode::ExplorerTree},
      {u"explorercombo", GadgetKindCode::ExplorerCombo},
      {u"shortcut", GadgetKindCode::Shortcut},
      {u"buttonimage", GadgetKindCode::ButtonImage},
      {u"trackbar", GadgetKindCode::TrackBar},
      {u"canvas", GadgetKindCode::Canvas},
      {u"calendar", GadgetKindCode::Calendar},
      {u"date", GadgetKindCode::Date},
      {u"spin", GadgetKindCode::Spin},
      {u"web", GadgetKindCode::Web},
      {u"hyperlink", GadgetKindCode::HyperLink},
      {u"ipaddress", GadgetKindCode::IpAddress}};
  for (const auto& [name, kind] : kinds) {
    EXPECT_EQ(gadget_kind(dialog_gadget(dialog, name)), kind)
        << std::string(name.begin(), name.end());
  }
  EXPECT_EQ(get_gadget_state(dialog_gadget(dialog, u"scrollbar")), 30);
  EXPECT_EQ(get_gadget_state(dialog_gadget(dialog, u"progressbar")), 5);
  EXPECT_EQ(get_gadget_state(dialog_gadget(dialog, u"trackbar")), 7);
  EXPECT_EQ(get_gadget_state(dialog_gadget(dialog, u"spin")), 4);
  EXPECT_EQ(text_of(u"editor"), u"e");
  EXPECT_EQ(text_of(u"listicon"), u"Files");
  EXPECT_EQ(text_of(u"web"), u"about:blank");
  EXPECT_EQ(get_gadget_attribute(dialog_gadget(dialog, u"scrollarea"), kScrollAreaInnerWidth), 300);
}

// What each element with a gadget makes, as the list of kinds says.
struct MadeKinds {
  DialogKind kind;
  GadgetKindCode gadget;
  ControlKind control;
};
constexpr MadeKinds kMadeKinds[] = {
#define AMBREL_GADGET_KIND(Family, Name, ...) \
  {DialogKind::Name, GadgetKindCode::Name, ControlKind::Name},
#include "kinds/kinds.def"
};

// One element per table row that has a gadget, each named after its element.
std::u16string every_gadget_row() {
  std::u16string text = u"<window><vbox>";
  for (const ElementKind& row : element_kinds()) {
    if (!gadget_kind_code_of(row.kind)) continue;
    std::u16string element(row.element);
    text += u"<" + element + u" name='" + element + u"'>";
    if (row.kind == DialogKind::Splitter) text += u"<empty/><empty/>";
    text += u"</" + element + u">";
  }
  return text + u"</vbox></window>";
}

TEST_F(EveryKindTest, EveryRowCreatesTheGadgetAndControlItNames) {
  ASSERT_EQ(open(every_gadget_row()), 1) << dialog_error_text(dialog);
  for (const MadeKinds& made : kMadeKinds) {
    std::u16string_view element = element_name_of(made.kind);
    std::string name(element.begin(), element.end());
    int gadget = dialog_gadget(dialog, element);
    EXPECT_EQ(gadget_kind(gadget), made.gadget) << name;
    EXPECT_EQ(headless->control_kind(gadget_handle(gadget)), made.control) << name;
  }
}

// MIN is a creation argument of the ranged kinds only; elsewhere it must not become a state.
TEST_F(EveryKindTest, ValuesAKindDoesNotTakeLeaveItsGadgetAlone) {
  ASSERT_EQ(open(u"<window><vbox><checkbox name='check' min='1'/><tree name='tree' min='3'/>"
                 u"<string name='string' text='s' page='4' color='5'/></vbox></window>"),
            1);
  EXPECT_EQ(get_gadget_state(dialog_gadget(dialog, u"check")), 0);
  EXPECT_EQ(get_gadget_state(dialog_gadget(dialog, u"tree")), 0);
  EXPECT_EQ(text_of(u"string"), u"s");
}

TEST_F(EveryKindTest, MeasuredKindsRequestTheirNaturalSize) {
  ASSERT_EQ(open(kEveryKind), 1);
  // 2 px edges, 13 px lines, 7 px per unit.
  EXPECT_EQ(gadget_natural_size(dialog_gadget(dialog, u"checkbox")), (Size{27, 20}));
  EXPECT_EQ(gadget_natural_size(dialog_gadget(dialog, u"string")), (Size{4, 20}));
  EXPECT_EQ(gadget_natural_size(dialog_gadget(dialog, u"hyperlink")), (Size{32, 17}));
  EXPECT_EQ(gadget_natural_size(dialog_gadget(dialog, u"buttonimage")), (Size{28, 28}));
  EXPECT_EQ(gadget_natural_size(dialog_gadget(dialog, u"combobox")), (Size{21, 21}));
  EXPECT_EQ(gadget_natural_size(dialog_gadget(dialog, u"editor")), (Size{0, 0}));
}

TEST_F(EveryKindTest, TabContentGoesOntoItsOwnPage) {
  ASSERT_EQ(open(kEveryKind), 1);
  NativeHandle panel = handle_of(u"panel");
  std::vector<NativeHandle> pages = headless->child_controls(panel);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(headless->control_parent(handle_of(u"editor")), pages[0]);
  EXPECT_EQ(headless->control_parent(handle_of(u"scintilla")), pages[1]);
  // After the panel the window's list is current again.
  EXPECT_EQ(headless->control_parent(handle_of(u"scrollarea")),
            window_handle(dialog_window(dialog)));
  EXPECT_EQ(headless->control_parent(handle_of(u"scrollbar")), handle_of(u"scrollarea"));
}

TEST_F(EveryKindTest, TabsOutsideAPanelAndPanelsInsideTabsStaySound) {
  ASSERT_EQ(
      open(u"<window><vbox><tab text='lost'><button name='a'/></tab>"
           u"<panel name='outer'><tab text='1'><panel name='inner'><tab text='x'>"
           u"<button name='b'/></tab></panel></tab><tab text='2'><button name='c'/></tab></panel>"
           u"<button name='d'/></vbox></window>"),
      1);
  NativeHandle window = window_handle(dialog_window(dialog));
  EXPECT_EQ(headless->control_parent(handle_of(u"a")), window);
  std::vector<NativeHandle> outer_pages = headless->child_controls(handle_of(u"outer"));
  ASSERT_EQ(outer_pages.size(), 2u);
  EXPECT_EQ(headless->control_parent(handle_of(u"inner")), outer_pages[0]);
  EXPECT_EQ(headless->control_parent(headless->control_parent(handle_of(u"b"))),
            handle_of(u"inner"));
  EXPECT_EQ(headless->control_parent(handle_of(u"c")), outer_pages[1]);
  EXPECT_EQ(headless->control_parent(handle_of(u"d")), window);
}

TEST_F(EveryKindTest, GroupedOptionsAreCreatedAfterTheOtherChildrenInGroupOrder) {
  ASSERT_EQ(open(u"<window><vbox><option name='a' group='1'/><option name='b' group='2'/>"
                 u"<option name='c' group='1'/><button name='d'/></vbox></window>"),
            1);
  int a = dialog_gadget(dialog, u"a");
  int b = dialog_gadget(dialog, u"b");
  int c = dialog_gadget(dialog, u"c");
  int d = dialog_gadget(dialog, u"d");
  EXPECT_LT(d, a);
  EXPECT_LT(a, c);
  EXPECT_LT(c, b);
  // a and c form one platform group, b another.
  set_gadget_state(a, 1);
  set_gadget_state(b, 1);
  set_gadget_state(c, 1);
  EXPECT_EQ(get_gadget_state(a), 0);
  EXPECT_EQ(get_gadget_state(b), 1);
  EXPECT_EQ(get_gadget_state(c), 1);
}

TEST_F(EveryKindTest, ManyGroupsAreCreatedInTheOrderTheyFirstAppear) {
  ASSERT_EQ(open(u"<window><vbox><option name='a' group='30'/><option name='b' group='1'/>"
                 u"<option name='c' group='30'/><option name='d' group='2'/>"
                 u"<option name='e' group='1'/><option name='f' group='2'/></vbox></window>"),
            1);
  std::vector<int> created;
  for (std::u16string_view name : {u"a", u"c", u"b", u"e", u"d", u"f"})
    created.push_back(dialog_gadget(dialog, name));
  EXPECT_TRUE(std::is_sorted(created.begin(), created.end()));
  // Each group is a platform group of its own: choosing in one leaves the others.
  for (int gadget : created) set_gadget_state(gadget, 1);
  std::vector<int> states;
  for (int gadget : created) states.push_back(get_gadget_state(gadget));
  EXPECT_EQ(states, (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST_F(EveryKindTest, GroupedOptionsApplyTheirOwnStateAndGetNoBinding) {
  ASSERT_EQ(open(u"<window><vbox><option name='a' group='1' disabled='yes' OnEvent='none'/>"
                 u"</vbox></window>"),
            1);
  EXPECT_FALSE(headless->control_enabled(handle_of(u"a")));
}

TEST_F(EveryKindTest, ASplitterWithOneChildDoesNotSwallowWhatFollows) {
  ASSERT_EQ(open(u"<window><vbox><splitter><button name='a'/></splitter><button name='b'/>"
                 u"</vbox></window>"),
            1);
  EXPECT_EQ(headless->control_parent(handle_of(u"b")), window_handle(dialog_window(dialog)));
}

}  // namespace
}  // namespace ambrel
