#include "app/commands.h"

#include <memory>
#include <string>

#include "app/clipboard.h"
#include "app/clipboard_paste.h"
#include "app/embedded_definition.h"
#include "app/file_text_source.h"
#include "app/paste_notice.h"
#include "app/regeneration.h"
#include "app/shared_pieces.h"
#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "support/requester.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"

namespace ambrel {

namespace {

std::int32_t command_dialog = 0;
std::unique_ptr<Regeneration> regeneration;
std::unique_ptr<ClipboardPaste> pasting;  // the newest paste, while its text may still come
std::unique_ptr<PasteNotice> paste_notice;

int gadget_named(std::u16string_view name) { return dialog_gadget(command_dialog, name); }

void copy_all() { clipboard_set_text(get_gadget_text(gadget_named(u"txtOut"))); }

void open_file() {
  load_xml_file(open_file_requester(u"Read XML from file", u"", u"XML text file (*.*)|*.*", 0));
}

void output_event() {}

void input_event() {
  if (!regeneration) return;
  if (event_type() == kGadgetChange) {
    paste_notice->clear();
    regeneration->input_edited();
  } else if (event_type() == kGadgetPasteIncomplete) {
    paste_notice->show();
  }
}

void clear() {
  pasting.reset();
  if (!regeneration) return;
  paste_notice->clear();
  regeneration->clear();
}

// A text held whole goes to the input editor and to the worker in shared pieces, each let go
// once both have passed it.
void replace_input_with(std::u16string_view text) {
  SharedPieces pieces = cut_into_pieces(text, kPieceUnits);
  auto shown = std::make_unique<SharedPiecesSource>(pieces);
  regeneration->replace_input(std::move(shown),
                              std::make_shared<SharedPiecesSource>(std::move(pieces)));
}

void paste() {
  if (!regeneration) return;
  pasting.reset();
  pasting = std::make_unique<ClipboardPaste>(
      [](std::unique_ptr<TextSource> shown, std::shared_ptr<TextSource> declared) {
        paste_notice->clear();
        regeneration->replace_input(std::move(shown), std::move(declared));
      },
      [] { paste_notice->show(); });
}

}  // namespace

void start_commands(std::int32_t dialog) {
  command_dialog = dialog;
  regeneration = std::make_unique<Regeneration>(dialog);
  paste_notice = std::make_unique<PasteNotice>(dialog_window(dialog));
}

void end_commands() {
  pasting.reset();
  paste_notice.reset();
  regeneration.reset();
  command_dialog = 0;
}

void regenerate() {
  if (regeneration) regeneration->from_input();
}

// A file on disk is read twice, a piece at a time: by the worker that declares it, as
// ambrel-gen does, and by the fill that shows it; a pipe or device gives its text once.
void load_xml_file(std::u16string_view path) {
  if (path.empty() || !regeneration) return;
  pasting.reset();
  NativePath native = native_path(path);
  FileStart start = start_reading(native);
  if (!start.loads) return;
  paste_notice->clear();
  if (!start.on_disk) {
    replace_input_with(read_to_end(start));
    return;
  }
  regeneration->replace_input(
      std::make_unique<FileTextSource>(std::move(start.reader), std::move(start.first)),
      std::make_shared<FileTextSource>(std::move(native)));
}

bool commands_working() { return regeneration && regeneration->working(); }

bool take_command_event(int code) { return regeneration && regeneration->take_event(code); }

void register_command_procedures() {
  runtime_register_procedure(kCopyAllProcedure, copy_all);
  runtime_register_procedure(kOpenFileProcedure, open_file);
  runtime_register_procedure(kOutputEventProcedure, output_event);
  runtime_register_procedure(kInputEventProcedure, input_event);
  runtime_register_procedure(kClearProcedure, clear);
  runtime_register_procedure(kPasteProcedure, paste);
}

}  // namespace ambrel
