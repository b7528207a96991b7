// Every gadget kind the layer can create, in one list: a new kind adds its file and a line.

#include <array>

#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

namespace {

struct GadgetKindEntry {
  int kind;
  GadgetCreator create;
};

constexpr std::array kGadgetKinds = {
    GadgetKindEntry{kGadgetButton, create_button_gadget},
    GadgetKindEntry{kGadgetText, create_text_gadget},
    GadgetKindEntry{kGadgetFrame, create_frame_gadget},
    GadgetKindEntry{kGadgetContainer, create_container_gadget},
    GadgetKindEntry{kGadgetEditor, create_editor_gadget},
    GadgetKindEntry{kGadgetCheckBox, create_checkbox_gadget},
    GadgetKindEntry{kGadgetOption, create_option_gadget},
    GadgetKindEntry{kGadgetString, create_string_gadget},
    GadgetKindEntry{kGadgetSpin, create_spin_gadget},
    GadgetKindEntry{kGadgetIpAddress, create_ipaddress_gadget},
    GadgetKindEntry{kGadgetShortcut, create_shortcut_gadget},
    GadgetKindEntry{kGadgetDate, create_date_gadget},
    GadgetKindEntry{kGadgetComboBox, create_combobox_gadget},
    GadgetKindEntry{kGadgetExplorerCombo, create_explorercombo_gadget},
    GadgetKindEntry{kGadgetListView, create_listview_gadget},
    GadgetKindEntry{kGadgetListIcon, create_listicon_gadget},
    GadgetKindEntry{kGadgetTree, create_tree_gadget},
    GadgetKindEntry{kGadgetExplorerList, create_explorerlist_gadget},
    GadgetKindEntry{kGadgetExplorerTree, create_explorertree_gadget},
    GadgetKindEntry{kGadgetScrollBar, create_scrollbar_gadget},
    GadgetKindEntry{kGadgetProgressBar, create_progressbar_gadget},
    GadgetKindEntry{kGadgetTrackBar, create_trackbar_gadget},
    GadgetKindEntry{kGadgetImage, create_image_gadget},
    GadgetKindEntry{kGadgetButtonImage, create_buttonimage_gadget},
    GadgetKindEntry{kGadgetCanvas, create_canvas_gadget},
    GadgetKindEntry{kGadgetScintilla, create_scintilla_gadget},
    GadgetKindEntry{kGadgetWeb, create_web_gadget},
    GadgetKindEntry{kGadgetCalendar, create_calendar_gadget},
    GadgetKindEntry{kGadgetHyperLink, create_hyperlink_gadget},
    GadgetKindEntry{kGadgetPanel, create_panel_gadget},
    GadgetKindEntry{kGadgetScrollArea, create_scrollarea_gadget},
};

}  // namespace

int create_gadget_of_kind(int kind, int number, Rect geometry, const GadgetArguments& arguments) {
  for (const GadgetKindEntry& entry : kGadgetKinds) {
    if (entry.kind == kind) return entry.create(number, geometry, arguments);
  }
  return 0;
}

}  // namespace ambrel
