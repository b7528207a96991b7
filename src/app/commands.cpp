#include "app/commands.h"

#include <string>

#include "app/clipboard.h"
#include "app/embedded_definition.h"
#include "dialog/dialog.h"
#include "dialog/runtime_registry.h"
#include "generator/generator.h"
#include "support/object_registry.h"
#include "support/requester.h"
#include "support/text_file.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {

namespace {

std::int32_t command_dialog = 0;

int gadget_named(std::u16string_view name) { return dialog_gadget(command_dialog, name); }

int main_window() { return dialog_window(command_dialog); }

// The text format a load reads with: the mark's format where it is one the loader reads,
// otherwise single-byte text (so the bytes after a UTF-16 big-endian or UTF-32 mark).
TextFormat readable_format(TextFormat detected) {
  switch (detected) {
    case TextFormat::Ascii:
    case TextFormat::Utf8:
    case TextFormat::Utf16:
      return detected;
    default:
      return TextFormat::Ascii;
  }
}

std::u16string read_whole_file(std::u16string_view path) {
  int file = open_file_for_reading(kAnyNumber, path);
  if (is_file(file) == 0) return {};
  TextFormat format = readable_format(detect_text_format(file));
  std::u16string content = read_text(file, static_cast<std::int32_t>(format) | WholeFile);
  close_file(file);
  return content;
}

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

void paste() {
  set_gadget_text(gadget_named(u"txtIn"), clipboard_get_text());
  regenerate();
}

}  // namespace

void set_command_dialog(std::int32_t dialog) { command_dialog = dialog; }

void regenerate() {
  window_remove_timer(main_window(), kRegenerationTimer);
  std::u16string declarations = generate_declarations(get_gadget_text(gadget_named(u"txtIn")));
  set_gadget_text(gadget_named(u"txtOut"), declarations);
  disable_gadget(gadget_named(u"cmdCopyAll"), declarations.empty() ? 1 : 0);
}

void load_xml_file(std::u16string_view path) {
  if (path.empty() || file_size(path) <= 0) return;
  set_gadget_text(gadget_named(u"txtIn"), read_whole_file(path));
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
