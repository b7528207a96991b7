#include "cli/event_procedures.h"

#include <algorithm>
#include <array>
#include <utility>

#include "dialog/definition/event_attributes.h"
#include "dialog/definition/runtime_registry.h"
#include "dialog/dialog.h"
#include "dialog/element_kinds.h"
#include "dialog/objects/dialog_object.h"
#include "support/unicode_text.h"
#include "ui/events.h"

namespace ambrel {
namespace {

EventPrinter* current_printer = nullptr;

// Printing procedures, each telling its own index; a definition naming more shares the last.
constexpr std::size_t kProcedures = 1024;

template <std::size_t Index>
void print_event() {
  if (current_printer != nullptr) current_printer->print(Index);
}

template <std::size_t... Index>
constexpr std::array<RuntimeProcedure, sizeof...(Index)> printing_procedures(
    std::index_sequence<Index...>) {
  return {&print_event<Index>...};
}

constexpr auto kPrintingProcedures = printing_procedures(std::make_index_sequence<kProcedures>{});

// The object of the dialog whose gadget is `gadget`, or null.
const DialogObject* object_of_gadget(std::int32_t dialog, std::int32_t gadget) {
  std::vector<const DialogObject*> stack;
  if (const DialogObject* root = dialog_root(dialog)) stack.push_back(root);
  while (!stack.empty()) {
    const DialogObject* object = stack.back();
    stack.pop_back();
    if (object->gadget() == gadget) return object;
    for (const auto& child : object->children()) stack.push_back(child.get());
  }
  return nullptr;
}

// "ELEMENT NAME" for the gadget, "gadget NUMBER" when the dialog has no such object.
// (Lines are built by appending: GCC 12 wrongly warns of overlapping copies when a text is
// put in front of a temporary string.)
std::string gadget_said(std::int32_t dialog, std::int32_t gadget) {
  const DialogObject* object = object_of_gadget(dialog, gadget);
  std::string said = object == nullptr ? "gadget" : utf16_to_utf8(element_name_of(object->kind()));
  said += ' ';
  said += object == nullptr ? std::to_string(gadget)
          : object->name()  ? utf16_to_utf8(*object->name())
                            : std::string("-");
  return said;
}

}  // namespace

std::vector<std::u16string> event_attribute_values(const XmlNode& document_element) {
  std::vector<std::u16string> values;
  std::vector<const XmlNode*> stack{&document_element};
  while (!stack.empty()) {
    const XmlNode* node = stack.back();
    stack.pop_back();
    for (int i = 0; node->attributes != nullptr && i < node->attribute_count; ++i) {
      if (find_event_attribute(node->attributes[2 * i]) != nullptr) {
        values.emplace_back(node->attributes[2 * i + 1]);
      }
    }
    std::vector<const XmlNode*> children;
    for (const XmlNode* child = node->first_child; child; child = child->next_sibling) {
      children.push_back(child);
    }
    stack.insert(stack.end(), children.rbegin(), children.rend());
  }
  return values;
}

EventPrinter::EventPrinter(std::FILE* out) : out_(out) { current_printer = this; }

EventPrinter::~EventPrinter() { current_printer = nullptr; }

void EventPrinter::publish_event_procedures(const XmlNode& document_element) {
  for (const std::u16string& name : event_attribute_values(document_element)) publish(name);
}

void EventPrinter::publish(std::u16string_view name) {
  // Published before, in this spelling or another.
  if (runtime_procedure(name) != nullptr) return;
  std::size_t index = std::min(names_.size(), kProcedures - 1);
  if (index == names_.size()) {
    names_.push_back(utf16_to_utf8(name));
  } else {
    names_[index] = "one of the procedures past the first ";
    names_[index] += std::to_string(kProcedures - 1);
  }
  runtime_register_procedure(name, kPrintingProcedures[index]);
}

void EventPrinter::print(std::size_t index) const {
  std::string line = names_[index];
  line += ": type ";
  line += std::to_string(event_type());
  if (const EventAttribute* attribute = find_event_attribute_of_type(event_type())) {
    line += " (";
    line += utf16_to_utf8(attribute->name);
    line += ')';
  }
  line += " on ";
  line += gadget_said(dialog_, event_object());
  line += '\n';
  std::fputs(line.c_str(), out_);
  std::fflush(out_);
}

}  // namespace ambrel
