#include "app/commands.h"

#include <new>
#include <string>

#include "app/clipboard.h"
#include "app/embedded_definition.h"
#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "generator/declaration_generator.h"
#include "support/object_registry.h"
#include "support/requester.h"
#include "support/text_loading.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {

namespace {

std::int32_t command_dialog = 0;

int gadget_named(std::u16string_view name) { return dialog_gadget(command_dialog, name); }

int main_window() { return dialog_window(command_dialog); }

void restart_regeneration_timer() {
  window_remove_timer(main_window(), kRegenerationTimer);
  window_add_timer(main_window(), kRegenerationTimer, kRegenerationDelay);
}

void copy_all() { clipboard_set_text(get_gadget_text(gadget_named(u"txtOut"))); }

void open_file() {
  load_xml_file(open_file_requester(u"Read XML from file", u"", u"XML text file (*.*)|*.*", 0));
}

void output_event() {}

void input_event() {
  if (event_type() == kGadgetChange) restart_regeneration_timer();
}

void clear() {
  set_gadget_text(gadget_named(u"txtIn"), u"");
  regenerate();
}

// Fed from the editor piece by piece, so that a large input is not copied whole first.
std::u16string declarations_of_input() {
  try {
    DeclarationGenerator generator;
    read_gadget_text(gadget_named(u"txtIn"),
                     [&generator](std::u16string_view piece) { generator.feed(piece); });
    return generator.finish().text;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

void paste() {
  set_gadget_text(gadget_named(u"txtIn"), clipboard_get_text());
  regenerate();
}

}  // namespace

void set_command_dialog(std::int32_t dialog) { command_dialog = dialog; }

void regenerate() {
  window_remove_timer(main_window(), kRegenerationTimer);
  std::u16string declarations = declarations_of_input();
  set_gadget_text(gadget_named(u"txtOut"), declarations);
  disable_gadget(gadget_named(u"cmdCopyAll"), declarations.empty() ? 1 : 0);
}

void load_xml_file(std::u16string_view path) {
  if (path.empty()) return;
  // A file that is missing, empty, a directory, unreadable or too big for the memory
  // leaves what the user had in the input.
  LoadedText loaded = load_text_file(native_path(path));
  if (loaded.error != 0 || loaded.empty_file) return;
  set_gadget_text(gadget_named(u"txtIn"), loaded.text);
  regenerate();
}

void register_command_procedures() {
  runtime_register_procedure(kCopyAllProcedure, copy_all);
  runtime_register_procedure(kOpenFileProcedure, open_file);
  runtime_register_procedure(kOutputEventProcedure, output_event);
  runtime_register_procedure(kInputEventProcedure, input_event);
  runtime_register_procedure(kClearProcedure, clear);
  runtime_register_procedure(kPasteProcedure, paste);
}

}  // namespace ambrel
