// Text measured in a control's own font (WM_GETFONT) and the system's metrics, in the ui
// layer's units: the fewest that hold what was measured in pixels.

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_dpi.h"
#include "backend/win32/win32_fonts.h"
#include "backend/win32/win32_text.h"

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
  DpiScale scale = scale_of(handle);
  FontContext context(hwnd(handle), fonts_->gui(scale.dpi()));
  std::wstring wide = to_wide(text);
  SIZE extent{};
  GetTextExtentPoint32W(context.dc(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  return scale.measured_units(Size{extent.cx, extent.cy});
}

Size Win32Backend::text_block(NativeHandle handle, std::u16string_view text) const {
  DpiScale scale = scale_of(handle);
  FontContext context(hwnd(handle), fonts_->gui(scale.dpi()));
  std::wstring wide = to_wide(text);
  RECT block{0, 0, 0, 0};
  DrawTextW(context.dc(), wide.c_str(), static_cast<int>(wide.size()), &block,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  return scale.measured_units(Size{block.right, block.bottom});
}

// As a window at 96 DPI has them.
SystemMetrics Win32Backend::system_metrics() const {
  return {system_metric(SM_CXEDGE, kUnitDpi),    system_metric(SM_CYEDGE, kUnitDpi),
          system_metric(SM_CXBORDER, kUnitDpi),  system_metric(SM_CYBORDER, kUnitDpi),
          system_metric(SM_CXVSCROLL, kUnitDpi), system_metric(SM_CYHSCROLL, kUnitDpi)};
}

}  // namespace ambrel
