// ambrel-dialog: opens a dialog definition for people who write them, tells where it is
// faulty and what the engine ignores or changes in it, and prints its laid-out object tree,
// or keeps its real window up while the definition is edited (--show).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "embedded/embedded_definition.h"
#include "cli/definition_opening.h"
#include "cli/definition_show.h"
#include "cli/dialog_backends.h"
#include "cli/dialog_options.h"
#include "cli/dialog_outline.h"
#include "cli/event_procedures.h"
#include "cli/input_loading.h"
#include "cli/program_start.h"
#include "cli/shown_path.h"
#include "cli/utf8_output.h"
#include "dialog/definition/runtime_registry.h"
#include "dialog/dialog.h"
#include "services/services.h"
#include "support/unicode_text.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

// Enough turns of the event pump for a toolkit to apply sizes and paint before a look.
constexpr int kSettleRounds = 50;

// How the messages name the tool's own definition.
constexpr const char* kEmbeddedName = "<embedded>";

constexpr const char* kUsageLine =
    "Usage: ambrel-dialog [OPTION]... [--] (FILE | --embedded)\nTry 'ambrel-dialog --help'.\n";

constexpr const char* kUsage =
    "Usage: ambrel-dialog [--window NAME] [--open WxH] [--resize WxH]... [--proc NAME]...\n"
    "                     [--any-proc] [--qt] [--png FILE] [--no-warnings]\n"
    "                     [--warnings-as-errors] [--] (FILE | --embedded)\n"
    "       ambrel-dialog --show [--window NAME] [--open WxH] [OPTION]... [--] FILE\n"
    "Opens a window of a dialog definition and prints its laid-out object tree:\n"
    "\"window NAME W H\", then \"ELEMENT NAME X Y W H\" per object, indented by depth\n"
    "(past 16 levels the indent stays and the line starts with \"[DEPTH] \"), with\n"
    "\" gadget X Y W H\" where the gadget sits elsewhere than its allocation.\n"
    "\n"
    "A definition that is not well-formed, or that the engine refuses, is told on standard\n"
    "error as \"FILE:LINE:COLUMN: message\", and no tree is printed. Everything the engine\n"
    "ignores or changes by design is told as a warning, the window opening all the same:\n"
    "  wnd.xml:3:5: warning: maxwidth 70000 is held in 16 bits as 4464\n"
    "COLUMN counts characters from 1; a tab is one.\n"
    "\n"
    "  --window NAME  the window to open (default: the first one)\n"
    "  --open WxH     the inner size to open with (raised to what the content needs)\n"
    "  --resize WxH   resize the window and print the tree again (repeatable)\n"
    "  --proc NAME    register a runtime procedure that does nothing under NAME\n"
    "  --any-proc     register one under every event attribute value of the definition\n"
    "  --qt           draw with the platform's toolkit instead of the headless backend:\n"
    "                 Qt (offscreen without a display), on Windows the Win32 API\n"
    "  --png FILE     save a screenshot of the window at the end (implies --qt)\n"
    "  --show         show the real window until it is closed instead of printing the tree;\n"
    "                 every event procedure the definition names prints its events on\n"
    "                 standard output; when FILE changes, the window is built again from it\n"
    "                 within a second at the size it has, and the messages are told again\n"
    "                 (a text that does not open leaves the last window up)\n"
    "  --no-warnings  do not tell the warnings\n"
    "  --warnings-as-errors  a warning makes the definition faulty: status 1, no tree\n"
    "  --embedded     open the tool's own definition, with its six procedures registered\n"
    "  --help         show this text and exit\n"
    "  --version      show the version and exit\n"
    "FILE \"-\" reads the definition from standard input; \"--\" ends the options.\n"
    "\n"
    "Exit status: 0 when the window opened (with --show: once it is closed), 1 when the\n"
    "definition is faulty, 2 when the command cannot run (a wrong command line, an\n"
    "unreadable definition, an output that cannot be written), 3 when memory runs out.\n";

void do_nothing() {}

// Lets the toolkit apply sizes and paint, then takes the events the layout raised: nothing
// here acts on them, and a queue left to grow makes freeing each gadget at the end slower.
void settle(bool toolkit) {
  for (int round = 0; toolkit && round < kSettleRounds && window_wait_event(0) != 0; ++round) {}
  while (take_event() != 0) {}
}

// Standard output has failed: say so once; the status tells the caller.
int output_failed() {
  std::fprintf(stderr, "ambrel-dialog: cannot write the output: %s\n", std::strerror(errno));
  return kExitCannotRun;
}

