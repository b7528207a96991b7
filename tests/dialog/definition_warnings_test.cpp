// What the engine ignores or changes by design is warned about where the definition says it,
// and the warning is only an observation: the window is built exactly as from a definition
// that says what the engine does instead.

#include <sstream>
#include <string>
#include <vector>

#include "dialog/objects/dialog_object.h"
#include "dialog_fixture.h"
#include "backend/backend.h"

namespace ambrel {
namespace {

class DefinitionWarningsTest : public DialogTest {
 protected:
  // Opens the definition parsed with its positions; its warnings as "LINE:COLUMN: text".
  std::vector<std::string> warnings_of(std::u16string_view definition) {
    int document = xml_parse_text_with_positions(kAnyNumber, definition);
    EXPECT_EQ(dialog_open(dialog, document, u"", 0, 0), 1) << dialog_error_text(dialog);
    std::vector<std::string> lines;
    for (const DefinitionMessage& warning : dialog_warnings(dialog)) {
      lines.push_back(located(warning));
    }
    return lines;
  }

  static std::string located(const DefinitionMessage& message) {
    std::ostringstream text;
    text << message.position.line << ':' << message.position.column << ": " << message.text;
    return text.str();
  }

  // Every object with its kind, allocation and gadget rectangle, and the window's size.
  std::string tree() {
    const DialogObject* root = dialog_root(dialog);
    if (root == nullptr) return "no window";
    int window = dialog_window(dialog);
    std::ostringstream text;
    text << window_inner_width(window) << 'x' << window_inner_height(window);
    std::vector<const DialogObject*> stack{root};
    while (!stack.empty()) {
      const DialogObject* object = stack.back();
      stack.pop_back();
      text << ' ' << static_cast<int>(object->kind());
      if (object->allocation()) {
        layout::Rect area = *object->allocation();
        text << '@' << area.x << ',' << area.y << ',' << area.width << ',' << area.height;
      }
      if (object->gadget() != -1) {
        Rect gadget = ui_controls()->control_geometry(gadget_handle(object->gadget()));
        text << '/' << gadget.x << ',' << gadget.y << ',' << gadget.width << ',' << gadget.height;
      }
      for (auto it = object->children().rbegin(); it != object->children().rend(); ++it) {
        stack.push_back(it->get());
      }
    }
    return text.str();
  }

