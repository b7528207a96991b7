// Prints how long the dialog engine takes on the headless backend to lay out the tool's
// own window again after one size event, to open and lay out a generated definition
// of 1,000 gadgets in nested boxes, and to open and relayout splitters and boxes nested
// 2,000 to 20,000 deep (the time per level should stay flat as the depth grows).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "embedded/embedded_definition.h"
#include "dialog/dialog.h"
#include "dialog/definition/runtime_registry.h"
#include "services/services.h"
#include "backend/headless/headless_backend.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kResizes = 2000;
constexpr int kOpens = 20;
// 10 rows of 10 columns of 10 gadgets: 1,000 gadgets under 111 boxes.
constexpr int kRows = 10;
constexpr int kColumns = 10;
constexpr int kGadgetsPerColumn = 10;

void do_nothing() {}

double microseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

void drain_events() {
  while (take_event() != 0) {}
}

// The tool's window binds these; here they do nothing.
void publish_embedded_procedures() {
  for (std::u16string_view name : kEmbeddedProcedures) runtime_register_procedure(name, do_nothing);
}

// Alternates between two sizes so that every resize is a size change.
double relayout_microseconds() {
  int document = xml_parse_text(kAnyNumber, embedded_dialog_definition());
  std::int32_t dialog = dialog_create(kAnyNumber);
  if (dialog_open(dialog, document, u"wndMain", 0, 0) == 0) return -1;
  int window = dialog_window(dialog);
  drain_events();
  Clock::duration total{};
  for (int i = 0; i < kResizes; ++i) {
    int width = 700 + (i % 2);
    Clock::time_point start = Clock::now();
    window_resize(window, kKeepValue, kKeepValue, width, 600);
    total += Clock::now() - start;
    drain_events();
  }
  dialog_free(dialog);
  return microseconds(total) / kResizes;
}

std::u16string generated_definition() {
  std::u16string text =
      u"<window name='big' text='Many gadgets' flags='#KV_Window_SizeGadget'><vbox>";
  int serial = 0;
  for (int row = 0; row < kRows; ++row) {
    text += u"<hbox expand='equal'>";
    for (int column = 0; column < kColumns; ++column) {
      text += u"<vbox expand='no' spacing='3'>";
      for (int i = 0; i < kGadgetsPerColumn; ++i, ++serial) {
        std::u16string name = u"g";
        for (char c : std::to_string(serial)) name += static_cast<char16_t>(c);
        text += i % 2 == 0 ? u"<button name='" + name + u"' text='Button " + name + u"'/>"
                           : u"<text name='" + name + u"' text='Label " + name + u"'/>";
      }
      text += u"</vbox>";
    }
    text += u"</hbox>";
  }
  return text + u"</vbox></window>";
}

struct OpenFigures {
  double best_ms = -1;
  double median_ms = -1;
  int gadgets = 0;
};

OpenFigures open_figures() {
  int document = xml_parse_text(kAnyNumber, generated_definition());
  std::vector<double> times;
  OpenFigures figures;
  for (int i = 0; i < kOpens; ++i) {
    std::int32_t dialog = dialog_create(kAnyNumber);
    Clock::time_point start = Clock::now();
    int opened = dialog_open(dialog, document, u"big", 0, 0);
    Clock::duration took = Clock::now() - start;
    if (opened == 0) {
      std::printf("the generated definition did not open: %s\n", dialog_error_text(dialog).c_str());
      return figures;
    }
    times.push_back(microseconds(took) / 1000.0);
    figures.gadgets =
        dialog_gadget(dialog, u"g999") != -1 ? kRows * kColumns * kGadgetsPerColumn : 0;
    dialog_free(dialog);
    drain_events();
  }
  std::sort(times.begin(), times.end());
  figures.best_ms = times.front();
  figures.median_ms = times[times.size() / 2];
  return figures;
}

std::u16string nested_definition(std::u16string_view open, std::u16string_view close, int depth) {
  std::u16string text = u"<window name='deep'>";
  for (int i = 0; i < depth; ++i) text += open;
  text += u"<button text='x'/>";
  for (int i = 0; i < depth; ++i) text += close;
  return text + u"</window>";
}

struct NestedFigures {
  double open_us_per_level = -1;
  double relayout_us_per_level = -1;
};

NestedFigures nested_figures(std::u16string_view open, std::u16string_view close, int depth) {
  int document = xml_parse_text(kAnyNumber, nested_definition(open, close, depth));
  std::int32_t dialog = dialog_create(kAnyNumber);
  NestedFigures figures;
  Clock::time_point start = Clock::now();
  if (dialog_open(dialog, document, u"deep", 0, 0) == 0) return figures;
  figures.open_us_per_level = microseconds(Clock::now() - start) / depth;
  drain_events();
  int window = dialog_window(dialog);
  start = Clock::now();
  window_resize(window, kKeepValue, kKeepValue, window_inner_width(window) + 100,
                window_inner_height(window) + 100);
  figures.relayout_us_per_level = microseconds(Clock::now() - start) / depth;
  drain_events();
  dialog_free(dialog);
  drain_events();
  xml_free_document(document);
  return figures;
}

void print_nested_figures() {
  for (int depth : {2000, 5000, 20000}) {
    NestedFigures splitters = nested_figures(u"<splitter flags='#KV_Splitter_SecondFixed'>",
                                             u"<empty/></splitter>", depth);
    NestedFigures boxes = nested_figures(u"<vbox>", u"</vbox>", depth);
    std::printf(
        "%5d nested splitters: open %.2f us, relayout %.2f us per level; "
        "boxes: open %.2f us, relayout %.2f us per level\n",
        depth, splitters.open_us_per_level, splitters.relayout_us_per_level,
        boxes.open_us_per_level, boxes.relayout_us_per_level);
  }
}

}  // namespace
}  // namespace ambrel

int main() {
  auto services = ambrel::Services::start(std::make_unique<ambrel::HeadlessBackend>());
  if (!services) return 1;
  ambrel::publish_embedded_procedures();
  double relayout = ambrel::relayout_microseconds();
  std::printf("embedded window relayout (one size event): %.1f us (target well under 1000 us)\n",
              relayout);
  ambrel::OpenFigures figures = ambrel::open_figures();
  std::printf(
      "open + layout, %d gadgets in nested boxes: best %.2f ms, median %.2f ms (target < 50 ms)\n",
      figures.gadgets, figures.best_ms, figures.median_ms);
  ambrel::print_nested_figures();
  return 0;
}
