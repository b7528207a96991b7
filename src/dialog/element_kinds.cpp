#include "dialog/element_kinds.h"

#include <array>

#include "dialog/name_compare.h"
#include "dialog/objects/box_objects.h"
#include "dialog/objects/container_objects.h"
#include "dialog/objects/gadget_object.h"
#include "dialog/objects/grid_object.h"
#include "dialog/objects/single_child_object.h"
#include "dialog/objects/splitter_object.h"

namespace ambrel {
namespace {

using K = DialogKind;

constexpr std::array kElementKinds = {
    ElementKind{u"window", K::Window, nullptr},
    ElementKind{u"vbox", K::VBox, create_line_box_object},
    ElementKind{u"hbox", K::HBox, create_line_box_object},
    ElementKind{u"multibox", K::MultiBox, create_multibox_object},
    ElementKind{u"singlebox", K::SingleBox, create_singlebox_object},
    ElementKind{u"gridbox", K::GridBox, create_grid_object},
    ElementKind{u"empty", K::Empty, create_empty_object},
    ElementKind{u"container", K::Container, create_container_object},
    ElementKind{u"panel", K::Panel, create_panel_object},
    ElementKind{u"tab", K::Tab, create_tab_object},
    ElementKind{u"scrollarea", K::ScrollArea, create_scroll_area_object},
    ElementKind{u"frame", K::Frame, create_frame_object},
    ElementKind{u"splitter", K::Splitter, create_splitter_object},
    ElementKind{u"button", K::Button, create_gadget_object},
    ElementKind{u"checkbox", K::CheckBox, create_gadget_object},
    ElementKind{u"image", K::Image, create_gadget_object},
    ElementKind{u"option", K::Option, create_gadget_object},
    ElementKind{u"listview", K::ListView, create_gadget_object},
    ElementKind{u"listicon", K::ListIcon, create_gadget_object},
    ElementKind{u"tree", K::Tree, create_gadget_object},
    ElementKind{u"combobox", K::ComboBox, create_gadget_object},
    ElementKind{u"text", K::Text, create_gadget_object},
    ElementKind{u"string", K::String, create_gadget_object},
    ElementKind{u"editor", K::Editor, create_gadget_object},
    ElementKind{u"scintilla", K::Scintilla, create_gadget_object},
    ElementKind{u"scrollbar", K::ScrollBar, create_gadget_object},
    ElementKind{u"progressbar", K::ProgressBar, create_gadget_object},
    ElementKind{u"explorerlist", K::ExplorerList, create_gadget_object},
    ElementKind{u"explorertree", K::ExplorerTree, create_gadget_object},
    ElementKind{u"explorercombo", K::ExplorerCombo, create_gadget_object},
    ElementKind{u"shortcut", K::Shortcut, create_gadget_object},
    ElementKind{u"buttonimage", K::ButtonImage, create_gadget_object},
    ElementKind{u"trackbar", K::TrackBar, create_gadget_object},
    ElementKind{u"canvas", K::Canvas, create_gadget_object},
    ElementKind{u"calendar", K::Calendar, create_gadget_object},
    ElementKind{u"date", K::Date, create_gadget_object},
    ElementKind{u"spin", K::Spin, create_gadget_object},
    ElementKind{u"web", K::Web, create_gadget_object},
    ElementKind{u"hyperlink", K::HyperLink, create_gadget_object},
    ElementKind{u"ipaddress", K::IpAddress, create_gadget_object},
};

}  // namespace

const ElementKind* find_element_kind(std::u16string_view element) {
  for (const ElementKind& entry : kElementKinds) {
    if (names_equal(entry.element, element)) return &entry;
  }
  return nullptr;
}

std::u16string_view element_name_of(DialogKind kind) {
  for (const ElementKind& entry : kElementKinds) {
    if (entry.kind == kind) return entry.element;
  }
  return {};
}

}  // namespace ambrel
