#pragma once

// What a window's client area shows on the screen now, its controls included, nothing drawn
// again for the look.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace ambrel {

inline std::vector<std::uint32_t> shown_pixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = client.right;
  format.bmiHeader.biHeight = -client.bottom;  // top row first
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(client.right) * client.bottom);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(client.bottom), pixels.data(), &format,
            DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return pixels;
}

// How many pixels differ between two pictures of one size.
inline std::size_t pixels_differing(const std::vector<std::uint32_t>& one,
                                    const std::vector<std::uint32_t>& other) {
  std::size_t differing =
      one.size() > other.size() ? one.size() - other.size() : other.size() - one.size();
  for (std::size_t i = 0; i < one.size() && i < other.size(); ++i) differing += one[i] != other[i];
  return differing;
}

}  // namespace ambrel
