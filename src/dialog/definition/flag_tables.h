#pragma once

// The named style flags of every kind that takes FLAGS, each table in lookup order. The
// element kind table gives each kind its table; where the gadget layer already names a
// value, the table uses that name so that the value has one home.

#include <cstdint>
#include <span>
#include <string_view>

#include "dialog/definition/dialog_kind.h"
#include "ui/gadget_kinds/gadget_kinds.h"
#include "ui/geometry/splitter_geometry.h"

namespace ambrel {

// One named style flag; the name is written without the leading "#".
struct FlagEntry {
  std::u16string_view name;
  std::uint32_t value;
};

inline constexpr FlagEntry kWindowFlags[] = {
    {u"KV_Window_ScreenCentered", 1u},
    {u"KV_Window_WindowCentered", 2u},
    {u"KV_Window_Tool", 4u},
    {u"KV_Window_TitleBar", 12582912u},
    {u"KV_Window_SystemMenu", 13107200u},
    {u"KV_Window_SizeGadget", 12845056u},
    {u"KV_Window_MinimizeGadget", 13238272u},
    {u"KV_Window_MaximizeGadget", 13172736u},
    {u"KV_Window_Invisible", 268435456u},
    {u"KV_Window_BorderLess", 2147483648u},
    {u"KV_Window_NoGadgets", 8u},
    {u"KV_Window_NoActivate", 33554432u},
};

inline constexpr FlagEntry kButtonFlags[] = {
    {u"KV_Button_Right", kButtonRight},     {u"KV_Button_Left", kButtonLeft},
    {u"KV_Button_Default", kButtonDefault}, {u"KV_Button_MultiLine", kButtonMultiLine},
    {u"KV_Button_Toggle", kButtonToggle},
};

inline constexpr FlagEntry kCheckBoxFlags[] = {
    {u"KV_CheckBox_Right", kCheckBoxRight},
    {u"KV_CheckBox_Center", kCheckBoxCenter},
    {u"KV_CheckBox_ThreeState", kCheckBoxThreeState},
};

inline constexpr FlagEntry kImageFlags[] = {
    {u"KV_Image_Raised", kImageRaised},
    {u"KV_Image_Border", kImageBorder},
};

inline constexpr FlagEntry kListViewFlags[] = {
    {u"KV_ListView_MultiSelect", kListViewMultiSelect},
    {u"KV_ListView_ClickSelect", 8u},
};

inline constexpr FlagEntry kListIconFlags[] = {
    {u"KV_ListIcon_CheckBoxes", kListIconCheckBoxes},
    {u"KV_ListIcon_MultiSelect", kListIconMultiSelect},
    {u"KV_ListIcon_GridLines", 65536u},
    {u"KV_ListIcon_FullRowSelect", 1073741824u},
    {u"KV_ListIcon_HeaderDragDrop", 268435456u},
    {u"KV_ListIcon_AlwaysShowSelection", 8u},
    {u"KV_ListIcon_ThreeState", kListIconThreeState},
};

inline constexpr FlagEntry kTreeFlags[] = {
    {u"KV_Tree_AlwaysShowSelection", 32u},
    {u"KV_Tree_NoLines", 2u},
    {u"KV_Tree_NoButtons", 1u},
    {u"KV_Tree_CheckBoxes", kTreeCheckBoxes},
    {u"KV_Tree_ThreeState", kTreeThreeState},
};

inline constexpr FlagEntry kContainerFlags[] = {
    {u"KV_Container_BorderLess", kContainerBorderLess}, {u"KV_Container_Flat", kContainerFlat},
    {u"KV_Container_Raised", kContainerRaised},         {u"KV_Container_Single", kContainerSingle},
    {u"KV_Container_Double", kContainerDouble},
};

inline constexpr FlagEntry kComboBoxFlags[] = {
    {u"KV_ComboBox_Editable", kComboBoxEditable},
    {u"KV_ComboBox_LowerCase", 16384u},
    {u"KV_ComboBox_UpperCase", 8192u},
    {u"KV_ComboBox_Image", 268435456u},
};

inline constexpr FlagEntry kTextFlags[] = {
    {u"KV_Text_Center", kTextCenter},
    {u"KV_Text_Right", kTextRight},
    {u"KV_Text_Border", kTextBorder},
};

inline constexpr FlagEntry kStringFlags[] = {
    {u"KV_String_Password", kStringPassword},
    {u"KV_String_ReadOnly", kStringReadOnly},
    {u"KV_String_Numeric", 8192u},
    {u"KV_String_LowerCase", 16u},
    {u"KV_String_UpperCase", 8u},
    {u"KV_String_BorderLess", kStringBorderLess},
    {u"KV_String_AutoComplete", 268435456u},
    {u"KV_String_AutoInsert", 1073741824u},
};

inline constexpr FlagEntry kScrollAreaFlags[] = {
    {u"KV_ScrollArea_Flat", 1u},    {u"KV_ScrollArea_Raised", 2u},
    {u"KV_ScrollArea_Single", 4u},  {u"KV_ScrollArea_BorderLess", 8u},
    {u"KV_ScrollArea_Center", 16u},
};

inline constexpr FlagEntry kFrameFlags[] = {
    {u"KV_Frame_Double", kFrameDouble},
    {u"KV_Frame_Single", kFrameSingle},
    {u"KV_Frame_Flat", kFrameFlat},
};

inline constexpr FlagEntry kEditorFlags[] = {
    {u"KV_Editor_ReadOnly", kEditorReadOnly},
    {u"KV_Editor_WordWrap", kEditorWordWrap},
};

inline constexpr FlagEntry kScrollBarFlags[] = {
    {u"KV_ScrollBar_Vertical", kScrollBarVertical},
};

inline constexpr FlagEntry kProgressBarFlags[] = {
    {u"KV_ProgressBar_Smooth", 1u},
    {u"KV_ProgressBar_Vertical", kProgressBarVertical},
};

inline constexpr FlagEntry kExplorerListFlags[] = {
    {u"KV_Explorer_NoMyDocuments", 512u},
    {u"KV_Explorer_NoFiles", 1u},
    {u"KV_Explorer_NoDriveRequester", 16u},
    {u"KV_Explorer_AutoSort", 64u},
    {u"KV_Explorer_BorderLess", 1048576u},
    {u"KV_Explorer_AlwaysShowSelection", 16777216u},
    {u"KV_Explorer_NoParentFolder", 2u},
    {u"KV_Explorer_NoFolders", 4u},
    {u"KV_Explorer_NoDirectoryChange", 8u},
    {u"KV_Explorer_NoSort", 32u},
    {u"KV_Explorer_MultiSelect", kExplorerMultiSelect},
    {u"KV_Explorer_GridLines", 4194304u},
    {u"KV_Explorer_HeaderDragDrop", 8388608u},
    {u"KV_Explorer_FullRowSelect", 33554432u},
};

inline constexpr FlagEntry kExplorerTreeFlags[] = {
    {u"KV_Explorer_BorderLess", 1048576u},  {u"KV_Explorer_AlwaysShowSelection", 16777216u},
    {u"KV_Explorer_NoLines", 67108864u},    {u"KV_Explorer_NoButtons", 134217728u},
    {u"KV_Explorer_NoMyDocuments", 512u},   {u"KV_Explorer_NoFiles", 1u},
    {u"KV_Explorer_NoDriveRequester", 16u}, {u"KV_Explorer_AutoSort", 64u},
};

inline constexpr FlagEntry kExplorerComboFlags[] = {
    {u"KV_Explorer_NoMyDocuments", 512u},
    {u"KV_Explorer_DrivesOnly", 128u},
    {u"KV_Explorer_Editable", kExplorerEditable},
};

inline constexpr FlagEntry kSplitterFlags[] = {
    {u"KV_Splitter_Vertical", geometry::kSplitterVertical},
    {u"KV_Splitter_Separator", geometry::kSplitterSeparator},
    {u"KV_Splitter_FirstFixed", geometry::kSplitterFirstFixed},
    {u"KV_Splitter_SecondFixed", geometry::kSplitterSecondFixed},
};

inline constexpr FlagEntry kButtonImageFlags[] = {
    {u"KV_Button_Toggle", kButtonToggle},
};

inline constexpr FlagEntry kTrackBarFlags[] = {
    {u"KV_TrackBar_Ticks", kTrackBarTicks},
    {u"KV_TrackBar_Vertical", kTrackBarVertical},
};

inline constexpr FlagEntry kCanvasFlags[] = {
    {u"KV_Canvas_ClipMouse", 2u},
    {u"KV_Canvas_Border", kCanvasBorder},
    {u"KV_Canvas_Keyboard", 4u},
    {u"KV_Canvas_DrawFocus", 8u},
};

inline constexpr FlagEntry kCalendarFlags[] = {
    {u"KV_Calendar_Borderless", kCalendarBorderless},
};

inline constexpr FlagEntry kDateFlags[] = {
    {u"KV_Date_UpDown", 1u},
    {u"KV_Date_CheckBox", kDateCheckBox},
};

inline constexpr FlagEntry kSpinFlags[] = {
    {u"KV_Spin_ReadOnly", kSpinReadOnly},
    {u"KV_Spin_Numeric", 2u},
};

inline constexpr FlagEntry kHyperLinkFlags[] = {
    {u"KV_HyperLink_Underline", kHyperLinkUnderline},
};

// The kind's flag table in lookup order; empty for kinds without flags.
std::span<const FlagEntry> flag_table(DialogKind kind);

}  // namespace ambrel
