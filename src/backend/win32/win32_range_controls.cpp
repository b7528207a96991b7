// The range family on Win32: scroll bar, progress bar and track bar, across or down as the
// style says, each with its range. The bars the user moves report each action as command
// Click.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

namespace {

// Within [minimum, maximum]; a reversed range keeps the value.
int clamp_to_range(int value, int minimum, int maximum) {
  return minimum <= maximum ? std::clamp(value, minimum, maximum) : value;
}

// A scroll bar control moves only when told to.
void move_scroll_bar(HWND bar, int action) {
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

}  // namespace

HWND make_window(RangeKind kind, const ControlRequest& request, HWND parent, Win32ControlRecord&,
                 Win32Backend&) {
  const ControlStyle& style = request.style;
  const ControlRange& range = request.range;
  switch (kind) {
    case RangeKind::ScrollBar: {
      HWND bar = family_child(L"ScrollBar", u"", style.vertical ? SBS_VERT : SBS_HORZ, 0, parent);
      SCROLLINFO info{sizeof(SCROLLINFO),
                      SIF_RANGE | SIF_PAGE,
                      range.minimum,
                      range.maximum,
                      static_cast<UINT>(std::max(range.page, 0)),
                      0,
                      0};
      if (bar) SetScrollInfo(bar, SB_CTL, &info, TRUE);
      return bar;
    }
    case RangeKind::ProgressBar: {
      HWND bar = family_child(PROGRESS_CLASSW, u"", style.vertical ? PBS_VERTICAL : 0, 0, parent);
      if (bar) SendMessageW(bar, PBM_SETRANGE32, static_cast<WPARAM>(range.minimum), range.maximum);
      return bar;
    }
    case RangeKind::TrackBar: {
      HWND bar = family_child(TRACKBAR_CLASSW, u"",
                              (style.vertical ? TBS_VERT : TBS_HORZ) |
                                  (style.ticks ? TBS_AUTOTICKS : TBS_NOTICKS) | tab_stop_bit(style),
                              0, parent);
      if (bar) {
        SendMessageW(bar, TBM_SETRANGEMIN, FALSE, range.minimum);
        SendMessageW(bar, TBM_SETRANGEMAX, TRUE, range.maximum);
      }
      return bar;
    }
  }
  return nullptr;
}

bool family_notice(RangeKind kind, const ControlNotice& notice, Win32Backend& backend) {
  bool scrolled = notice.message == WM_HSCROLL || notice.message == WM_VSCROLL;
  if (!scrolled) return false;
  switch (kind) {
    case RangeKind::ScrollBar:
      move_scroll_bar(notice.source, static_cast<int>(notice.code));
      break;
    case RangeKind::TrackBar:
      break;
    case RangeKind::ProgressBar:
      return false;
  }
  backend.report_command(notice.source, ControlCommand::Click);
  return true;
}

// The position within the range.
int family_value(RangeKind kind, const Win32ControlRecord& control) {
  HWND hwnd = control.hwnd;
  switch (kind) {
    case RangeKind::ScrollBar:
      return GetScrollPos(hwnd, SB_CTL);
    case RangeKind::ProgressBar:
      return static_cast<int>(SendMessageW(hwnd, PBM_GETPOS, 0, 0));
    case RangeKind::TrackBar:
      return static_cast<int>(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
  }
  return 0;
}

// Kept within the range.
void set_family_value(RangeKind kind, Win32Backend&, NativeHandle, Win32ControlRecord& control,
                      int value) {
  HWND hwnd = control.hwnd;
  switch (kind) {
    case RangeKind::ScrollBar: {
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
      GetScrollInfo(hwnd, SB_CTL, &info);
      SetScrollPos(hwnd, SB_CTL, clamp_to_range(value, info.nMin, info.nMax), TRUE);
      return;
    }
    case RangeKind::ProgressBar: {
      PBRANGE range{};
      SendMessageW(hwnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
      SendMessageW(hwnd, PBM_SETPOS,
                   static_cast<WPARAM>(clamp_to_range(value, range.iLow, range.iHigh)), 0);
      return;
    }
    case RangeKind::TrackBar:
      SendMessageW(hwnd, TBM_SETPOS, TRUE, value);
      return;
  }
}

}  // namespace ambrel
