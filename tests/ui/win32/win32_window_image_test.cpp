// Pictures of a Win32 window: a PNG of the client area's size, with what is drawn in it;
// false for a hidden window and a file that cannot be written.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "command_sink.h"
#include "backend/win32/win32_backend.h"

namespace ambrel {
namespace {

std::uint32_t big_endian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::string temp_path(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name;
}

class Win32WindowImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend.set_sink(&sink);
    WindowRequest request;
    request.title = u"picture";
    request.style.caption = true;
    request.client_size = {321, 123};
    window = backend.create_window(request);
    ASSERT_TRUE(window);
    ControlRequest button;
    button.kind = ControlKind::Button;
    button.parent = window;
    button.geometry = {10, 10, 120, 30};
    button.text = u"Picture";
    ASSERT_TRUE(backend.create_control(button));
  }
  void TearDown() override { DeleteFileA(picture.c_str()); }

  CommandSink sink;
  Win32Backend backend;
  NativeHandle window;
  std::string picture = temp_path("ambrel-window-image.png");
};

TEST_F(Win32WindowImageTest, APngOfTheClientAreasSize) {
  EXPECT_FALSE(backend.save_window_image(window, picture));  // not on the screen yet
  backend.show_window(window, true);
  while (backend.pump(0) != 0) {}
  ASSERT_TRUE(backend.save_window_image(window, picture));
  std::ifstream file(picture, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(bytes.substr(12, 4), "IHDR");
  EXPECT_EQ(big_endian(bytes, 16), 321u);
  EXPECT_EQ(big_endian(bytes, 20), 123u);
}

TEST_F(Win32WindowImageTest, AFileThatCannotBeWrittenOrAnUnknownWindowIsAFailure) {
  backend.show_window(window, true);
  EXPECT_FALSE(backend.save_window_image(window, temp_path("no-such-folder\\picture.png")));
  EXPECT_FALSE(backend.save_window_image(NativeHandle{987654}, picture));
}

}  // namespace
}  // namespace ambrel
