#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "support/object_registry.h"
#include "xml/node_pool.h"
#include "xml/parse_result.h"
#include "xml/source_map.h"
#include "xml/string_arena.h"
#include "xml/xml_node.h"

namespace ambrel {

// Encoding codes of the text the parser is created for.
inline constexpr int kXmlEncodingLatin1 = 24;
inline constexpr int kXmlEncodingUtf16 = 25;
inline constexpr int kXmlEncodingUtf8 = 2;

// The style of the input's first line break; every LF of parsed text is written back in it.
enum class XmlLineEnding : std::int32_t { none = 0, crlf = 1, lf = 2, cr = 4 };

// One parsed text. Written only by xml_parse_text, read-only afterwards.
struct XmlDocument {
  explicit XmlDocument(std::size_t text_bytes) : strings(text_bytes) {}

  NodePool nodes;
  StringArena strings;
  XmlNode* root = nullptr;       // kind root, created with the document
  XmlNode* main_node = nullptr;  // the first element opened (the document element), or null
  int encoding = kXmlEncodingUtf16;
  XmlLineEnding line_ending = XmlLineEnding::crlf;
  XmlParseResult parse_result;
  // Where the elements were written; only for texts parsed with their positions.
  std::unique_ptr<XmlSourceMap> source_map;
};

// Whether a parse notes where each element and attribute was written.
enum class XmlPositions { dropped, kept };

// Creates the document registry. Call once before any other operation; true once it runs.
bool xml_library_init();
// Frees every document and the registry.
void xml_library_end();

// Parses `text` into a new document under `handle` (kAnyNumber for an automatic number;
// an explicit number frees the document it held). Returns the automatic number, or 1 for
// an explicit number, also when the text is malformed: the document then holds what was
// parsed before the fault (see xml_parse_result). Returns 0 only when no document could
// be created. Texts of any length are accepted.
int xml_parse_text(int handle, std::u16string_view text);
// The same for a zero-terminated text; null is parsed as the empty text.
int xml_parse_text(int handle, const char16_t* text);
// xml_parse_text that also keeps where each element and attribute was written, for messages
// about a text someone wrote (xml_source_map); it costs the parse a second look at the text.
int xml_parse_text_with_positions(int handle, std::u16string_view text);

// Non-zero when `handle` names a live document (also one whose parse failed).
int xml_is_document(int handle);

// The document element, or null when the handle names no document or no element was opened.
XmlNode* xml_main_node(int handle);

// The document under `handle`, or null.
const XmlDocument* xml_find_document(int handle);

// Where the document's elements were written; null for an unknown handle or a document
// parsed without its positions.
const XmlSourceMap* xml_source_map(int handle);

// What the parse of the document left behind; ok for an unknown handle.
XmlParseResult xml_parse_result(int handle);

// Frees the document and everything it owns; kAnyNumber frees every document.
void xml_free_document(int handle);

}  // namespace ambrel
