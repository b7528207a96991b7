#include "app/application.h"

#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "embedded/embedded_definition.h"
#include "dialog/dialog.h"
#include "services/services.h"
#include "support/object_registry.h"
#include "support/requester.h"
#include "ui/drop.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {

namespace {

constexpr int kBuildNumber = 7;
constexpr int kFileDropActions = kDropCopy | kDropMove | kDropLink;

std::int32_t main_dialog = 0;
std::unique_ptr<Services> services;

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
  main_dialog = dialog_create(kAnyNumber);
  int definition = xml_parse_text(kAnyNumber, embedded_dialog_definition());
  dialog_open(main_dialog, definition, u"wndMain", 0, 0);
  start_commands(main_dialog, std::move(choices));
  std::u16string title = u"Ambrel v.1.0.0.";
  for (char c : std::to_string(kBuildNumber)) title += static_cast<char16_t>(c);
  window_set_title(dialog_window(main_dialog), title.c_str());
  enable_gadget_drop(dialog_gadget(main_dialog, u"frameIn"), kDropFormatFiles, kFileDropActions);
}

}  // namespace

int application_start(std::unique_ptr<Backend> backend, OutputChoices choices) {
  services = Services::start(std::move(backend));
  if (!services) return 1;
  set_open_file_dialog(ask_backend_for_file);
  register_command_procedures();
  open_main_window(std::move(choices));
  return 0;
}

std::int32_t application_dialog() { return main_dialog; }

bool application_take_event(int code) {
  if (code == kEventCloseWindow) return false;
  if (code == kEventGadgetDrop) {
    std::vector<std::u16string> files = event_drop_file_list();
    if (!files.empty()) load_xml_file(files.front());
  } else if (code == kEventTimer) {
    regenerate();
  } else {
    take_command_event(code);
  }
  return true;
}

void application_run_loop() {
  while (application_take_event(window_wait_event_forever())) {}
}

void application_end() {
  end_commands();
  dialog_free(kAnyNumber);
  main_dialog = 0;
  services.reset();
}

int run_application(std::unique_ptr<Backend> backend, const NativePath& file,
                    OutputChoices choices) {
  if (application_start(std::move(backend), std::move(choices)) != 0) return 1;
  load_xml_file(file);
  application_run_loop();
  application_end();
  return 0;
}

}  // namespace ambrel
