#include "xml/xml_document.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

#include "support/object_registry.h"
#include "xml/document_parse.h"
#include "xml/line_endings.h"
#include "xml/position_recorder.h"
#include "xml/tree_builder.h"
#include "xml/xml_event_parser.h"

namespace ambrel {

namespace {

std::unique_ptr<ObjectRegistry<XmlDocument>>& documents() {
  static std::unique_ptr<ObjectRegistry<XmlDocument>> registry;
  return registry;
}

XmlDocument* find(int handle) { return documents() ? documents()->find(handle) : nullptr; }

// A document with its root node, ready for the parser.
std::unique_ptr<XmlDocument> new_document(std::u16string_view text) {
  auto document = std::make_unique<XmlDocument>(text.size() * sizeof(char16_t));
  document->root = document->nodes.allocate();
  document->root->kind = XmlNodeKind::root;
  document->root->sibling_index = 1;
  document->line_ending = detect_line_ending(text);
  return document;
}

// The whole text in one call: the parser splits it in pieces of its own.
constexpr std::size_t kWholeText = std::u16string_view::npos;

// Builds the tree of `document` from one parse of `text`, handed over `piece_units` code
// units at a time, and records the parse status (and, when kept, where each element was
// written). Returns false when no parser could be
// created (the document is then untouched).
bool parse_into(XmlDocument& document, std::u16string_view text, std::size_t piece_units,
                XmlPositions positions) {
  piece_units = std::max<std::size_t>(piece_units, 1);
  TreeBuilder builder(document);
  XmlEventParser parser(builder);
  if (!parser.created()) return false;
  std::optional<XmlPositionRecorder> recorder;
  if (positions == XmlPositions::kept) {
    document.source_map = std::make_unique<XmlSourceMap>();
    builder.record_positions(&recorder.emplace(parser, text, *document.source_map));
  }
  try {
    while (!text.empty()) {
      std::u16string_view piece = text.substr(0, piece_units);
      text.remove_prefix(piece.size());
      parser.feed(piece);
    }
    document.parse_result = parser.finish();
    builder.finish();
  } catch (const std::bad_alloc&) {
    document.parse_result = parser.out_of_memory_result();
  }
  return true;
}

}  // namespace

bool xml_library_init() {
  if (!documents()) documents() = std::make_unique<ObjectRegistry<XmlDocument>>();
  return true;
}

void xml_library_end() { documents().reset(); }

int parse_text_in_pieces(int handle, std::u16string_view text, std::size_t piece_units,
                         XmlPositions positions) {
  if (!documents() || !ObjectRegistry<XmlDocument>::is_valid_request(handle)) return 0;
  try {
    std::unique_ptr<XmlDocument> document = new_document(text);
    if (!parse_into(*document, text, piece_units, positions)) return 0;
    int number = documents()->insert(handle, std::move(document));
    if (number == kAnyNumber) return 0;
    return handle == kAnyNumber ? number : 1;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int xml_parse_text(int handle, std::u16string_view text) {
  return parse_text_in_pieces(handle, text, kWholeText);
}

int xml_parse_text(int handle, const char16_t* text) {
  return xml_parse_text(handle,
                        text == nullptr ? std::u16string_view() : std::u16string_view(text));
}

int xml_parse_text_with_positions(int handle, std::u16string_view text) {
  return parse_text_in_pieces(handle, text, kWholeText, XmlPositions::kept);
}

int xml_is_document(int handle) { return find(handle) != nullptr ? 1 : 0; }

XmlNode* xml_main_node(int handle) {
  XmlDocument* document = find(handle);
  return document != nullptr ? document->main_node : nullptr;
}

const XmlDocument* xml_find_document(int handle) { return find(handle); }

const XmlSourceMap* xml_source_map(int handle) {
  XmlDocument* document = find(handle);
  return document != nullptr ? document->source_map.get() : nullptr;
}

XmlParseResult xml_parse_result(int handle) {
  XmlDocument* document = find(handle);
  return document != nullptr ? document->parse_result : XmlParseResult{};
}

void xml_free_document(int handle) {
  if (documents()) documents()->free(handle);
}

}  // namespace ambrel
