// ambrel.exe: the desktop tool on the Win32 backend.

#include <windows.h>

#include <memory>

#include "app/application.h"
#include "ui/backend/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return ambrel::run_application(std::make_unique<ambrel::Win32Backend>());
}
