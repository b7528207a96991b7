#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "xml/source_map.h"
#include "xml/xml_event_parser.h"

namespace ambrel {

// Notes in a source map where each element and its attributes were written, while the
// parser reports the element. Each note costs the parser a scan of the text read since
// the one before, so only parses that want positions make one.
class XmlPositionRecorder {
 public:
  // `text` is the whole text the parser is handed; `map` receives the places.
  XmlPositionRecorder(const XmlEventParser& parser, std::u16string_view text, XmlSourceMap& map)
      : parser_(parser), text_(text), map_(map) {}

  // Called from the start-element handler for the node just made of the element.
  void record(const XmlNode* element, std::size_t attribute_count);

 private:
  const XmlEventParser& parser_;
  std::u16string_view text_;
  XmlSourceMap& map_;
  std::vector<XmlPosition> attributes_;  // reused from element to element
};

}  // namespace ambrel
