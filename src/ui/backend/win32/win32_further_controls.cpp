// The further control kinds on the standard and common controls, with the styles the kind's
// flags ask for, and the notifications through which they report the user's actions.

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_text.h"
#include "ui/backend/win32/win32_window_classes.h"

namespace ambrel {

namespace {

constexpr int kClick = 0;
constexpr int kDoubleClick = 2;
constexpr int kChange = 768;
// A list icon's first column, as wide as the dialog engine creates it.
constexpr int kFirstColumnWidth = 300;

HWND child(const wchar_t* window_class, std::u16string_view text, DWORD style, DWORD ex_style, HWND parent,
           void* data = nullptr) {
  std::wstring caption = to_wide(text);
  return CreateWindowExW(ex_style, window_class, caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                         parent, nullptr, GetModuleHandleW(nullptr), data);
}

HWND make_list_icon(const ControlSpec& spec, HWND parent, DWORD tab_stop) {
  DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS | (spec.style.multi_select ? 0 : LVS_SINGLESEL) | tab_stop;
  HWND list = child(WC_LISTVIEWW, u"", style, WS_EX_CLIENTEDGE, parent);
  if (!list) return nullptr;
  DWORD extended = LVS_EX_FULLROWSELECT | (spec.style.check_boxes ? LVS_EX_CHECKBOXES : 0);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  std::wstring title = to_wide(spec.text);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = kFirstColumnWidth;
  column.pszText = title.data();
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  return list;
}

void set_range(HWND control, ControlKind kind, const ControlRange& range) {
  switch (kind) {
    case ControlKind::ScrollBar: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, range.minimum, range.maximum,
                      static_cast<UINT>(std::max(range.page, 0)), 0, 0};
      SetScrollInfo(control, SB_CTL, &info, TRUE);
      break;
    }
    case ControlKind::ProgressBar:
      SendMessageW(control, PBM_SETRANGE32, static_cast<WPARAM>(range.minimum), range.maximum);
      break;
    case ControlKind::TrackBar:
      SendMessageW(control, TBM_SETRANGEMIN, FALSE, range.minimum);
      SendMessageW(control, TBM_SETRANGEMAX, TRUE, range.maximum);
      break;
    default:
      break;
  }
}

}  // namespace

