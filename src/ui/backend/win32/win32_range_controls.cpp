// The range family on Win32: scroll bar, progress bar and track bar, across or down as the
// style says, each with its range. The bars the user moves report each action as command 0.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_family_controls.h"

namespace ambrel {

namespace {

void set_range(HWND control, ControlKind kind, const ControlRange& range) {
  switch (kind) {
    case ControlKind::ScrollBar: {
      SCROLLINFO info{sizeof(SCROLLINFO),
                      SIF_RANGE | SIF_PAGE,
                      range.minimum,
                      range.maximum,
                      static_cast<UINT>(std::max(range.page, 0)),
                      0,
                      0};
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

HWND make_bar(const ControlRequest& request, HWND parent) {
  const ControlStyle& style = request.style;
  switch (request.kind) {
    case ControlKind::ScrollBar:
      return family_child(L"ScrollBar", u"", style.vertical ? SBS_VERT : SBS_HORZ, 0, parent);
    case ControlKind::ProgressBar:
      return family_child(PROGRESS_CLASSW, u"", style.vertical ? PBS_VERTICAL : 0, 0, parent);
    case ControlKind::TrackBar:
      return family_child(TRACKBAR_CLASSW, u"",
                          (style.vertical ? TBS_VERT : TBS_HORZ) |
                              (style.ticks ? TBS_AUTOTICKS : TBS_NOTICKS) | tab_stop_bit(style),
                          0, parent);
    default:
      return nullptr;
  }
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

HWND Win32Backend::make_range_window(const ControlRequest& request, HWND parent, ControlInfo&) {
  HWND bar = make_bar(request, parent);
  if (bar) set_range(bar, request.kind, request.range);
  return bar;
}

bool Win32Backend::range_notice(const ControlNotice& notice) {
  bool scrolled = notice.message == WM_HSCROLL || notice.message == WM_VSCROLL;
  if (!scrolled || (notice.kind != ControlKind::ScrollBar && notice.kind != ControlKind::TrackBar))
    return false;
  if (notice.kind == ControlKind::ScrollBar)
    move_scroll_bar(notice.source, static_cast<int>(notice.code));
  report_command(notice.source, kClickCommand);
  return true;
}

}  // namespace ambrel
