#include "cli/dialog_outline.h"

#include <string_view>
#include <vector>

#include "dialog/element_kinds.h"
#include "support/unicode_text.h"
#include "ui/gadget.h"
#include "ui/ui_backend.h"
#include "ui/window.h"

namespace ambrel {
namespace {

std::u16string number(int value) { return utf8_to_utf16(std::to_string(value)); }

std::u16string rectangle(int x, int y, int width, int height) {
  return number(x) + u" " + number(y) + u" " + number(width) + u" " + number(height);
}

std::u16string name_of(const DialogObject& object) {
  return object.name() ? *object.name() : std::u16string(u"-");
}

// The gadget's own rectangle when it is not where the layout put the object.
std::u16string gadget_suffix(const DialogObject& object) {
  if (object.gadget() == -1) return {};
  Rect actual = ui_controls()->control_geometry(gadget_handle(object.gadget()));
  const std::optional<layout::Rect>& allocated = object.allocation();
  if (allocated && allocated->x == actual.x && allocated->y == actual.y &&
      allocated->width == actual.width && allocated->height == actual.height) {
    return {};
  }
  return u" gadget " + rectangle(actual.x, actual.y, actual.width, actual.height);
}

// Deeper levels keep this indent and name their depth instead, so that the text grows
// with the number of objects, not with the square of their depth.
constexpr std::size_t kIndentedLevels = 16;

std::u16string indent(std::size_t depth) {
  if (depth <= kIndentedLevels) return std::u16string(2 * depth, u' ');
  return std::u16string(2 * kIndentedLevels, u' ') + u"[" + utf8_to_utf16(std::to_string(depth)) +
         u"] ";
}

std::u16string object_line(const DialogObject& object, std::size_t depth) {
  std::u16string line = indent(depth);
  line += element_name_of(object.kind());
  // Appended piece by piece: a prefix added to a temporary trips GCC 12's -Wrestrict at -O3.
  line += u' ';
  line += name_of(object);
  line += u' ';
  const std::optional<layout::Rect>& area = object.allocation();
  line += area ? rectangle(area->x, area->y, area->width, area->height) : u"- - - -";
  return line + gadget_suffix(object) + u"\n";
}

}  // namespace

std::u16string dialog_outline(const DialogObject& window_object, int window) {
  std::u16string text = u"window " + name_of(window_object) + u" " +
                        number(window_inner_width(window)) + u" " +
                        number(window_inner_height(window)) + u"\n";
  struct Entry {
    const DialogObject* object;
    std::size_t depth;
  };
  std::vector<Entry> stack;
  auto push_children = [&](const DialogObject& parent, std::size_t depth) {
    for (auto it = parent.children().rbegin(); it != parent.children().rend(); ++it) {
      stack.push_back({it->get(), depth});
    }
  };
  push_children(window_object, 1);
  while (!stack.empty()) {
    Entry entry = stack.back();
    stack.pop_back();
    text += object_line(*entry.object, entry.depth);
    push_children(*entry.object, entry.depth + 1);
  }
  return text;
}

}  // namespace ambrel
