#include "xml/xml_event_parser.h"

#include <expat.h>

#include <algorithm>
#include <new>

#include "support/unicode_text.h"
#include "xml/expat_parse.h"
#include "xml/expat_status.h"

namespace ambrel {

namespace {

const char16_t* as_utf16(const XML_Char* s) { return reinterpret_cast<const char16_t*>(s); }

std::u16string_view view(const XML_Char* s) {
  return s == nullptr ? std::u16string_view() : std::u16string_view(as_utf16(s));
}

// Scans a whole block without branching per unit, so the common case (no surrogate at
// all) costs little beside the parse.
bool contains_surrogate(std::u16string_view text) {
  constexpr std::size_t kBlock = 512;
  for (std::size_t at = 0; at < text.size(); at += kBlock) {
    std::size_t end = std::min(text.size(), at + kBlock);
    unsigned found = 0;
    for (std::size_t i = at; i < end; ++i) found |= (text[i] & 0xF800u) == 0xD800u ? 1u : 0u;
    if (found != 0) return true;
  }
  return false;
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
      handler.start_element(view(name), reinterpret_cast<const char16_t* const*>(atts), strings / 2);
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
    deliver(user_data, [&](XmlEventHandler& handler) { handler.instruction(view(target), view(data)); });
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

  // The same set as the parse into a document: the parser behaves differently (what is
  // reported where, which entity references stay unexpanded) with other sets.
  static void register_all(XML_Parser parser, XmlEventParser& self) {
    XML_SetElementHandler(parser, start_element, end_element);
    XML_SetCharacterDataHandler(parser, character_data);
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
    status_.status = XML_ERROR_NO_MEMORY;
    status_.message = u"out of memory";
    return;
  }
  XmlEventCallbacks::register_all(parser_, *this);
}

XmlEventParser::~XmlEventParser() {
  if (parser_ != nullptr) XML_ParserFree(parser_);
}

void XmlEventParser::feed(std::u16string_view piece) {
  if (failed_ || finished_ || piece.empty()) return;
  if (!held_high_surrogate_ && !contains_surrogate(piece)) {
    parse(piece, false);
    return;
  }
  feed_repaired(piece);
}

// Replaces every unpaired surrogate by U+FFFD, as the parse into a document does for the
// whole text; a high surrogate at the end of the piece waits for the next one.
void XmlEventParser::feed_repaired(std::u16string_view piece) {
  repaired_.clear();
  if (held_high_surrogate_) {
    repaired_ += held_unit_;
    held_high_surrogate_ = false;
  }
  repaired_ += piece;
  std::size_t end = repaired_.size();
  for (std::size_t i = 0; i < end; ++i) {
    char16_t unit = repaired_[i];
    if (is_high_surrogate(unit)) {
      if (i + 1 == end) {
        held_high_surrogate_ = true;
        held_unit_ = unit;
        --end;
      } else if (is_low_surrogate(repaired_[i + 1])) {
        ++i;
      } else {
        repaired_[i] = kReplacementCharacter;
      }
    } else if (is_low_surrogate(unit)) {
      repaired_[i] = kReplacementCharacter;
    }
  }
  parse({repaired_.data(), end}, false);
}

// Hands the units over in pieces the parser's int sizes and its buffer copy can take.
void XmlEventParser::parse(std::u16string_view units, bool is_final) {
  do {
    std::size_t count = std::min(units.size(), kDefaultPieceUnits);
    bool last = count == units.size();
    enum XML_Status result =
        XML_Parse(parser_, reinterpret_cast<const char*>(units.data()),
                  static_cast<int>(count * sizeof(char16_t)), last && is_final ? XML_TRUE : XML_FALSE);
    if (result == XML_STATUS_ERROR || handler_failed_) {
      failed_ = true;
      status_ = expat_failure_status(parser_, handler_failed_);
      return;
    }
    units.remove_prefix(count);
  } while (!units.empty());
}

XmlParseStatus XmlEventParser::finish() {
  if (!failed_ && !finished_) {
    if (held_high_surrogate_) {
      held_high_surrogate_ = false;
      const char16_t replacement = kReplacementCharacter;
      parse({&replacement, 1}, false);
    }
    if (!failed_) parse(u"", true);
  }
  finished_ = true;
  return status_;
}

}  // namespace ambrel
