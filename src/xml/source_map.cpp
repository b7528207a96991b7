#include "xml/source_map.h"

namespace ambrel {

void XmlSourceMap::add(const XmlNode* element, XmlPosition start_tag,
                       std::span<const XmlPosition> attributes) {
  Entry entry{positions_.size(), attributes.size()};
  positions_.push_back(start_tag);
  positions_.insert(positions_.end(), attributes.begin(), attributes.end());
  entries_[element] = entry;
}

XmlPosition XmlSourceMap::element_position(const XmlNode* element) const {
  auto found = entries_.find(element);
  return found == entries_.end() ? XmlPosition{} : positions_[found->second.first];
}

XmlPosition XmlSourceMap::attribute_position(const XmlNode* element, int attribute) const {
  auto found = entries_.find(element);
  if (found == entries_.end()) return {};
  const Entry& entry = found->second;
  if (attribute < 0 || static_cast<std::size_t>(attribute) >= entry.attributes) {
    return positions_[entry.first];
  }
  return positions_[entry.first + 1 + static_cast<std::size_t>(attribute)];
}

}  // namespace ambrel
