#pragma once

// The gadget kinds the layer creates, their kind codes and creation flags. Every kind is
// created the same way, so a caller that knows only the kind code goes through
// create_gadget_of_kind.

#include <string_view>

#include "ui/backend/backend.h"

namespace ambrel {

inline constexpr int kGadgetButton = 1;
inline constexpr int kGadgetString = 2;
inline constexpr int kGadgetText = 3;
inline constexpr int kGadgetCheckBox = 4;
inline constexpr int kGadgetOption = 5;
inline constexpr int kGadgetListView = 6;
inline constexpr int kGadgetFrame = 7;
inline constexpr int kGadgetComboBox = 8;
inline constexpr int kGadgetImage = 9;
inline constexpr int kGadgetHyperLink = 10;
inline constexpr int kGadgetContainer = 11;
inline constexpr int kGadgetListIcon = 12;
inline constexpr int kGadgetIpAddress = 13;
inline constexpr int kGadgetProgressBar = 14;
inline constexpr int kGadgetScrollBar = 15;
inline constexpr int kGadgetExplorerList = 16;
inline constexpr int kGadgetExplorerTree = 17;
inline constexpr int kGadgetExplorerCombo = 18;
inline constexpr int kGadgetButtonImage = 19;
inline constexpr int kGadgetCalendar = 20;
inline constexpr int kGadgetDate = 21;
inline constexpr int kGadgetEditor = 22;
inline constexpr int kGadgetScrollArea = 23;
inline constexpr int kGadgetTrackBar = 25;
inline constexpr int kGadgetSpin = 26;
inline constexpr int kGadgetTree = 27;
inline constexpr int kGadgetPanel = 28;
inline constexpr int kGadgetWeb = 30;
inline constexpr int kGadgetScintilla = 31;
inline constexpr int kGadgetShortcut = 32;
inline constexpr int kGadgetCanvas = 33;

// Attributes of the page kinds (get_gadget_attribute / set_gadget_attribute).
inline constexpr int kPanelPageWidth = 1;
inline constexpr int kPanelPageHeight = 2;
inline constexpr int kPanelTabHeight = 3;
inline constexpr int kScrollAreaInnerWidth = 1;
inline constexpr int kScrollAreaInnerHeight = 2;

inline constexpr int kTextCenter = 1;
inline constexpr int kTextRight = 2;
inline constexpr int kTextBorder = 131072;

inline constexpr int kButtonDefault = 1;
inline constexpr int kButtonLeft = 256;
inline constexpr int kButtonRight = 512;
inline constexpr int kButtonMultiLine = 8192;
inline constexpr int kButtonToggle = 4099;

inline constexpr int kEditorReadOnly = 2048;
inline constexpr int kEditorWordWrap = 268435456;

inline constexpr int kFrameDouble = 1;
inline constexpr int kFrameSingle = 2;
inline constexpr int kFrameFlat = 3;

inline constexpr int kContainerBorderLess = 0;
inline constexpr int kContainerFlat = 1;
inline constexpr int kContainerRaised = 2;
inline constexpr int kContainerSingle = 4;
inline constexpr int kContainerDouble = 8;

inline constexpr int kCheckBoxRight = 512;
inline constexpr int kCheckBoxCenter = 768;
inline constexpr int kCheckBoxThreeState = 5;

inline constexpr int kStringPassword = 32;
inline constexpr int kStringReadOnly = 2048;
inline constexpr int kStringBorderLess = 131072;

inline constexpr int kSpinReadOnly = 1;

inline constexpr int kDateCheckBox = 2;

inline constexpr int kComboBoxEditable = 66;

inline constexpr int kExplorerEditable = 256;
inline constexpr int kExplorerMultiSelect = 2097152;

inline constexpr int kListViewMultiSelect = 2048;

inline constexpr int kListIconCheckBoxes = 1;
inline constexpr int kListIconMultiSelect = 4;
inline constexpr int kListIconThreeState = 64;

inline constexpr int kTreeCheckBoxes = 256;
inline constexpr int kTreeThreeState = 65536;

inline constexpr int kImageRaised = 1;
inline constexpr int kImageBorder = 512;

inline constexpr int kCanvasBorder = 1;

inline constexpr int kScrollBarVertical = 1;

inline constexpr int kProgressBarVertical = 4;

inline constexpr int kTrackBarTicks = 1;
inline constexpr int kTrackBarVertical = 2;

inline constexpr int kCalendarBorderless = 8388608;

inline constexpr int kHyperLinkUnderline = 1;

// What a creation takes besides number and geometry; a kind reads what it needs (the
// editor ignores the text, the container the text too).
struct GadgetArguments {
  std::u16string_view text = {};
  int flags = 0;
  // Scroll bar, progress bar, track bar, spin: the range (and a scroll bar's page).
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int color = -1;  // hyperlink: its text's colour number 0xBBGGRR (red lowest), -1 the default
};

// Each returns the new number for kAnyNumber, 1 for an explicit number, 0 on failure.
using GadgetCreator = int (*)(int number, Rect geometry, const GadgetArguments& arguments);

int create_text_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_button_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// Created with events suppressed throughout; set its content with set_gadget_text.
int create_editor_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// A captioned group frame; styles 1 to 3 make a plain bordered box without caption instead.
int create_frame_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// Becomes the current gadget list; close it with close_gadget_list.
int create_container_gadget(int number, Rect geometry, const GadgetArguments& arguments);

// The further kinds. Each takes what its creation needs from the arguments and honours its
// flags; the panel and the scroll area become the current gadget list like a container.
int create_checkbox_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_option_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_string_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_spin_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_ipaddress_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_shortcut_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// The text is the date mask.
int create_date_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_combobox_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// The text is the initial path.
int create_explorercombo_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_listview_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// The text is the first column's title.
int create_listicon_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_tree_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_explorerlist_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_explorertree_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_scrollbar_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_progressbar_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_trackbar_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_image_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_buttonimage_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_canvas_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_scintilla_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// The text is the initial address.
int create_web_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_calendar_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_hyperlink_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// Adding an item adds a page, which becomes the current gadget list.
int create_panel_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_scrollarea_gadget(int number, Rect geometry, const GadgetArguments& arguments);

// Creates a gadget of the kind with that code; 0 for a code no kind has.
int create_gadget_of_kind(int kind, int number, Rect geometry, const GadgetArguments& arguments);

}  // namespace ambrel
