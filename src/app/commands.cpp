#include "app/commands.h"

#include <cstdio>
#include <memory>
#include <string>

#include "app/clipboard.h"
#include "app/clipboard_paste.h"
#include "embedded/embedded_definition.h"
#include "app/file_load.h"
#include "app/paste_notice.h"
#include "app/regeneration.h"
#include "app/shown_file_name.h"
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
std::unique_ptr<FileLoad> loading;  // the newest load, while its file is read
std::unique_ptr<OutputChoices> output_choices;

int gadget_named(std::u16string_view name) { return dialog_gadget(command_dialog, name); }

void copy_all() {
  std::u16string output = get_gadget_text(gadget_named(u"txtOut"));
  clipboard_set_text(output_choices ? output_choices->copied(std::move(output)) : output);
}

// A choice of the output editor's menu: turned over, shown, and the output written anew.
void choose_output() {
  if (!output_choices || !output_choices->toggle(event_object())) return;
  set_gadget_menu_items(gadget_named(u"txtOut"), output_choices->menu_items());
  regeneration->set_style(output_choices->style());
  regeneration->from_input();
}

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

// A new input (a paste, a clear, another load) ends the load before, wherever it is.
void end_loading() {
  loading.reset();
  if (regeneration) regeneration->set_opening(false);
}

void clear() {
  pasting.reset();
  end_loading();
  if (!regeneration) return;
  paste_notice->clear();
  regeneration->clear();
}

void paste() {
  if (!regeneration) return;
  pasting.reset();
  end_loading();
  pasting = std::make_unique<ClipboardPaste>(
      [](std::unique_ptr<TextStream::Reader> shown, std::shared_ptr<TextStream::Reader> declared) {
        paste_notice->clear();
        regeneration->replace_input(std::move(shown), std::move(declared));
      },
      [] { paste_notice->show(); });
}

}  // namespace

void start_commands(std::int32_t dialog, OutputChoices choices) {
  command_dialog = dialog;
  regeneration = std::make_unique<Regeneration>(dialog);
  paste_notice = std::make_unique<PasteNotice>(dialog_window(dialog));
  output_choices = std::make_unique<OutputChoices>(std::move(choices));
  regeneration->set_style(output_choices->style());
  set_gadget_menu_items(gadget_named(u"txtOut"), output_choices->menu_items());
  bind_event(kEventMenu, choose_output, dialog_window(dialog));
}

void end_commands() {
  pasting.reset();
  end_loading();
  paste_notice.reset();
  regeneration.reset();
  output_choices.reset();
  command_dialog = 0;
}

void regenerate() {
  if (regeneration) regeneration->from_input();
}

void load_xml_file(const NativePath& path, std::uint64_t stream_limit) {
  if (path.empty() || !regeneration) return;
  pasting.reset();
  end_loading();
  FileLoad::Reports reports;
  reports.begin = [](std::unique_ptr<TextStream::Reader> shown,
                     std::shared_ptr<TextStream::Reader> declared) {
    regeneration->set_opening(false);
    paste_notice->clear();
    regeneration->replace_input(std::move(shown), std::move(declared));
  };
  reports.none = [] { end_loading(); };
  reports.cut = [path, stream_limit] {
    std::fprintf(stderr, "ambrel: %s: only the first %llu MiB were loaded\n",
                 shown_file_name(path).c_str(),
                 static_cast<unsigned long long>(stream_limit >> 20));
  };
  loading = std::make_unique<FileLoad>(path, stream_limit, std::move(reports));
  regeneration->set_opening(true);
}

void load_xml_file(std::u16string_view path) { load_xml_file(native_path(path)); }

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