HWND Win32Backend::make_further_window(const ControlSpec& spec, HWND parent, ControlInfo& info) {
  const ControlStyle& style = spec.style;
  DWORD tab_stop = style.tab_stop ? WS_TABSTOP : 0;
  HWND control = nullptr;
  switch (spec.kind) {
    case ControlKind::CheckBox:
      return child(L"Button", spec.text, (style.three_state ? BS_AUTO3STATE : BS_AUTOCHECKBOX) | tab_stop, 0, parent);
    case ControlKind::Option: {
      // An option after a control of another kind starts a new group.
      auto last = last_created_.find(spec.parent.value);
      bool continues = last != last_created_.end() && last->second == ControlKind::Option;
      return child(L"Button", spec.text, BS_AUTORADIOBUTTON | (continues ? 0 : WS_GROUP) | tab_stop, 0, parent);
    }
    case ControlKind::String:
      return child(L"Edit", spec.text, ES_AUTOHSCROLL | (style.password ? ES_PASSWORD : 0) | tab_stop,
                   WS_EX_CLIENTEDGE, parent);
    case ControlKind::Image:
    case ControlKind::Web:
      return child(L"Static", spec.text, SS_NOPREFIX | SS_LEFT, 0, parent);
    case ControlKind::Canvas:
      return child(kContainerClass, u"", 0, 0, parent, this);
    case ControlKind::ButtonImage:
      return child(L"Button", spec.text, BS_PUSHBUTTON | tab_stop, 0, parent);
    case ControlKind::ListView:
    case ControlKind::ExplorerList:
      return child(L"ListBox", u"",
                   LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (style.multi_select ? LBS_EXTENDEDSEL : 0) | tab_stop,
                   WS_EX_CLIENTEDGE, parent);
    case ControlKind::ListIcon:
      return make_list_icon(spec, parent, tab_stop);
    case ControlKind::Tree:
    case ControlKind::ExplorerTree:
      return child(WC_TREEVIEWW, u"",
                   TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS |
                       (style.check_boxes ? TVS_CHECKBOXES : 0) | tab_stop,
                   WS_EX_CLIENTEDGE, parent);
    case ControlKind::ComboBox:
    case ControlKind::ExplorerCombo:
      return child(L"ComboBox", u"", (style.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST) | WS_VSCROLL | tab_stop,
                   0, parent);
    case ControlKind::ScrollBar:
      control = child(L"ScrollBar", u"", style.vertical ? SBS_VERT : SBS_HORZ, 0, parent);
      break;
    case ControlKind::ProgressBar:
      control = child(PROGRESS_CLASSW, u"", style.vertical ? PBS_VERTICAL : 0, 0, parent);
      break;
    case ControlKind::TrackBar:
      control = child(TRACKBAR_CLASSW, u"",
                      (style.vertical ? TBS_VERT : TBS_HORZ) | (style.ticks ? TBS_AUTOTICKS : TBS_NOTICKS) | tab_stop, 0,
                      parent);
      break;
    case ControlKind::Spin: {
      control = child(L"Edit", u"", ES_NUMBER | ES_AUTOHSCROLL | tab_stop, WS_EX_CLIENTEDGE, parent);
      if (!control) return nullptr;
      info.inner = child(UPDOWN_CLASSW, u"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, parent);
      SendMessageW(info.inner, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control), 0);
      SendMessageW(info.inner, UDM_SETRANGE32, static_cast<WPARAM>(spec.range.minimum), spec.range.maximum);
      SendMessageW(info.inner, UDM_SETPOS32, 0, spec.range.minimum);
      ShowWindow(info.inner, SW_SHOWNA);
      return control;
    }
    case ControlKind::Shortcut:
      return child(HOTKEY_CLASSW, u"", tab_stop, 0, parent);
    case ControlKind::Calendar:
      return child(MONTHCAL_CLASSW, u"", tab_stop, 0, parent);
    case ControlKind::Date:
      return child(DATETIMEPICK_CLASSW, u"", DTS_SHORTDATEFORMAT | tab_stop, 0, parent);
    case ControlKind::HyperLink: {
      info.link_caption = spec.text;
      std::wstring markup = link_markup(spec.text);
      return CreateWindowExW(0, WC_LINK, markup.c_str(), WS_CHILD | WS_CLIPSIBLINGS | tab_stop, 0, 0, 0, 0, parent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    case ControlKind::IpAddress:
      return child(WC_IPADDRESSW, u"", tab_stop, 0, parent);
    case ControlKind::Panel:
      return child(WC_TABCONTROLW, u"", WS_CLIPCHILDREN | tab_stop, WS_EX_CONTROLPARENT, parent);
    case ControlKind::ScrollArea: {
      control = child(kContainerClass, u"", WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT,
                      parent, this);
      if (!control) return nullptr;
      info.inner = child(kContainerClass, u"", WS_VISIBLE, WS_EX_CONTROLPARENT, control, this);
      return control;
    }
    default:
      return nullptr;
  }
  if (control) set_range(control, spec.kind, spec.range);
  return control;
}

bool Win32Backend::further_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    auto it = handles_.find(header->hwndFrom);
    if (it == handles_.end() || setting_text_) return false;
    ControlKind kind = tree_.kind(it->second);
    if (kind == ControlKind::HyperLink && (header->code == NM_CLICK || header->code == NM_RETURN)) {
      report_command(header->hwndFrom, kClick);
    } else if (kind == ControlKind::Panel && header->code == TCN_SELCHANGE) {
      show_current_page(it->second);
      report_command(header->hwndFrom, kChange);
    } else if ((kind == ControlKind::ListIcon || kind == ControlKind::Tree || kind == ControlKind::ExplorerTree) &&
               (header->code == NM_CLICK || header->code == NM_DBLCLK)) {
      report_command(header->hwndFrom, header->code == NM_DBLCLK ? kDoubleClick : kClick);
    } else if (kind == ControlKind::Date && header->code == DTN_DATETIMECHANGE) {
      report_command(header->hwndFrom, kChange);
    } else {
      return false;
    }
    return true;
  }
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    auto source = reinterpret_cast<HWND>(lparam);
    auto it = handles_.find(source);
    if (!source || it == handles_.end()) return false;
    ControlKind kind = tree_.kind(it->second);
    if (kind == ControlKind::ScrollBar) scroll_bar_action(source, LOWORD(wparam));
    if (kind == ControlKind::ScrollBar || kind == ControlKind::TrackBar) report_command(source, kClick);
    return kind == ControlKind::ScrollBar || kind == ControlKind::TrackBar;
  }
  if (message != WM_COMMAND || lparam == 0 || setting_text_) return false;
  auto source = reinterpret_cast<HWND>(lparam);
  auto it = handles_.find(source);
  if (it == handles_.end()) return false;
  ControlKind kind = tree_.kind(it->second);
  int code = HIWORD(wparam);
  bool clicked = code == BN_CLICKED && (kind == ControlKind::CheckBox || kind == ControlKind::Option ||
                                         kind == ControlKind::ButtonImage);
  bool changed = code == EN_CHANGE && (kind == ControlKind::String || kind == ControlKind::Spin);
  bool chosen = code == CBN_SELCHANGE && (kind == ControlKind::ComboBox || kind == ControlKind::ExplorerCombo);
  bool listed = (code == LBN_SELCHANGE || code == LBN_DBLCLK) &&
                (kind == ControlKind::ListView || kind == ControlKind::ExplorerList);
  if (clicked) report_command(source, kClick);
  if (changed || chosen) report_command(source, kChange);
  if (listed) report_command(source, code == LBN_DBLCLK ? kDoubleClick : kClick);
  return clicked || changed || chosen || listed;
}

// A scroll bar control moves only when told to.
void Win32Backend::scroll_bar_action(HWND bar, int action) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  int page = std::max(static_cast<int>(info.nPage), 1);
  int position = info.nPos;
  switch (action) {
    case SB_LINEUP:
      --position;
      break;
    case SB_LINEDOWN:
      ++position;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    default:
      return;
  }
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
}

}  // namespace ambrel
