#pragma once

// The runtime procedures ambrel-dialog publishes for the event attributes of a definition.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "xml/xml_node.h"

namespace ambrel {

// Every event attribute value of the document, in document order.
std::vector<std::u16string> event_attribute_values(const XmlNode& document_element);

// The procedures of --show: each name gets one that prints the event that called it, as
// "NAME: type TYPE (ATTRIBUTE) on ELEMENT GADGET-NAME" ("-" for an object without NAME).
class EventPrinter {
 public:
  // The procedures learn nothing but the current event, so they find their printer as the
  // process's one: this one, while it lives. One printer at a time.
  explicit EventPrinter(std::FILE* out);
  ~EventPrinter();
  EventPrinter(const EventPrinter&) = delete;
  EventPrinter& operator=(const EventPrinter&) = delete;

  // Publishes a printing procedure under every event attribute value of the document
  // (and keeps those published before).
  void publish_event_procedures(const XmlNode& document_element);
  void publish(std::u16string_view name);
  // The dialog whose gadgets the printed lines name.
  void follow(std::int32_t dialog) { dialog_ = dialog; }

  // Prints the current event for the procedure published as procedure `index`.
  void print(std::size_t index) const;

 private:
  std::FILE* out_;
  std::int32_t dialog_ = 0;
  std::vector<std::string> names_;  // of each procedure handed out, in UTF-8
};

}  // namespace ambrel
