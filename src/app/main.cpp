// ambrel: the desktop tool.

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "ui/backend/qt/qt_backend.h"

int main(int argc, char** argv) {
  ambrel::CommandLineOutcome line = ambrel::read_command_line(
      std::vector<std::string_view>(argv + 1, argv + argc), AMBREL_VERSION);
  std::fputs(line.standard_output.c_str(), stdout);
  std::fputs(line.standard_error.c_str(), stderr);
  if (!line.open_window) return line.exit_status;
  auto backend = std::make_unique<ambrel::QtBackend>();
  ambrel::apply_desktop_identity();
  return ambrel::run_application(std::move(backend));
}
