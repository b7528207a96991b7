// Pictures of a window's client area as PNG files, through GDI+, which every Windows (and
// Wine) has, so no image library travels with the program.

#include <windows.h>
#include <gdiplus.h>

#include <string>

#include "backend/win32/win32_backend.h"

namespace ambrel {

namespace {

// GDI+'s PNG encoder.
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

std::wstring wide_path(const std::string& utf8) {
  int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                   static_cast<int>(utf8.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring path(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                      path.data(), length);
  return path;
}

// GDI+ started for as long as the object lives.
class GdiPlus {
 public:
  GdiPlus() {
    Gdiplus::GdiplusStartupInput input;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiPlus() {
    if (started_) Gdiplus::GdiplusShutdown(token_);
  }
  GdiPlus(const GdiPlus&) = delete;
  GdiPlus& operator=(const GdiPlus&) = delete;
  bool started() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

bool save_png(HBITMAP bitmap, const std::wstring& path) {
  GdiPlus gdi_plus;
  if (!gdi_plus.started()) return false;
  Gdiplus::GpBitmap* image = nullptr;
  if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) != Gdiplus::Ok)
    return false;
  bool saved = Gdiplus::DllExports::GdipSaveImageToFile(image, path.c_str(), &kPngEncoder,
                                                        nullptr) == Gdiplus::Ok;
  Gdiplus::DllExports::GdipDisposeImage(image);
  return saved;
}

// The client area as it is on the screen now, its controls included: what was drawn is
// copied rather than drawn again, as not every control paints itself on request.
HBITMAP capture_client(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  if (client.right <= 0 || client.bottom <= 0) return nullptr;
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC screen = GetDC(window);
  if (!screen) return nullptr;
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  bool copied = false;
  if (memory && bitmap) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY) != 0;
    SelectObject(memory, previous);
  }
  if (memory) DeleteDC(memory);
  ReleaseDC(window, screen);
  if (!copied && bitmap) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

// The client area as it is on the screen.
bool Win32Backend::save_window_image(NativeHandle window, const std::string& png_path) {
  const WindowInfo* info = find_window(window);
  std::wstring path = wide_path(png_path);
  // A hidden window has nothing on the screen to copy.
  if (!info || path.empty() || !IsWindowVisible(info->hwnd)) return false;
  HBITMAP bitmap = capture_client(info->hwnd);
  if (!bitmap) return false;
  bool saved = save_png(bitmap, path);
  DeleteObject(bitmap);
  return saved;
}

}  // namespace ambrel
