#include "dialog/definition/common_attributes.h"

#include <array>

#include "dialog/definition/attribute_values.h"
#include "dialog/definition/flag_expression.h"
#include "dialog/definition/message_text.h"

namespace ambrel {
namespace {

// The common attributes of which a later occurrence overwrites an earlier one.
enum class Overwritten { id, name, text, width, height, folded, count };

constexpr std::array<std::u16string_view, static_cast<std::size_t>(Overwritten::count)>
    kOverwrittenNames{u"ID", u"NAME", u"TEXT", u"WIDTH", u"HEIGHT", u"FOLDED"};

// Reads attribute `index` when it is one of the overwritten ones; returns which, if any.
std::optional<Overwritten> read_overwritten(const ElementView& element, int index,
                                            DialogError& error, CommonAttributes& attributes) {
  std::u16string_view value = element.attribute_value(index);
  for (std::size_t slot = 0; slot < kOverwrittenNames.size(); ++slot) {
    if (!element.attribute_is(index, kOverwrittenNames[slot])) continue;
    switch (static_cast<Overwritten>(slot)) {
      case Overwritten::id:
        attributes.requested_id = read_id(element, index, error);
        break;
      case Overwritten::name:
        attributes.name = std::u16string(value);
        break;
      case Overwritten::text:
        attributes.text = std::u16string(value);
        break;
      case Overwritten::width:
        attributes.width = read_number_attribute(element, index);
        break;
      case Overwritten::height:
        attributes.height = read_number_attribute(element, index);
        break;
      case Overwritten::folded:
        attributes.folded = read_yes_no_attribute(element, index);
        break;
      case Overwritten::count:
        break;
    }
    return static_cast<Overwritten>(slot);
  }
  return std::nullopt;
}

// Whether the element's ID is a gadget's number: the window's is a window's, and a layout
// element's is nobody's.
bool makes_a_gadget(DialogKind kind) { return kind_row_of(kind).gadget_code != 0; }

// The layout elements have neither a gadget nor a title: nothing shows their TEXT.
bool shows_text(DialogKind kind) {
  return makes_a_gadget(kind) || kind == DialogKind::Window || kind == DialogKind::Tab;
}

}  // namespace

CommonAttributes read_common_attributes(const ElementView& element, DialogKind kind,
                                        DialogError& error) {
  CommonAttributes attributes;
  std::array<int, kOverwrittenNames.size()> last{};
  last.fill(-1);
  for (int i = 0; i < element.attribute_count; ++i) {
    if (element.attribute_is(i, u"FLAGS")) {
      attributes.flags |= parse_flag_expression(element, i, kind, error);
    } else if (std::optional<Overwritten> slot = read_overwritten(element, i, error, attributes)) {
      int& earlier = last[static_cast<std::size_t>(*slot)];
      if (earlier != -1) {
        element.warn(earlier, message_text({element.written_name(earlier), " is given again as ",
                                            element.written_name(i), "; this one is ignored"}));
      }
      earlier = i;
    }
  }
  int id = last[static_cast<std::size_t>(Overwritten::id)];
  if (id != -1 && attributes.requested_id != kAnyNumber && makes_a_gadget(kind)) {
    element.note_gadget_number(id, attributes.requested_id);
  }
  int text = last[static_cast<std::size_t>(Overwritten::text)];
  if (text != -1 && !shows_text(kind)) {
    element.warn(text, message_text({element.written_name(-1), " has no gadget to show ",
                                     element.written_name(text), "; it is ignored"}));
  }
  return attributes;
}

GadgetStateAttributes read_gadget_state_attributes(const ElementView& element) {
  GadgetStateAttributes state;
  for (int i = 0; i < element.attribute_count; ++i) {
    if (element.attribute_is(i, u"DISABLED")) state.disabled = read_yes_no_attribute(element, i);
    if (element.attribute_is(i, u"INVISIBLE")) state.invisible = read_yes_no_attribute(element, i);
  }
  return state;
}

}  // namespace ambrel
