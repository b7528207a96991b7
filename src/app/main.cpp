// ambrel: the desktop tool.

#include <memory>

#include "app/application.h"
#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/output_choices.h"
#include "support/platform_file.h"
#include "support/settings_store.h"
#include "support/utf8_arguments.h"
#include "backend/qt/qt_backend.h"

int main(int argc, char** argv) {
  ambrel::CommandLineOutcome line =
      ambrel::read_command_line(ambrel::utf8_arguments(argc, argv), AMBREL_VERSION);
  if (!line.open_window) return ambrel::report_command_line(line);
  auto backend = std::make_unique<ambrel::QtBackend>();
  ambrel::apply_desktop_identity();
  return ambrel::run_application(
      std::move(backend), ambrel::native_path_of_argument(line.file_to_load),
      ambrel::OutputChoices(ambrel::SettingsStore(ambrel::SettingsStore::user_location("ambrel")),
                            line.identifiers));
}
