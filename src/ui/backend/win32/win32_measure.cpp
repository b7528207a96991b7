// Text measured in a control's own font (WM_GETFONT) and the system's metrics.

#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_fonts.h"
#include "ui/backend/win32/win32_text.h"

namespace ambrel {

namespace {

// A drawing context of the control's window with the control's font selected, put back as
// it was when the measure ends.
class FontContext {
 public:
  FontContext(HWND control, HFONT fallback) : window_(control) {
    dc_ = GetDC(window_);
    HFONT font =
        control ? reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) : nullptr;
    previous_ = SelectObject(dc_, font ? font : fallback);
  }
  ~FontContext() {
    SelectObject(dc_, previous_);
    ReleaseDC(window_, dc_);
  }
  FontContext(const FontContext&) = delete;
  FontContext& operator=(const FontContext&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

Size Win32Backend::text_extent(NativeHandle handle, std::u16string_view text) const {
  FontContext context(hwnd(handle), fonts_->gui());
  std::wstring wide = to_wide(text);
  SIZE extent{};
  GetTextExtentPoint32W(context.dc(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  return {extent.cx, extent.cy};
}

Size Win32Backend::text_block(NativeHandle handle, std::u16string_view text) const {
  FontContext context(hwnd(handle), fonts_->gui());
  std::wstring wide = to_wide(text);
  RECT block{0, 0, 0, 0};
  DrawTextW(context.dc(), wide.c_str(), static_cast<int>(wide.size()), &block,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  return {block.right, block.bottom};
}

SystemMetrics Win32Backend::system_metrics() const {
  return {GetSystemMetrics(SM_CXEDGE),    GetSystemMetrics(SM_CYEDGE),
          GetSystemMetrics(SM_CXBORDER),  GetSystemMetrics(SM_CYBORDER),
          GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

}  // namespace ambrel
