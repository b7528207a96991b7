// ambrel-dialog: opens a dialog definition for people who write them, and prints its first
// definition error or its laid-out object tree.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "app/embedded_definition.h"
#include "cli/dialog_backends.h"
#include "cli/dialog_options.h"
#include "cli/dialog_outline.h"
#include "cli/input_loading.h"
#include "cli/program_start.h"
#include "cli/shown_path.h"
#include "cli/utf8_output.h"
#include "dialog/dialog.h"
#include "dialog/definition/event_attributes.h"
#include "dialog/definition/runtime_registry.h"
#include "services/services.h"
#include "support/unicode_text.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

constexpr int kOpened = 0;
constexpr int kDefinitionError = 1;
constexpr int kCannotRun = 2;
constexpr int kOutOfMemory = 3;
// Enough turns of the event pump for a toolkit to apply sizes and paint before a look.
constexpr int kSettleRounds = 50;

constexpr const char* kUsageLine =
    "Usage: ambrel-dialog [OPTION]... [--] (FILE | --embedded)\nTry 'ambrel-dialog --help'.\n";

constexpr const char* kUsage =
    "Usage: ambrel-dialog [--window NAME] [--open WxH] [--resize WxH]... [--proc NAME]...\n"
    "                     [--any-proc] [--qt] [--png FILE] [--] (FILE | --embedded)\n"
    "Opens a window of a dialog definition and prints its laid-out object tree:\n"
    "\"window NAME W H\", then \"ELEMENT NAME X Y W H\" per object, indented by depth\n"
    "(past 16 levels the indent stays and the line starts with \"[DEPTH] \"), with\n"
    "\" gadget X Y W H\" where the gadget sits elsewhere than its allocation.\n"
    "\n"
    "  --window NAME  the window to open (default: the first one)\n"
    "  --open WxH     the inner size to open with (raised to what the content needs)\n"
    "  --resize WxH   resize the window and print the tree again (repeatable)\n"
    "  --proc NAME    register a runtime procedure that does nothing under NAME\n"
    "  --any-proc     register one under every event attribute value of the definition\n"
    "  --qt           draw with the platform's toolkit instead of the headless backend:\n"
    "                 Qt (offscreen without a display), on Windows the Win32 API\n"
    "  --png FILE     save a screenshot of the window at the end (implies --qt)\n"
    "  --embedded     open the tool's own definition, with its six procedures registered\n"
    "  --help         show this text and exit\n"
    "  --version      show the version and exit\n"
    "FILE \"-\" reads the definition from standard input; \"--\" ends the options.\n"
    "\n"
    "Exit status: 0 when the window opened, 1 with \"error: \" and the definition's first\n"
    "error on standard output when it did not, 2 when the command cannot run (a wrong\n"
    "command line, an unreadable definition, an output that cannot be written),\n"
    "3 when memory runs out.\n";

void do_nothing() {}

// Every event attribute value of the document, so that --any-proc can publish them all.
std::vector<std::u16string> event_attribute_values(const XmlNode* root) {
  std::vector<std::u16string> values;
  std::vector<const XmlNode*> stack;
  if (root) stack.push_back(root);
  while (!stack.empty()) {
    const XmlNode* node = stack.back();
    stack.pop_back();
    for (int i = 0; node->attributes != nullptr && i < node->attribute_count; ++i) {
      if (find_event_attribute(node->attributes[2 * i]) != nullptr) {
        values.emplace_back(node->attributes[2 * i + 1]);
      }
    }
    for (const XmlNode* child = node->first_child; child; child = child->next_sibling) {
      stack.push_back(child);
    }
  }
  return values;
}

// Lets the toolkit apply sizes and paint, then takes the events the layout raised: nothing
// here acts on them, and a queue left to grow makes freeing each gadget at the end slower.
void settle(bool toolkit) {
  for (int round = 0; toolkit && round < kSettleRounds && window_wait_event(0) != 0; ++round) {}
  while (take_event() != 0) {}
}

// Standard output has failed: say so once; the status tells the caller.
int output_failed() {
  std::fprintf(stderr, "ambrel-dialog: cannot write the output: %s\n", std::strerror(errno));
  return kCannotRun;
}

// Each tree is written as soon as it is laid out, so the resizes never pile up in memory.
bool print_outline(const DialogObject& root, int window, std::u16string heading = {}) {
  return write_utf8(stdout, heading + dialog_outline(root, window));
}

int out_of_memory() {
  std::fputs("ambrel-dialog: out of memory\n", stderr);
  return kOutOfMemory;
}

int inspect(const DialogOptions& options, std::u16string definition) {
  int document = xml_parse_text(kAnyNumber, definition);
  // The parser reports memory running out as a malformed text; it is not the definition's fault.
  if (document == 0 || xml_parse_result(document).status == XmlStatus::out_of_memory)
    return out_of_memory();
  if (options.embedded) {
    for (std::u16string_view name : kEmbeddedProcedures)
      runtime_register_procedure(name, do_nothing);
  }
  for (const std::u16string& name : options.procedures)
    runtime_register_procedure(name, do_nothing);
  if (options.any_procedure) {
    for (const std::u16string& name : event_attribute_values(xml_main_node(document))) {
      runtime_register_procedure(name, do_nothing);
    }
  }
  std::int32_t dialog = dialog_create(kAnyNumber);
  if (dialog_open_sized(dialog, document, options.window_name.c_str(), 0, 0,
                        options.open_size.width, options.open_size.height, kNoHandle) == 0) {
    std::printf("error: %s\n", dialog_error_text(dialog).c_str());
    return kDefinitionError;
  }
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
                 options.png_path.c_str());
    return kCannotRun;
  }
  return kOpened;
}

int run(const std::vector<std::string>& arguments) {
  ParsedOptions parsed = parse_dialog_options(arguments);
  if (parsed.help) {
    std::fputs(kUsage, stdout);
    return kOpened;
  }
  if (parsed.version) {
    std::printf("ambrel-dialog %s\n", AMBREL_VERSION);
    return kOpened;
  }
  if (!parsed.options) {
    std::fprintf(stderr, "ambrel-dialog: %s\n%s", parsed.problem.c_str(), kUsageLine);
    return kCannotRun;
  }
  const DialogOptions& options = *parsed.options;
  if (options.toolkit && !toolkit_backend_available()) {
    std::fprintf(stderr,
                 "ambrel-dialog: --qt and --png need a toolkit, which this build does not have\n");
    return kCannotRun;
  }
  std::unique_ptr<Services> services = Services::start(make_dialog_backend(options.toolkit));
  if (!services) {
    std::fprintf(stderr, "ambrel-dialog: the window system cannot be started\n");
    return kCannotRun;
  }
  std::u16string definition(embedded_dialog_definition());
  if (!options.embedded) {
    LoadedInput input = options.file == "-" ? load_standard_input() : load_input_file(options.file);
    if (!input.ok) {
      std::fprintf(stderr, "ambrel-dialog: %s: %s\n", shown_path(options.file).c_str(),
                   input.error.c_str());
      return kCannotRun;
    }
    definition = std::move(input.text);
  }
  return inspect(options, std::move(definition));
}

}  // namespace
}  // namespace ambrel

// A status of 0 or 1 only counts when what was printed also reached its destination.
int main(int argc, char** argv) {
  try {
    int status = ambrel::run(ambrel::start_program(argc, argv));
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
      return status == ambrel::kCannotRun ? status : ambrel::output_failed();
    }
    return status;
  } catch (const std::bad_alloc&) {
    return ambrel::out_of_memory();
  }
}
