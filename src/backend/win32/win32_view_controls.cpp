// The view family on Win32: the code editor is the Scintilla editor, the web page a static
// text, the calendar a month calendar, the hyperlink a link control showing its caption as
// markup and reporting a click or Enter on it as command Click.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_editor.h"
#include "backend/win32/win32_family_controls.h"

namespace ambrel {

namespace {

// What a hyperlink keeps: its caption without the markup.
struct LinkCaption {
  std::u16string text;
};

}  // namespace

HWND make_window(ViewKind kind, const ControlRequest& request, HWND parent,
                 Win32ControlRecord& control, Win32Backend& backend) {
  DWORD tab_stop = tab_stop_bit(request.style);
  switch (kind) {
    case ViewKind::CodeEditor:
      return make_editor(request, parent, control, backend);
    case ViewKind::Web:
      return family_child(L"Static", request.text, SS_NOPREFIX | SS_LEFT, 0, parent);
    case ViewKind::Calendar:
      return family_child(MONTHCAL_CLASSW, u"", tab_stop, 0, parent);
    case ViewKind::HyperLink: {
      control.kind_state = LinkCaption{request.text};
      std::wstring markup = link_markup(request.text);
      return CreateWindowExW(0, WC_LINK, markup.c_str(), WS_CHILD | WS_CLIPSIBLINGS | tab_stop, 0,
                             0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
  }
  return nullptr;
}

bool family_notice(ViewKind kind, const ControlNotice& notice, Win32Backend& backend) {
  switch (kind) {
    case ViewKind::CodeEditor:
      return editor_notice(notice, backend);
    case ViewKind::HyperLink: {
      bool activated = notice.code == NM_CLICK || notice.code == NM_RETURN;
      if (notice.message != WM_NOTIFY || !activated) return false;
      backend.report_command(notice.source, ControlCommand::Click);
      return true;
    }
    case ViewKind::Web:
    case ViewKind::Calendar:
      break;
  }
  return false;
}

std::u16string family_text(ViewKind kind, const Win32ControlRecord& control) {
  switch (kind) {
    case ViewKind::CodeEditor:
      return editor_text(control.hwnd);
    case ViewKind::HyperLink:
      if (const auto* caption = kind_state<LinkCaption>(control)) return caption->text;
      break;
    case ViewKind::Web:
    case ViewKind::Calendar:
      break;
  }
  return window_text(control.hwnd);
}

bool set_family_text(ViewKind kind, Win32ControlRecord& control, std::u16string_view text) {
  switch (kind) {
    case ViewKind::CodeEditor:
      set_editor_text(control, text);
      return true;
    case ViewKind::HyperLink:
      control.kind_state = LinkCaption{std::u16string(text)};
      SetWindowTextW(control.hwnd, link_markup(text).c_str());
      return true;
    case ViewKind::Web:
    case ViewKind::Calendar:
      break;
  }
  return false;
}

// The calendar measures the month it shows and its "today" line.
Size family_minimum_size(ViewKind kind, const Win32ControlRecord& control) {
  switch (kind) {
    case ViewKind::Calendar: {
      RECT rect{};
      SendMessageW(control.hwnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rect));
      auto today = static_cast<int>(SendMessageW(control.hwnd, MCM_GETMAXTODAYWIDTH, 0, 0));
      return {std::max<int>(rect.right - rect.left, today), rect.bottom - rect.top};
    }
    case ViewKind::CodeEditor:
    case ViewKind::Web:
    case ViewKind::HyperLink:
      break;
  }
  return window_size(control.hwnd);
}

}  // namespace ambrel
