#include "dialog/flag_tables.h"

namespace ambrel {
namespace {

constexpr FlagEntry kWindowFlags[] = {
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

constexpr FlagEntry kButtonFlags[] = {
    {u"KV_Button_Right", 512u},
    {u"KV_Button_Left", 256u},
    {u"KV_Button_Default", 1u},
    {u"KV_Button_MultiLine", 8192u},
    {u"KV_Button_Toggle", 4099u},
};

constexpr FlagEntry kCheckBoxFlags[] = {
    {u"KV_CheckBox_Right", 512u},
    {u"KV_CheckBox_Center", 768u},
    {u"KV_CheckBox_ThreeState", 5u},
};

constexpr FlagEntry kImageFlags[] = {
    {u"KV_Image_Raised", 1u},
    {u"KV_Image_Border", 512u},
};

constexpr FlagEntry kListViewFlags[] = {
    {u"KV_ListView_MultiSelect", 2048u},
    {u"KV_ListView_ClickSelect", 8u},
};

constexpr FlagEntry kListIconFlags[] = {
    {u"KV_ListIcon_CheckBoxes", 1u},
    {u"KV_ListIcon_MultiSelect", 4u},
    {u"KV_ListIcon_GridLines", 65536u},
    {u"KV_ListIcon_FullRowSelect", 1073741824u},
    {u"KV_ListIcon_HeaderDragDrop", 268435456u},
    {u"KV_ListIcon_AlwaysShowSelection", 8u},
    {u"KV_ListIcon_ThreeState", 64u},
};

constexpr FlagEntry kTreeFlags[] = {
    {u"KV_Tree_AlwaysShowSelection", 32u},
    {u"KV_Tree_NoLines", 2u},
    {u"KV_Tree_NoButtons", 1u},
    {u"KV_Tree_CheckBoxes", 256u},
    {u"KV_Tree_ThreeState", 65536u},
};

constexpr FlagEntry kContainerFlags[] = {
    {u"KV_Container_BorderLess", 0u},
    {u"KV_Container_Flat", 1u},
    {u"KV_Container_Raised", 2u},
    {u"KV_Container_Single", 4u},
    {u"KV_Container_Double", 8u},
};

constexpr FlagEntry kComboBoxFlags[] = {
    {u"KV_ComboBox_Editable", 66u},
    {u"KV_ComboBox_LowerCase", 16384u},
    {u"KV_ComboBox_UpperCase", 8192u},
    {u"KV_ComboBox_Image", 268435456u},
};

constexpr FlagEntry kTextFlags[] = {
    {u"KV_Text_Center", 1u},
    {u"KV_Text_Right", 2u},
    {u"KV_Text_Border", 131072u},
};

constexpr FlagEntry kStringFlags[] = {
    {u"KV_String_Password", 32u},
    {u"KV_String_ReadOnly", 2048u},
    {u"KV_String_Numeric", 8192u},
    {u"KV_String_LowerCase", 16u},
    {u"KV_String_UpperCase", 8u},
    {u"KV_String_BorderLess", 131072u},
    {u"KV_String_AutoComplete", 268435456u},
    {u"KV_String_AutoInsert", 1073741824u},
};

constexpr FlagEntry kScrollAreaFlags[] = {
    {u"KV_ScrollArea_Flat", 1u},
    {u"KV_ScrollArea_Raised", 2u},
    {u"KV_ScrollArea_Single", 4u},
    {u"KV_ScrollArea_BorderLess", 8u},
    {u"KV_ScrollArea_Center", 16u},
};

constexpr FlagEntry kFrameFlags[] = {
    {u"KV_Frame_Double", 1u},
    {u"KV_Frame_Single", 2u},
    {u"KV_Frame_Flat", 3u},
};

constexpr FlagEntry kEditorFlags[] = {
    {u"KV_Editor_ReadOnly", 2048u},
    {u"KV_Editor_WordWrap", 268435456u},
};

constexpr FlagEntry kScrollBarFlags[] = {
    {u"KV_ScrollBar_Vertical", 1u},
};

constexpr FlagEntry kProgressBarFlags[] = {
    {u"KV_ProgressBar_Smooth", 1u},
    {u"KV_ProgressBar_Vertical", 4u},
};

constexpr FlagEntry kExplorerListFlags[] = {
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
    {u"KV_Explorer_MultiSelect", 2097152u},
    {u"KV_Explorer_GridLines", 4194304u},
    {u"KV_Explorer_HeaderDragDrop", 8388608u},
    {u"KV_Explorer_FullRowSelect", 33554432u},
};

constexpr FlagEntry kExplorerTreeFlags[] = {
    {u"KV_Explorer_BorderLess", 1048576u},
    {u"KV_Explorer_AlwaysShowSelection", 16777216u},
    {u"KV_Explorer_NoLines", 67108864u},
    {u"KV_Explorer_NoButtons", 134217728u},
    {u"KV_Explorer_NoMyDocuments", 512u},
    {u"KV_Explorer_NoFiles", 1u},
    {u"KV_Explorer_NoDriveRequester", 16u},
    {u"KV_Explorer_AutoSort", 64u},
};

constexpr FlagEntry kExplorerComboFlags[] = {
    {u"KV_Explorer_NoMyDocuments", 512u},
    {u"KV_Explorer_DrivesOnly", 128u},
    {u"KV_Explorer_Editable", 256u},
};

constexpr FlagEntry kSplitterFlags[] = {
    {u"KV_Splitter_Vertical", 1u},
    {u"KV_Splitter_Separator", 2u},
    {u"KV_Splitter_FirstFixed", 4u},
    {u"KV_Splitter_SecondFixed", 8u},
};

constexpr FlagEntry kButtonImageFlags[] = {
    {u"KV_Button_Toggle", 4099u},
};

constexpr FlagEntry kTrackBarFlags[] = {
    {u"KV_TrackBar_Ticks", 1u},
    {u"KV_TrackBar_Vertical", 2u},
};

constexpr FlagEntry kCanvasFlags[] = {
    {u"KV_Canvas_ClipMouse", 2u},
    {u"KV_Canvas_Border", 1u},
    {u"KV_Canvas_Keyboard", 4u},
    {u"KV_Canvas_DrawFocus", 8u},
};

constexpr FlagEntry kCalendarFlags[] = {
    {u"KV_Calendar_Borderless", 8388608u},
};

constexpr FlagEntry kDateFlags[] = {
    {u"KV_Date_UpDown", 1u},
    {u"KV_Date_CheckBox", 2u},
};

constexpr FlagEntry kSpinFlags[] = {
    {u"KV_Spin_ReadOnly", 1u},
    {u"KV_Spin_Numeric", 2u},
};

constexpr FlagEntry kHyperLinkFlags[] = {
    {u"KV_HyperLink_Underline", 1u},
};

}  // namespace

std::span<const FlagEntry> flag_table(DialogKind kind) {
  switch (kind) {
    case DialogKind::Window: return kWindowFlags;
    case DialogKind::Button: return kButtonFlags;
    case DialogKind::CheckBox: return kCheckBoxFlags;
    case DialogKind::Image: return kImageFlags;
    case DialogKind::ListView: return kListViewFlags;
    case DialogKind::ListIcon: return kListIconFlags;
    case DialogKind::Tree: return kTreeFlags;
    case DialogKind::Container: return kContainerFlags;
    case DialogKind::ComboBox: return kComboBoxFlags;
    case DialogKind::Text: return kTextFlags;
    case DialogKind::String: return kStringFlags;
    case DialogKind::ScrollArea: return kScrollAreaFlags;
    case DialogKind::Frame: return kFrameFlags;
    case DialogKind::Editor: return kEditorFlags;
    case DialogKind::ScrollBar: return kScrollBarFlags;
    case DialogKind::ProgressBar: return kProgressBarFlags;
    case DialogKind::ExplorerList: return kExplorerListFlags;
    case DialogKind::ExplorerTree: return kExplorerTreeFlags;
    case DialogKind::ExplorerCombo: return kExplorerComboFlags;
    case DialogKind::Splitter: return kSplitterFlags;
    case DialogKind::ButtonImage: return kButtonImageFlags;
    case DialogKind::TrackBar: return kTrackBarFlags;
    case DialogKind::Canvas: return kCanvasFlags;
    case DialogKind::Calendar: return kCalendarFlags;
    case DialogKind::Date: return kDateFlags;
    case DialogKind::Spin: return kSpinFlags;
    case DialogKind::HyperLink: return kHyperLinkFlags;
    default: return {};
  }
}

}  // namespace ambrel
