// The desktop tool's regeneration of a 20 MB paste on the headless backend: its extra peak
// memory over the editor's text, against the memory of the generation alone (the
// catalogue, the parser and one piece, fed from the text in place). Each is measured in a
// child process whose peak is reset when the text is in place.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "app/application.h"
#include "app/tool_window.h"
#include "catalogue_text.h"
#include "dialog/dialog.h"
#include "generator/declaration_generator.h"
#include "whole_text_generator.h"
#include "process_status.h"
#include "backend/headless/headless_backend.h"
#include "ui/gadget.h"

namespace {

// The peak resident memory `work` adds in a child process, in MiB.
double extra_peak_mib(const std::function<void()>& work) {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  pid_t child = fork();
  if (child == 0) {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts at the current size
    long before = status_kilobytes("VmRSS:");
    work();
    double extra = static_cast<double>(status_kilobytes("VmHWM:") - before) / 1024;
    _exit(write(channel[1], &extra, sizeof extra) == sizeof extra ? 0 : 1);
  }
  double extra = -1;
  if (read(channel[0], &extra, sizeof extra) != sizeof extra) std::printf("(measurement failed)\n");
  close(channel[0]);
  close(channel[1]);
  waitpid(child, nullptr, 0);
  return extra;
}

}  // namespace

int main() {
  if (ambrel::application_start(std::make_unique<ambrel::HeadlessBackend>()) != 0) return 1;
  std::u16string text = ambrel::bench::record_lines_text(20u * 1000 * 1000, u"\r\n");
  int input = ambrel::dialog_gadget(ambrel::application_dialog(), u"txtIn");
  ambrel::set_gadget_text(input, text);
  double text_mib = static_cast<double>(text.size() * sizeof(char16_t)) / (1 << 20);
  double regenerate = extra_peak_mib([] { ambrel::application_window()->regenerate(); });
  double alone = extra_peak_mib([&] {
    ambrel::DeclarationGenerator generator;
    for (std::size_t at = 0; at < text.size(); at += 64 * 1024) {
      generator.feed(std::u16string_view(text).substr(at, 64 * 1024));
    }
    finish_generation(generator);
  });
  std::printf("regeneration of a %zu-character paste (editor's text %.1f MiB as UTF-16):\n",
              text.size(), text_mib);
  std::printf(
      "  extra peak of regenerate: %.1f MiB | generation alone (catalogue, parser, a piece): %.1f "
      "MiB\n",
      regenerate, alone);
  ambrel::application_end();
  return 0;
}
