// ambrel.exe: the desktop tool on the Win32 backend.

#include <windows.h>

#include <memory>

#include "app/application.h"
#include "app/command_line.h"
#include "app/output_choices.h"
#include "support/platform_file.h"
#include "support/settings_store.h"
#include "support/utf8_arguments.h"
#include "backend/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  ambrel::CommandLineOutcome line =
      ambrel::read_command_line(ambrel::utf8_arguments(0, nullptr), AMBREL_VERSION);
  if (!line.open_window) return ambrel::report_command_line(line);
  return ambrel::run_application(
      std::make_unique<ambrel::Win32Backend>(), ambrel::native_path_of_argument(line.file_to_load),
      ambrel::OutputChoices(ambrel::SettingsStore(ambrel::SettingsStore::user_location("Ambrel")),
                            line.identifiers));
}
