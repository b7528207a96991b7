// Prints how long the dialog engine takes on the headless backend for wide definitions,
// each against a vbox of as many buttons: a panel of 30,000 tabs, 200,000 options each in
// a group of its own, and a one-column gridbox of 300,000 buttons. Every definition is
// opened (gadgets created and laid out), resized once and freed; a shape is linear when its
// time stays within a small factor of the vbox's (the target is twice at the most).
//
// Usage: bench_wide_dialog [SCALE]; SCALE (default 1) multiplies every count, so 0.1 gives
// a quick look.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench_clock.h"
#include "dialog/dialog.h"
#include "services/services.h"
#include "backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

using bench::Clock;
using bench::seconds_since;

void drain_events() {
  while (take_event() != 0) {}
}

std::u16string number(int value) {
  std::u16string text;
  for (char c : std::to_string(value)) text += static_cast<char16_t>(c);
  return text;
}

// A window around `count` copies of what `element` makes of an index.
template <class Element>
std::u16string definition(std::u16string_view open, std::u16string_view close, int count,
                          Element element) {
  std::u16string text = u"<window name='w' text='wide'>";
  text += open;
  for (int i = 0; i < count; ++i) text += element(i);
  text += close;
  return text + u"</window>";
}

std::u16string vbox_of_buttons(int count) {
  return definition(u"<vbox>", u"</vbox>", count,
                    [](int i) { return u"<button text='b" + number(i) + u"'/>"; });
}

std::u16string panel_of_tabs(int count) {
  return definition(u"<panel>", u"</panel>", count,
                    [](int i) { return u"<tab text='t" + number(i) + u"'/>"; });
}

std::u16string options_in_own_groups(int count) {
  return definition(u"<vbox>", u"</vbox>", count, [](int i) {
    return u"<option group='" + number(i) + u"' text='o" + number(i) + u"'/>";
  });
}

std::u16string one_column_grid(int count) {
  return definition(u"<gridbox columns='1'>", u"</gridbox>", count,
                    [](int i) { return u"<button text='b" + number(i) + u"'/>"; });
}

struct Timing {
  double open = -1;  // create and lay out
  double resize = -1;
  double free = -1;
  double total() const { return open + resize + free; }
};

Timing time_definition(const std::u16string& text) {
  Timing timing;
  int document = xml_parse_text(kAnyNumber, text);
  std::int32_t dialog = dialog_create(kAnyNumber);
  Clock::time_point start = Clock::now();
  if (dialog_open(dialog, document, u"w", 0, 0) == 0) {
    std::printf("  the definition did not open: %s\n", dialog_error_text(dialog).c_str());
    return timing;
  }
  timing.open = seconds_since(start);
  drain_events();
  int window = dialog_window(dialog);
  start = Clock::now();
  window_resize(window, kKeepValue, kKeepValue, window_inner_width(window) + 50,
                window_inner_height(window) + 50);
  timing.resize = seconds_since(start);
  drain_events();
  start = Clock::now();
  dialog_free(dialog);
  drain_events();
  timing.free = seconds_since(start);
  xml_free_document(document);
  return timing;
}

void compare(const char* name, int count, std::u16string (*shape)(int)) {
  Timing wide = time_definition(shape(count));
  Timing vbox = time_definition(vbox_of_buttons(count));
  std::printf(
      "%-30s %7d: open %6.3f s, resize %6.3f s, free %6.3f s | vbox: open %6.3f s, "
      "resize %6.3f s, free %6.3f s | ratio %.2f (target <= 2)\n",
      name, count, wide.open, wide.resize, wide.free, vbox.open, vbox.resize, vbox.free,
      wide.total() / vbox.total());
}

}  // namespace
}  // namespace ambrel

int main(int argc, char** argv) {
  double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
  if (scale <= 0) {
    std::fprintf(stderr, "usage: bench_wide_dialog [SCALE]\n");
    return 2;
  }
  auto services = ambrel::Services::start(std::make_unique<ambrel::HeadlessBackend>());
  if (!services) return 1;
  auto count = [scale](int full) { return static_cast<int>(full * scale); };
  ambrel::compare("panel of tabs", count(30'000), ambrel::panel_of_tabs);
  ambrel::compare("options, each its own group", count(200'000), ambrel::options_in_own_groups);
  ambrel::compare("one-column gridbox of buttons", count(300'000), ambrel::one_column_grid);
  return 0;
}