// Each tree is written as soon as it is laid out, so the resizes never pile up in memory.
bool print_outline(const DialogObject& root, int window, std::u16string heading = {}) {
  return write_utf8(stdout, heading + dialog_outline(root, window));
}

int out_of_memory() {
  std::fputs("ambrel-dialog: out of memory\n", stderr);
  return kExitOutOfMemory;
}

// The procedures that --proc, --any-proc and --embedded ask for, doing nothing.
void publish_silent_procedures(const DialogOptions& options, const XmlNode& document_element) {
  if (options.embedded) {
    for (std::u16string_view name : kEmbeddedProcedures)
      runtime_register_procedure(name, do_nothing);
  }
  for (const std::u16string& name : options.procedures)
    runtime_register_procedure(name, do_nothing);
  if (options.any_procedure) {
    for (const std::u16string& name : event_attribute_values(document_element)) {
      runtime_register_procedure(name, do_nothing);
    }
  }
}

int print_trees(const DialogOptions& options, std::int32_t dialog) {
  int window = dialog_window(dialog);
  settle(options.toolkit);
  if (!print_outline(*dialog_root(dialog), window)) return output_failed();
  for (const InnerSize& size : options.resizes) {
    window_resize(window, kKeepValue, kKeepValue, size.width, size.height);
    settle(options.toolkit);
    std::u16string heading = u"resize " + utf8_to_utf16(std::to_string(size.width)) + u" " +
                             utf8_to_utf16(std::to_string(size.height)) + u"\n";
    if (!print_outline(*dialog_root(dialog), window, std::move(heading))) return output_failed();
  }
  if (!options.png_path.empty() &&
      !ui_desktop()->save_window_image(window_handle(window), options.png_path)) {
    std::fprintf(stderr, "ambrel-dialog: cannot save the screenshot to %s\n",
                 shown_path(options.png_path).c_str());
    return kExitCannotRun;
  }
  return kExitOpened;
}

int inspect(const DialogOptions& options, const std::string& shown_name,
            std::u16string_view definition) {
  OpeningRequest request;
  request.window_name = options.window_name;
  request.size = options.open_size;
  request.warnings = options.warnings;
  request.publish_procedures = [&options](const XmlNode& element) {
    publish_silent_procedures(options, element);
  };
  Opening opening = open_definition({shown_name, definition}, request, stderr);
  switch (opening.outcome) {
    case OpeningOutcome::opened:
      return print_trees(options, opening.dialog);
    case OpeningOutcome::faulty:
      return kExitFaulty;
    case OpeningOutcome::out_of_memory:
      return out_of_memory();
  }
  return kExitFaulty;
}

int run(const std::vector<std::string>& arguments) {
  ParsedOptions parsed = parse_dialog_options(arguments);
  if (parsed.help) {
    std::fputs(kUsage, stdout);
    return kExitOpened;
  }
  if (parsed.version) {
    std::printf("ambrel-dialog %s\n", AMBREL_VERSION);
    return kExitOpened;
  }
  if (!parsed.options) {
    std::fprintf(stderr, "ambrel-dialog: %s\n%s", parsed.problem.c_str(), kUsageLine);
    return kExitCannotRun;
  }
  const DialogOptions& options = *parsed.options;
  if (options.toolkit && !toolkit_backend_available()) {
    std::fprintf(stderr,
                 "ambrel-dialog: --qt, --png and --show need a toolkit, which this build does "
                 "not have\n");
    return kExitCannotRun;
  }
  std::unique_ptr<Services> services = Services::start(make_dialog_backend(options.toolkit));
  if (!services) {
    std::fprintf(stderr, "ambrel-dialog: the window system cannot be started\n");
    return kExitCannotRun;
  }
  std::u16string definition(embedded_dialog_definition());
  std::string shown_name = kEmbeddedName;
  if (!options.embedded) {
    LoadedInput input = options.file == "-" ? load_standard_input() : load_input_file(options.file);
    if (!input.ok) {
      std::fprintf(stderr, "ambrel-dialog: %s: %s\n", shown_path(options.file).c_str(),
                   input.error.c_str());
      return kExitCannotRun;
    }
    definition = std::move(input.text);
    shown_name = shown_input(options.file);
  }
  if (options.show) return show_definition(options, shown_name, std::move(definition));
  return inspect(options, shown_name, definition);
}

}  // namespace
}  // namespace ambrel

// A status of 0 or 1 only counts when what was printed also reached its destination.
int main(int argc, char** argv) {
  try {
    int status = ambrel::run(ambrel::start_program(argc, argv));
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
      return status == ambrel::kExitCannotRun ? status : ambrel::output_failed();
    }
    return status;
  } catch (const std::bad_alloc&) {
    return ambrel::out_of_memory();
  }
}
