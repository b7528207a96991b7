#include "app/application.h"

#include <string>
#include <utility>
#include <vector>

#include "app/tool_window.h"
#include "embedded/embedded_definition.h"
#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "services/services.h"
#include "support/object_registry.h"
#include "support/requester.h"
#include "ui/drop.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {

namespace {

// What runs from start to end: the services, and the main window on them.
struct RunningApplication {
  std::unique_ptr<Services> services;
  std::unique_ptr<ToolWindow> window;
};

// The one instance: the runtime procedures reach the window through it.
std::unique_ptr<RunningApplication> running;

// A runtime procedure, or the menu's event procedure: the window's command, while it is open.
template <void (ToolWindow::*command)()>
void on_window() {
  if (ToolWindow* window = application_window()) (window->*command)();
}

// Under the names the definition binds.
void register_procedures() {
  runtime_register_procedure(kCopyAllProcedure, on_window<&ToolWindow::copy_all>);
  runtime_register_procedure(kOpenFileProcedure, on_window<&ToolWindow::open_file>);
  runtime_register_procedure(kOutputEventProcedure, on_window<&ToolWindow::output_event>);
  runtime_register_procedure(kInputEventProcedure, on_window<&ToolWindow::input_event>);
  runtime_register_procedure(kClearProcedure, on_window<&ToolWindow::clear>);
  runtime_register_procedure(kPasteProcedure, on_window<&ToolWindow::paste>);
}

// The requester's dialog is the backend's; the support layer cannot see it.
std::u16string ask_backend_for_file(const RequesterDialogRequest& request) {
  OpenFileRequest file_request;
  file_request.title = request.title;
  file_request.initial_directory = request.initial_directory;
  file_request.proposed_name = request.proposed_name;
  for (const RequesterFilter& filter : request.filters) {
    file_request.filters.push_back({filter.description, filter.pattern});
  }
  file_request.selected_filter = request.selected_filter;
  BackendDesktop* desktop = ui_desktop();
  return desktop ? desktop->ask_open_file(file_request) : std::u16string();
}

// The definition is part of the program, so its parse and open are not checked; the
// document stays until the XML service ends.
void open_main_window(OutputChoices choices) {
  std::int32_t dialog = dialog_create(kAnyNumber);
  int definition = xml_parse_text(kAnyNumber, embedded_dialog_definition());
  dialog_open(dialog, definition, u"wndMain", 0, 0);
  running->window = std::make_unique<ToolWindow>(dialog, std::move(choices));
  bind_event(kEventMenu, on_window<&ToolWindow::choose_output>, running->window->window());
}

}  // namespace

int application_start(std::unique_ptr<Backend> backend, OutputChoices choices) {
  std::unique_ptr<Services> services = Services::start(std::move(backend));
  if (!services) return 1;
  running = std::make_unique<RunningApplication>();
  running->services = std::move(services);
  set_open_file_dialog(ask_backend_for_file);
  register_procedures();
  open_main_window(std::move(choices));
  return 0;
}

ToolWindow* application_window() { return running ? running->window.get() : nullptr; }

std::int32_t application_dialog() {
  ToolWindow* window = application_window();
  return window ? window->dialog() : 0;
}

bool application_handle_event(int code) {
  ToolWindow* window = application_window();
  if (code == kEventCloseWindow) return false;
  if (!window) return true;
  if (code == kEventGadgetDrop) {
    std::vector<std::u16string> files = event_drop_file_list();
    if (!files.empty()) window->load_file(files.front());
  } else if (code == kEventTimer) {
    window->regenerate();
  }
  return true;
}

void application_run_loop() {
  while (application_handle_event(window_wait_event_forever())) {}
}

void application_end() {
  if (!running) return;
  running->window.reset();
  dialog_free(kAnyNumber);
  running.reset();
}

int run_application(std::unique_ptr<Backend> backend, const NativePath& file,
                    OutputChoices choices) {
  if (application_start(std::move(backend), std::move(choices)) != 0) return 1;
  application_window()->load_file(file);
  application_run_loop();
  application_end();
  return 0;
}

}  // namespace ambrel
