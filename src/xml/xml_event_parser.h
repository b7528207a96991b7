#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "support/text_part_joiner.h"
#include "xml/parse_result.h"
#include "xml/source_map.h"

struct XML_ParserStruct;

namespace ambrel {

// What the parser reports while it reads a text, in document order. Names and texts are
// only valid during the call. Allocation failure may be signalled with std::bad_alloc:
// the parse then stops, as a parse into a document stops when memory runs out.
class XmlEventHandler {
 public:
  virtual ~XmlEventHandler() = default;

  // `attributes` holds `attribute_count` pairs (name, value): those of the start tag in
  // order, then any defaulted from the document type declaration.
  virtual void start_element(std::u16string_view name, const char16_t* const* attributes,
                             std::size_t attribute_count) = 0;
  virtual void end_element() = 0;
  // Character data, every line break as a single LF.
  virtual void character_data(std::u16string_view chars) = 0;
  // Markup no other event covers, as written: references to entities declared in the
  // internal subset (left unexpanded), the subset's declarations, whitespace outside the
  // document element.
  virtual void verbatim(std::u16string_view chars) = 0;
  virtual void comment(std::u16string_view data) = 0;
  virtual void instruction(std::u16string_view target, std::u16string_view data) = 0;
  virtual void start_cdata() = 0;
  virtual void end_cdata() = 0;
  virtual void start_doctype(std::u16string_view name, std::u16string_view system_id,
                             std::u16string_view public_id, bool has_internal_subset) = 0;
  virtual void end_doctype() = 0;
};

// Where the event being reported was written: the place of its first character and the
// code units of the text it covers.
struct XmlEventExtent {
  XmlPosition start;
  std::size_t offset = 0;  // from the start of the whole text
  std::size_t length = 0;
};

// One parse of a UTF-16 text handed over in pieces of any size, unpaired surrogates read
// as U+FFFD; the events and the final status do not depend on where the pieces are cut.
// xml_parse_text builds its trees through it, and the generator files straight from it.
// Memory does not grow with the text: only a piece at a time is copied.
class XmlEventParser {
 public:
  explicit XmlEventParser(XmlEventHandler& handler);
  ~XmlEventParser();
  XmlEventParser(const XmlEventParser&) = delete;
  XmlEventParser& operator=(const XmlEventParser&) = delete;

  // The next piece of the text. Ignored once the parse has failed or was finished.
  void feed(std::u16string_view piece);
  // Ends the text and returns how its parse ended: ok when well-formed, out_of_memory when
  // the parser could not even be created.
  XmlParseResult finish();

  // False when the parser could not be created; nothing is parsed then.
  bool created() const { return parser_ != nullptr; }
  // True after the handler signalled allocation failure; its own state may then be
  // incomplete.
  bool handler_failed() const { return handler_failed_; }
  // The result of a parse stopped here because memory ran out outside the handler.
  XmlParseResult out_of_memory_result() const;

  // Only inside a handler call: where its event was written. The parser then counts lines
  // over the text read since the last question, which a reader that never asks never pays.
  XmlEventExtent current_event_extent() const;

 private:
  friend struct XmlEventCallbacks;

  void parse(std::u16string_view units, bool is_final);

  XmlEventHandler& handler_;
  XML_ParserStruct* parser_;  // null when it could not be created
  bool failed_ = false;
  bool finished_ = false;
  bool handler_failed_ = false;
  TextPartJoiner joiner_;    // what is fed, never ending inside a CR LF or a surrogate pair
  std::u16string repaired_;  // a piece with unpaired surrogates, repaired
  XmlParseResult result_;
};

}  // namespace ambrel
