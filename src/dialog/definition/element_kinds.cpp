#include "dialog/definition/element_kinds.h"

#include <array>
#include <cstddef>
#include <limits>

#include "dialog/definition/name_compare.h"
#include "dialog/objects/box_objects.h"
#include "dialog/objects/container_objects.h"
#include "dialog/objects/gadget_object.h"
#include "dialog/objects/grid_object.h"
#include "dialog/objects/single_child_object.h"
#include "dialog/objects/splitter_object.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/gadget_kinds/splitter_gadget.h"

namespace ambrel {
namespace {

using K = DialogKind;
using C = ControlKind;
using S = Sizing;
using Content = InitialContent;

constexpr std::optional<ControlKind> kNoControl = std::nullopt;
constexpr std::span<const FlagEntry> kNoFlags = {};

constexpr EventMask kClicks = kAcceptsLeftClick | kAcceptsRightClick | kAcceptsLeftDoubleClick |
                              kAcceptsRightDoubleClick | kAcceptsDragStart;
constexpr EventMask kItemEvents = *kClicks | kAcceptsChange;
constexpr EventMask kLeftClicks = kAcceptsLeftClick | kAcceptsLeftDoubleClick;
constexpr EventMask kFieldEvents = kAcceptsChange | kAcceptsFocus | kAcceptsLostFocus;
constexpr EventMask kChanges = kAcceptsChange;

constexpr CreationArguments kFlagsOnly{};
constexpr CreationArguments kText{kTakesText};
constexpr CreationArguments kTextAndColor{kTakesText | kTakesColor};
constexpr CreationArguments kRange{kTakesRange};
constexpr CreationArguments kRangeToTen{kTakesRange, 10};
constexpr CreationArguments kRangeAndPage{kTakesRange | kTakesPage};
constexpr CreationArguments kPanes{kTakesPanes};

constexpr std::array kElementKinds = {
    ElementKind{u"window", K::Window, nullptr, kNoGadget, kNoControl, S::Wish, kIgnoresEvents,
                kWindowFlags, kFlagsOnly, Content::None},
    ElementKind{u"vbox", K::VBox, create_line_box_object, kNoGadget, kNoControl, S::Wish,
                kIgnoresEvents, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"hbox", K::HBox, create_line_box_object, kNoGadget, kNoControl, S::Wish,
                kIgnoresEvents, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"multibox", K::MultiBox, create_multibox_object, kNoGadget, kNoControl, S::Wish,
                kIgnoresEvents, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"singlebox", K::SingleBox, create_singlebox_object, kNoGadget, kNoControl, S::Wish,
                kIgnoresEvents, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"gridbox", K::GridBox, create_grid_object, kNoGadget, kNoControl, S::Wish,
                kIgnoresEvents, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"empty", K::Empty, create_empty_object, kNoGadget, kNoControl, S::Wish,
                kIgnoresEvents, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"container", K::Container, create_container_object, kGadgetContainer, C::Container,
                S::Wish, kIgnoresEvents, kContainerFlags, kFlagsOnly, Content::None},
    ElementKind{u"panel", K::Panel, create_panel_object, kGadgetPanel, C::Panel, S::Wish, kChanges,
                kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"tab", K::Tab, create_tab_object, kNoGadget, kNoControl, S::Wish, kIgnoresEvents,
                kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"scrollarea", K::ScrollArea, create_scroll_area_object, kGadgetScrollArea,
                C::ScrollArea, S::Wish, kIgnoresEvents, kScrollAreaFlags, kFlagsOnly,
                Content::None},
    ElementKind{u"frame", K::Frame, create_frame_object, kGadgetFrame, C::Frame, S::Wish,
                kIgnoresEvents, kFrameFlags, kText, Content::None},
    ElementKind{u"splitter", K::Splitter, create_splitter_object, kGadgetSplitter, C::Splitter,
                S::Wish, kIgnoresEvents, kSplitterFlags, kPanes, Content::None},
    ElementKind{u"button", K::Button, create_gadget_object, kGadgetButton, C::Button, S::Natural,
                kOnEventOnly, kButtonFlags, kText, Content::None},
    ElementKind{u"checkbox", K::CheckBox, create_gadget_object, kGadgetCheckBox, C::CheckBox,
                S::Natural, kOnEventOnly, kCheckBoxFlags, kText, Content::None},
    ElementKind{u"image", K::Image, create_gadget_object, kGadgetImage, C::Image, S::Natural,
                kClicks, kImageFlags, kFlagsOnly, Content::None},
    ElementKind{u"option", K::Option, create_gadget_object, kGadgetOption, C::Option, S::Natural,
                kOnEventOnly, kNoFlags, kText, Content::None},
    ElementKind{u"listview", K::ListView, create_gadget_object, kGadgetListView, C::ListView,
                S::Wish, kLeftClicks, kListViewFlags, kFlagsOnly, Content::None},
    ElementKind{u"listicon", K::ListIcon, create_gadget_object, kGadgetListIcon, C::ListIcon,
                S::Wish, kItemEvents, kListIconFlags, kText, Content::None},
    ElementKind{u"tree", K::Tree, create_gadget_object, kGadgetTree, C::Tree, S::Wish, kItemEvents,
                kTreeFlags, kFlagsOnly, Content::None},
    ElementKind{u"combobox", K::ComboBox, create_gadget_object, kGadgetComboBox, C::ComboBox,
                S::Natural, kFieldEvents, kComboBoxFlags, kFlagsOnly, Content::None},
    ElementKind{u"text", K::Text, create_gadget_object, kGadgetText, C::Text, S::TextLine,
                kOnEventOnly, kTextFlags, kText, Content::None},
    ElementKind{u"string", K::String, create_gadget_object, kGadgetString, C::String, S::Natural,
                kFieldEvents, kStringFlags, kText, Content::None},
    ElementKind{u"editor", K::Editor, create_gadget_object, kGadgetEditor, C::Editor, S::Wish,
                kOnEventOnly, kEditorFlags, kFlagsOnly, Content::Text},
    ElementKind{u"scintilla", K::Scintilla, create_gadget_object, kGadgetScintilla, C::CodeEditor,
                S::Wish, kOnEventOnly, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"scrollbar", K::ScrollBar, create_gadget_object, kGadgetScrollBar, C::ScrollBar,
                S::Wish, kOnEventOnly, kScrollBarFlags, kRangeAndPage, Content::State},
    ElementKind{u"progressbar", K::ProgressBar, create_gadget_object, kGadgetProgressBar,
                C::ProgressBar, S::Wish, kOnEventOnly, kProgressBarFlags, kRange, Content::State},
    ElementKind{u"explorerlist", K::ExplorerList, create_gadget_object, kGadgetExplorerList,
                C::ExplorerList, S::Wish, kItemEvents, kExplorerListFlags, kText, Content::None},
    ElementKind{u"explorertree", K::ExplorerTree, create_gadget_object, kGadgetExplorerTree,
                C::ExplorerTree, S::Wish, kItemEvents, kExplorerTreeFlags, kText, Content::None},
    ElementKind{u"explorercombo", K::ExplorerCombo, create_gadget_object, kGadgetExplorerCombo,
                C::ExplorerCombo, S::Natural, kOnEventOnly, kExplorerComboFlags, kText,
                Content::None},
    ElementKind{u"shortcut", K::Shortcut, create_gadget_object, kGadgetShortcut, C::Shortcut,
                S::Natural, kOnEventOnly, kNoFlags, kFlagsOnly, Content::None},
    ElementKind{u"buttonimage", K::ButtonImage, create_gadget_object, kGadgetButtonImage,
                C::ButtonImage, S::Natural, kOnEventOnly, kButtonImageFlags, kFlagsOnly,
                Content::None},
    ElementKind{u"trackbar", K::TrackBar, create_gadget_object, kGadgetTrackBar, C::TrackBar,
                S::Wish, kOnEventOnly, kTrackBarFlags, kRangeToTen, Content::State},
    ElementKind{u"canvas", K::Canvas, create_gadget_object, kGadgetCanvas, C::Canvas, S::Natural,
                kOnEventOnly, kCanvasFlags, kFlagsOnly, Content::None},
    ElementKind{u"calendar", K::Calendar, create_gadget_object, kGadgetCalendar, C::Calendar,
                S::Natural, kOnEventOnly, kCalendarFlags, kFlagsOnly, Content::None},
    ElementKind{u"date", K::Date, create_gadget_object, kGadgetDate, C::Date, S::Natural, kChanges,
                kDateFlags, kText, Content::None},
    ElementKind{u"spin", K::Spin, create_gadget_object, kGadgetSpin, C::Spin, S::Natural, kChanges,
                kSpinFlags, kRange, Content::StateThenText},
    ElementKind{u"web", K::Web, create_gadget_object, kGadgetWeb, C::Web, S::Wish, kOnEventOnly,
                kNoFlags, kText, Content::None},
    ElementKind{u"hyperlink", K::HyperLink, create_gadget_object, kGadgetHyperLink, C::HyperLink,
                S::TextLine, kOnEventOnly, kHyperLinkFlags, kTextAndColor, Content::None},
    ElementKind{u"ipaddress", K::IpAddress, create_gadget_object, kGadgetIpAddress, C::IpAddress,
                S::Natural, kOnEventOnly, kNoFlags, kFlagsOnly, Content::None},
};

// The row of each kind code, so that lookups by kind (made per layout pass) take no search.
constexpr std::uint8_t kNoRow = std::numeric_limits<std::uint8_t>::max();
constexpr auto kRowOfKind = [] {
  std::array<std::uint8_t, std::numeric_limits<std::uint8_t>::max() + 1> rows{};
  rows.fill(kNoRow);
  for (std::size_t i = 0; i < kElementKinds.size(); ++i) {
    std::uint8_t& row = rows[static_cast<std::uint8_t>(kElementKinds[i].kind)];
    if (row != kNoRow) throw "two rows for one kind";
    row = static_cast<std::uint8_t>(i);
  }
  return rows;
}();

}  // namespace

const ElementKind* find_element_kind(std::u16string_view element) {
  for (const ElementKind& entry : kElementKinds) {
    if (names_equal(entry.element, element)) return &entry;
  }
  return nullptr;
}

const ElementKind* element_kind_of(DialogKind kind) {
  std::uint8_t row = kRowOfKind[static_cast<std::uint8_t>(kind)];
  return row == kNoRow ? nullptr : &kElementKinds[row];
}

std::span<const ElementKind> element_kinds() { return kElementKinds; }

std::u16string_view element_name_of(DialogKind kind) {
  const ElementKind* entry = element_kind_of(kind);
  return entry == nullptr ? std::u16string_view{} : entry->element;
}

}  // namespace ambrel