  // The definition gives exactly `expected`, and builds what `plain` (the definition as the
  // engine reads it, which gives no warning) builds.
  void expect_warning(std::u16string_view definition, std::u16string_view plain,
                      const std::string& expected) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(warnings_of(definition), std::vector<std::string>{expected});
    std::string warned_tree = tree();
    EXPECT_EQ(warnings_of(plain), std::vector<std::string>{});
    EXPECT_EQ(warned_tree, tree());
  }
};

TEST_F(DefinitionWarningsTest, NumbersAndYesNoValuesReadAsFarAsTheyGo) {
  expect_warning(u"<window>\n<button width='12px' text='Go'/></window>",
                 u"<window>\n<button width='12' text='Go'/></window>",
                 "2:9: width '12px' is read as 12");
  expect_warning(u"<window>\n<empty height='auto'/></window>",
                 u"<window>\n<empty height='0'/></window>", "2:8: height 'auto' is read as 0");
  expect_warning(u"<window>\n<empty width='99999999999'/></window>",
                 u"<window>\n<empty width='2147483647'/></window>",
                 "2:8: width 99999999999 is held as 2147483647");
  expect_warning(u"<window>\n<vbox spacing='99999999'><empty/><empty/></vbox></window>",
                 u"<window>\n<vbox spacing='1048576'><empty/><empty/></vbox></window>",
                 "2:7: spacing 99999999 is held as 1048576");
  expect_warning(u"<window>\n<button folded='true' text='Go'/></window>",
                 u"<window>\n<button folded='no' text='Go'/></window>",
                 "2:9: folded 'true' is read as no: only 'yes' means yes");
}

TEST_F(DefinitionWarningsTest, FlagListsEndSilentlyNoMore) {
  expect_warning(
      u"<window>\n<splitter flags='#KV_Splitter_FirstFixed||#KV_Splitter_Vertical'>"
      u"<empty/><empty/></splitter></window>",
      u"<window>\n<splitter flags='#KV_Splitter_FirstFixed'><empty/><empty/></splitter></window>",
      "2:11: flags: an empty part ends the list; '|#KV_Splitter_Vertical' is ignored");
  expect_warning(u"<window>\n<button flags='#KV_Button_Left|KV_Button_Default'/></window>",
                 u"<window>\n<button flags='#KV_Button_Left'/></window>",
                 "2:9: flags: 'KV_Button_Default' does not start with '#', which ends the list; "
                 "it is ignored");
  std::u16string long_name(129, u'A');
  expect_warning(u"<window>\n<button flags='#KV_Button_Left|#" + long_name + u"'/></window>",
                 u"<window>\n<button flags='#KV_Button_Left'/></window>",
                 "2:9: flags: a flag name of 129 characters (over 128) ends the list; it and "
                 "what follows are ignored");
}

TEST_F(DefinitionWarningsTest, AttributesNothingReadsAreNamed) {
  expect_warning(u"<window>\n<button colour='red' text='Go'/></window>",
                 u"<window>\n<button text='Go'/></window>",
                 "2:9: button does not use the attribute 'colour'; it is ignored");
  // Event attributes, DISABLED and INVISIBLE need a gadget; MIN only a range has.
  expect_warning(u"<window>\n<vbox OnEvent='go()'/></window>", u"<window>\n<vbox/></window>",
                 "2:7: vbox does not use the attribute 'OnEvent'; it is ignored");
  expect_warning(u"<window>\n<vbox disabled='yes'/></window>", u"<window>\n<vbox/></window>",
                 "2:7: vbox does not use the attribute 'disabled'; it is ignored");
  expect_warning(u"<window>\n<vbox text='Options'/></window>", u"<window>\n<vbox/></window>",
                 "2:7: vbox has no gadget to show text; it is ignored");
  expect_warning(u"<window>\n<button min='3'/></window>", u"<window>\n<button/></window>",
                 "2:9: button does not use the attribute 'min'; it is ignored");
  // Of two spellings of one attribute, a number reader takes the first; the others the last.
  expect_warning(u"<window>\n<trackbar max='5' MAX='9'/></window>",
                 u"<window>\n<trackbar max='5'/></window>",
                 "2:19: trackbar does not use the attribute 'MAX'; it is ignored");
  expect_warning(u"<window>\n<button width='10' WIDTH='50'/></window>",
                 u"<window>\n<button WIDTH='50'/></window>",
                 "2:9: width is given again as WIDTH; this one is ignored");
}

TEST_F(DefinitionWarningsTest, WindowBoundsKeepSixteenBits) {
  expect_warning(u"<window\n maxwidth='70000'><empty width='5000'/></window>",
                 u"<window\n maxwidth='4464'><empty width='5000'/></window>",
                 "2:2: maxwidth 70000 is held in 16 bits as 4464");
  expect_warning(u"<window\n maxwidth='65535'><empty width='5000'/></window>",
                 u"<window\n maxwidth='auto'><empty width='5000'/></window>",
                 "2:2: maxwidth 65535 is held in 16 bits as -1, which means AUTO");
  expect_warning(u"<window\n minheight='-2'><empty/></window>", u"<window\n><empty/></window>",
                 "2:2: minheight -2 means not given");
  expect_warning(u"<window\n maxheight='32500'><empty/></window>",
                 u"<window\n maxheight='32000'><empty/></window>",
                 "2:2: maxheight 32500 is taken as 32000, the largest maximum a window keeps");
  // A minimum has no such limit.
  EXPECT_EQ(warnings_of(u"<window minheight='32500'><empty/></window>"),
            std::vector<std::string>{});
}

TEST_F(DefinitionWarningsTest, WordsTheElementDoesNotKnowChangeNothing) {
  expect_warning(u"<window>\n<vbox align='top/left'><empty/></vbox></window>",
                 u"<window>\n<vbox><empty/></vbox></window>",
                 "2:7: align 'top/left' is not a value vbox knows; it changes nothing");
  expect_warning(u"<window>\n<hbox expand='yes'><empty/></hbox></window>",
                 u"<window>\n<hbox><empty/></hbox></window>",
                 "2:7: expand 'yes' is not a value hbox knows; it changes nothing");
  expect_warning(u"<window>\n<gridbox rowexpand='no'><empty/></gridbox></window>",
                 u"<window>\n<gridbox><empty/></gridbox></window>",
                 "2:10: rowexpand 'no' is not a value gridbox knows; it changes nothing");
  expect_warning(u"<window>\n<singlebox expand='both'><empty/></singlebox></window>",
                 u"<window>\n<singlebox><empty/></singlebox></window>",
                 "2:12: expand 'both' is not a value singlebox knows; it changes nothing");
  expect_warning(u"<window>\n<frame align='middle'><empty/></frame></window>",
                 u"<window>\n<frame><empty/></frame></window>",
                 "2:8: align 'middle' is not a value frame knows; it changes nothing");
  expect_warning(u"<window>\n<scrollarea scrolling='both'><empty/></scrollarea></window>",
                 u"<window>\n<scrollarea><empty/></scrollarea></window>",
                 "2:13: scrolling 'both' is not a value scrollarea knows; it changes nothing");
  expect_warning(u"<window>\n<singlebox margin='all:4'><empty/></singlebox></window>",
                 u"<window>\n<singlebox margin='0'><empty/></singlebox></window>",
                 "2:12: margin 'all:4' names no side; every margin is 0");
  // 'item:0' names no child, as 'item:9' names none of one child: nobody grows.
  expect_warning(u"<window>\n<vbox expand='item:0'><empty/></vbox></window>",
                 u"<window>\n<vbox expand='item:9'><empty/></vbox></window>",
                 "2:7: expand 'item:0' names no child; no child takes the extra room");
}

TEST_F(DefinitionWarningsTest, GridLimits) {
  expect_warning(u"<window>\n<gridbox columns='0'><empty/><empty/></gridbox></window>",
                 u"<window>\n<gridbox columns='1'><empty/><empty/></gridbox></window>",
                 "2:10: columns 0 is taken as 1");
  expect_warning(u"<window>\n<gridbox columns='5000'><empty/></gridbox></window>",
                 u"<window>\n<gridbox columns='1024'><empty/></gridbox></window>",
                 "2:10: columns 5000 is taken as 1024");
  expect_warning(u"<window><gridbox columns='3'><empty/>\n<empty colspan='5'/></gridbox></window>",
                 u"<window><gridbox columns='3'><empty/>\n<empty colspan='2'/></gridbox></window>",
                 "2:8: colspan 5 is cut to 2 at the grid's right edge");
  expect_warning(u"<window><gridbox>\n<empty rowspan='0'/></gridbox></window>",
                 u"<window><gridbox>\n<empty/></gridbox></window>", "2:8: rowspan 0 counts as 1");
  // Only a grid reads the spans of its children.
  expect_warning(u"<window><vbox>\n<empty colspan='2'/></vbox></window>",
                 u"<window><vbox>\n<empty/></vbox></window>",
                 "2:8: empty does not use the attribute 'colspan'; it is ignored");
}

TEST_F(DefinitionWarningsTest, ElementsAndTextTheWalkSkips) {
  expect_warning(u"<window><vbox>\n<gizmo><button/></gizmo></vbox></window>",
                 u"<window><vbox>\n</vbox></window>",
                 "2:1: unknown element 'gizmo' is ignored, with everything inside it");
  expect_warning(u"<window><vbox>\n<window/></vbox></window>", u"<window><vbox>\n</vbox></window>",
                 "2:1: 'window' inside a window is ignored, with everything inside it");
  expect_warning(u"<window><vbox>\n<button text='Go'>Go</button></vbox></window>",
                 u"<window><vbox>\n<button text='Go'/></vbox></window>",
                 "2:1: the text inside button is ignored");
  expect_warning(u"<window><vbox>\n<button><![CDATA[Go]]></button></vbox></window>",
                 u"<window><vbox>\n<button/></vbox></window>",
                 "2:1: a CDATA section inside button is ignored");
  expect_warning(u"<window>\n<frame flags='#KV_Frame_Double'><empty/></frame></window>",
                 u"<window>\n<frame><empty/></frame></window>",
                 "2:8: flags has no effect on a frame: it is always drawn as a captioned group "
                 "frame");
}

// What gets no room has its object and gadget all the same, so only the warning is checked.
TEST_F(DefinitionWarningsTest, ChildrenWithoutRoom) {
  EXPECT_EQ(warnings_of(u"<window><frame>\n<button/><text/></frame></window>"),
            std::vector<std::string>{
                "2:1: button gets no room: its parent lays out only its last child"});
  EXPECT_EQ(warnings_of(u"<window><splitter><empty/><empty/>\n<text/></splitter></window>"),
            std::vector<std::string>{"2:1: text gets no room: a splitter has two panes"});
  EXPECT_EQ(warnings_of(u"<window><vbox>\n<tab text='t'/></vbox></window>"),
            std::vector<std::string>{
                "2:1: tab outside a panel adds no page; it is laid out as a singlebox"});
  EXPECT_EQ(warnings_of(u"<window><panel><tab/>\n<option group='1'/></panel></window>"),
            std::vector<std::string>{
                "2:1: an option with a GROUP directly in a panel is never made; put it in a tab"});
}

// Warnings come from the engine's own reading: a definition parsed without its positions
// gets the same warnings without places, and the same window.
TEST_F(DefinitionWarningsTest, PositionsAreOnlyExtraInformation) {
  std::u16string definition = u"<window maxwidth='99999'>\n<vbox align='top/left'/></window>";
  std::vector<std::string> with_places = warnings_of(definition);
  EXPECT_EQ(with_places,
            (std::vector<std::string>{
                "1:9: maxwidth 99999 is held in 16 bits as -31073",
                "2:7: align 'top/left' is not a value vbox knows; it changes nothing"}));
  std::string tree_with_places = tree();
  ASSERT_EQ(open(definition), 1);
  std::vector<std::string> unlocated;
  for (const DefinitionMessage& warning : dialog_warnings(dialog)) {
    unlocated.push_back(located(warning));
  }
  EXPECT_EQ(unlocated, (std::vector<std::string>{
                           "0:0: maxwidth 99999 is held in 16 bits as -31073",
                           "0:0: align 'top/left' is not a value vbox knows; it changes nothing"}));
  EXPECT_EQ(tree(), tree_with_places);
}

// A gadget created under a number in use frees the gadget that had it; the definition
// does so when two gadgets ask for the same ID, so the second says which one it replaces.
TEST_F(DefinitionWarningsTest, AnIdTwoGadgetsAskForReplacesTheFirst) {
  EXPECT_EQ(warnings_of(u"<window id='7'><vbox>\n<button id='7' text='A'/>\n<text text='B' id='7'/>"
                        u"\n<checkbox id='8'/><string id='7' text='C'/></vbox></window>"),
            (std::vector<std::string>{
                "3:16: id 7 is already the number of the button at 2:1; that gadget is freed "
                "and this text takes its number",
                "4:27: id 7 is already the number of the text at 3:1; that gadget is freed "
                "and this string takes its number"}));
  // The engine does as it would without the warning: the last one has the number.
  EXPECT_EQ(get_gadget_text(7), u"C");
  EXPECT_EQ(get_gadget_text(8), u"");
  // Automatic numbers, and a box's or the window's ID, which no gadget takes, are no clash.
  EXPECT_EQ(warnings_of(u"<window id='3'><vbox id='5'><button id='#KV_Any'/><button id='-1'/>"
                        u"<button id='5'/><button id='3'/></vbox></window>"),
            std::vector<std::string>{});
}

TEST_F(DefinitionWarningsTest, ErrorsNameWhereTheyComeFrom) {
  auto error_at = [&](std::u16string_view definition) {
    int document = xml_parse_text_with_positions(kAnyNumber, definition);
    EXPECT_EQ(dialog_open(dialog, document, u"", 0, 0), 0);
    std::optional<DefinitionMessage> error = dialog_error_message(dialog);
    return error ? located(*error) : std::string("no error");
  };
  EXPECT_EQ(error_at(u"<window><vbox>\n<button text='a' flags='#KV_Text_Right'/></vbox></window>"),
            "2:18: '#KV_Text_Right' flag is not supported for the following gadget: button");
  EXPECT_EQ(error_at(u"<window>\n <editor OnChange='x()'/></window>"),
            "2:10: 'OnChange' is not supported for the following gadget: editor");
  EXPECT_EQ(error_at(u"<window>\n <editor OnEvent='x()'/></window>"),
            "2:10: 'x()' is not a runtime procedure.");
  EXPECT_EQ(error_at(u"<window>\n<button id='#nope'/></window>"),
            "2:9: '#nope' constant is not found or not declared as runtime.");
  EXPECT_EQ(error_at(u"\n<vbox/>"), "2:1: Dialog window not found");
  // An open that fails says nothing about attributes it never came to read.
  error_at(u"<window>\n<button colour='red' flags='#nope'/></window>");
  EXPECT_EQ(dialog_warnings(dialog), std::vector<DefinitionMessage>{});
  // The next open forgets the last one's error.
  EXPECT_EQ(warnings_of(u"<window/>"), std::vector<std::string>{});
  EXPECT_EQ(dialog_error_message(dialog), std::nullopt);
}

}  // namespace
}  // namespace ambrel
