#include "xml/position_recorder.h"

#include "support/unicode_text.h"

namespace ambrel {
namespace {

bool is_xml_space(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Walks a start tag as the parser accepted it, counting lines and columns the parser's
// way: CR LF, CR and LF each end a line, and a surrogate pair is one column.
class TagCursor {
 public:
  TagCursor(std::u16string_view tag, XmlPosition start) : tag_(tag), position_(start) {}

  bool at_end() const { return index_ >= tag_.size(); }
  char16_t current() const { return tag_[index_]; }
  XmlPosition position() const { return position_; }

  void advance() {
    char16_t c = tag_[index_++];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && !at_end() && current() == u'\n') ++index_;
      ++position_.line;
      position_.column = 1;
      return;
    }
    if (is_high_surrogate(c) && !at_end() && is_low_surrogate(current())) ++index_;
    ++position_.column;
  }
  template <class Stop>
  void advance_until(Stop stop) {
    while (!at_end() && !stop(current())) advance();
  }
  void skip_space() {
    advance_until([](char16_t c) { return !is_xml_space(c); });
  }

 private:
  std::u16string_view tag_;
  std::size_t index_ = 0;
  XmlPosition position_;
};

bool ends_tag(char16_t c) { return c == u'/' || c == u'>'; }

// The place of each attribute name of `tag` (from "<name" to ">"), in the order written,
// until `places` is full or the tag ends.
void place_attribute_names(std::u16string_view tag, XmlPosition start,
                           std::vector<XmlPosition>& places) {
  TagCursor cursor(tag, start);
  cursor.advance_until([](char16_t c) { return is_xml_space(c) || ends_tag(c); });
  for (XmlPosition& place : places) {
    cursor.skip_space();
    if (cursor.at_end() || ends_tag(cursor.current())) break;
    place = cursor.position();
    cursor.advance_until([](char16_t c) { return is_xml_space(c) || c == u'='; });
    cursor.advance_until([](char16_t c) { return c == u'\'' || c == u'"'; });
    if (cursor.at_end()) break;
    char16_t quote = cursor.current();
    cursor.advance();
    cursor.advance_until([quote](char16_t c) { return c == quote; });
    if (!cursor.at_end()) cursor.advance();
  }
}

}  // namespace

void XmlPositionRecorder::record(const XmlNode* element, std::size_t attribute_count) {
  XmlEventExtent extent = parser_.current_event_extent();
  attributes_.assign(attribute_count, extent.start);
  bool in_text = extent.offset < text_.size() && extent.length <= text_.size() - extent.offset;
  if (in_text && text_[extent.offset] == u'<') {
    place_attribute_names(text_.substr(extent.offset, extent.length), extent.start, attributes_);
  }
  map_.add(element, extent.start, attributes_);
}

}  // namespace ambrel
