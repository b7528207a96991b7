#include "xml/xml_event_parser.h"

#include <expat.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>

#include "support/text_stream.h"
#include "support/unicode_text.h"
#include "xml/expat_status.h"

namespace ambrel {

static_assert(sizeof(XML_Char) == sizeof(char16_t),
              "expat must be the UTF-16 build, compiled with XML_UNICODE");
static_assert(std::endian::native == std::endian::little,
              "the text is handed to the parser as UTF-16LE bytes");

namespace {

// The largest piece handed to the parser in one call (2 MiB). The parser copies each piece
// into a buffer of its own, so small pieces keep that copy small at no cost in speed (and
// far below the 1 GiB where its int-sized buffer doubling overflows).
constexpr std::size_t kPieceUnits = std::size_t{1} << 20;

const char16_t* as_utf16(const XML_Char* s) { return reinterpret_cast<const char16_t*>(s); }

std::u16string_view view(const XML_Char* s) {
  return s == nullptr ? std::u16string_view() : std::u16string_view(as_utf16(s));
}

}  // namespace

// The parser's callbacks. After an allocation failure the parse stops and the few events
// expat may still deliver are dropped.
struct XmlEventCallbacks {
  template <class Work>
  static void deliver(void* user_data, Work&& work) {
    auto* self = static_cast<XmlEventParser*>(user_data);
    if (self->handler_failed_) return;
    try {
      work(self->handler_);
    } catch (const std::bad_alloc&) {
      self->handler_failed_ = true;
      XML_StopParser(self->parser_, XML_FALSE);
    }
  }

  static void XMLCALL start_element(void* user_data, const XML_Char* name, const XML_Char** atts) {
    deliver(user_data, [&](XmlEventHandler& handler) {
      std::size_t strings = 0;
      while (atts[strings] != nullptr) ++strings;
      handler.start_element(view(name), reinterpret_cast<const char16_t* const*>(atts),
                            strings / 2);
    });
  }

  static void XMLCALL end_element(void* user_data, const XML_Char*) {
    deliver(user_data, [](XmlEventHandler& handler) { handler.end_element(); });
  }

  static void XMLCALL character_data(void* user_data, const XML_Char* s, int len) {
    deliver(user_data, [&](XmlEventHandler& handler) {
      handler.character_data({as_utf16(s), static_cast<std::size_t>(len)});
    });
  }

  static void XMLCALL verbatim(void* user_data, const XML_Char* s, int len) {
    deliver(user_data, [&](XmlEventHandler& handler) {
      handler.verbatim({as_utf16(s), static_cast<std::size_t>(len)});
    });
  }

  static void XMLCALL comment(void* user_data, const XML_Char* data) {
    deliver(user_data, [&](XmlEventHandler& handler) { handler.comment(view(data)); });
  }

  static void XMLCALL instruction(void* user_data, const XML_Char* target, const XML_Char* data) {
    deliver(user_data,
            [&](XmlEventHandler& handler) { handler.instruction(view(target), view(data)); });
  }

  static void XMLCALL start_cdata(void* user_data) {
    deliver(user_data, [](XmlEventHandler& handler) { handler.start_cdata(); });
  }

  static void XMLCALL end_cdata(void* user_data) {
    deliver(user_data, [](XmlEventHandler& handler) { handler.end_cdata(); });
  }

  static void XMLCALL start_doctype(void* user_data, const XML_Char* name, const XML_Char* sysid,
                                    const XML_Char* pubid, int has_internal_subset) {
    deliver(user_data, [&](XmlEventHandler& handler) {
      handler.start_doctype(view(name), view(sysid), view(pubid), has_internal_subset != 0);
    });
  }

  static void XMLCALL end_doctype(void* user_data) {
    deliver(user_data, [](XmlEventHandler& handler) { handler.end_doctype(); });
  }

  // Registered only so the declaration does not reach the default handler.
  static void XMLCALL xml_declaration(void*, const XML_Char*, const XML_Char*, int) {}

  // The parser behaves differently with other sets (what is reported where, which entity
  // references stay unexpanded), so every handler is registered whatever the handler uses.
  static void register_all(XML_Parser parser, XmlEventParser& self) {
    XML_SetElementHandler(parser, start_element, end_element);
    XML_SetCharacterDataHandler(parser, character_data);
    // The non-expanding form: references to entities of the internal subset stay in the
    // text as written.
    XML_SetDefaultHandler(parser, verbatim);
    XML_SetCommentHandler(parser, comment);
    XML_SetCdataSectionHandler(parser, start_cdata, end_cdata);
    XML_SetDoctypeDeclHandler(parser, start_doctype, end_doctype);
    XML_SetXmlDeclHandler(parser, xml_declaration);
    XML_SetProcessingInstructionHandler(parser, instruction);
    XML_SetUserData(parser, &self);
  }
};

XmlEventParser::XmlEventParser(XmlEventHandler& handler)
    : handler_(handler), parser_(XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"))) {
  if (parser_ == nullptr) {
    failed_ = true;
    result_.status = XmlStatus::out_of_memory;
    return;
  }
  XmlEventCallbacks::register_all(parser_, *this);
}

XmlEventParser::~XmlEventParser() {
  if (parser_ != nullptr) XML_ParserFree(parser_);
}

// The parser never sees a CR LF or a surrogate pair split: it counts lines per piece it is
// handed and would count a split CR LF twice.
void XmlEventParser::feed(std::u16string_view piece) {
  if (failed_ || finished_ || piece.empty()) return;
  parse(joiner_.pass(piece, false), false);
}

// Hands the units over in pieces the parser's int sizes and its buffer copy can take.
// Unpaired surrogates become U+FFFD, as in the parse into a document; no piece ends
// inside a pair, so each can be repaired on its own.
void XmlEventParser::parse(std::u16string_view units, bool is_final) {
  do {
    std::u16string_view piece = units.substr(0, next_piece_units(units, kPieceUnits));
    units.remove_prefix(piece.size());
    if (contains_surrogate(piece) && !is_valid_utf16(piece)) {
      repaired_ = replace_lone_surrogates(piece);
      piece = repaired_;
    }
    enum XML_Status result = XML_Parse(parser_, reinterpret_cast<const char*>(piece.data()),
                                       static_cast<int>(piece.size() * sizeof(char16_t)),
                                       units.empty() && is_final ? XML_TRUE : XML_FALSE);
    if (result == XML_STATUS_ERROR || handler_failed_) {
      failed_ = true;
      result_ = expat_failure_result(parser_, handler_failed_);
      return;
    }
  } while (!units.empty());
}

XmlParseResult XmlEventParser::out_of_memory_result() const {
  if (parser_ == nullptr) return result_;
  return expat_failure_result(parser_, true);
}

XmlEventExtent XmlEventParser::current_event_extent() const {
  XmlEventExtent extent;
  extent.start = expat_current_position(parser_);
  XML_Index byte = XML_GetCurrentByteIndex(parser_);
  int bytes = XML_GetCurrentByteCount(parser_);
  if (byte >= 0) extent.offset = static_cast<std::size_t>(byte) / sizeof(char16_t);
  if (bytes > 0) extent.length = static_cast<std::size_t>(bytes) / sizeof(char16_t);
  return extent;
}

XmlParseResult XmlEventParser::finish() {
  // A high surrogate that waited for its partner in vain is repaired there.
  if (!failed_ && !finished_) parse(joiner_.pass({}, true), true);
  finished_ = true;
  return result_;
}

}  // namespace ambrel
