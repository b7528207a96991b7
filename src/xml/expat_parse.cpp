#include "xml/expat_parse.h"

#include <expat.h>

#include <algorithm>
#include <bit>
#include <new>
#include <string>

#include "support/unicode_text.h"
#include "xml/expat_status.h"
#include "xml/tree_builder.h"

namespace ambrel {

static_assert(sizeof(XML_Char) == sizeof(char16_t),
              "expat must be the UTF-16 build, compiled with XML_UNICODE");
static_assert(std::endian::native == std::endian::little,
              "the text is handed to the parser as UTF-16LE bytes");

namespace {

struct ParseSession {
  XML_Parser parser;
  TreeBuilder builder;
  bool out_of_memory = false;
};

const char16_t* as_utf16(const XML_Char* s) { return reinterpret_cast<const char16_t*>(s); }

std::u16string_view view(const XML_Char* s) {
  return s == nullptr ? std::u16string_view() : std::u16string_view(as_utf16(s));
}

// Every handler runs its work through here: after an allocation failure the parse stops
// and later events (expat may deliver a few more) are ignored, so the tree stays as it
// was when memory ran out.
template <class Work>
void handle(void* user_data, Work&& work) {
  auto* session = static_cast<ParseSession*>(user_data);
  if (session->out_of_memory) return;
  try {
    work(session->builder);
  } catch (const std::bad_alloc&) {
    session->out_of_memory = true;
    XML_StopParser(session->parser, XML_FALSE);
  }
}

void XMLCALL on_start_element(void* user_data, const XML_Char* name, const XML_Char** atts) {
  handle(user_data, [&](TreeBuilder& builder) {
    std::size_t strings = 0;
    while (atts[strings] != nullptr) ++strings;
    builder.open_element(view(name), reinterpret_cast<const char16_t* const*>(atts), strings);
  });
}

void XMLCALL on_end_element(void* user_data, const XML_Char*) {
  handle(user_data, [](TreeBuilder& builder) { builder.close(); });
}

void XMLCALL on_character_data(void* user_data, const XML_Char* s, int len) {
  handle(user_data, [&](TreeBuilder& builder) {
    builder.append_text({as_utf16(s), static_cast<std::size_t>(len)});
  });
}

void XMLCALL on_default(void* user_data, const XML_Char* s, int len) {
  handle(user_data, [&](TreeBuilder& builder) {
    builder.append_verbatim({as_utf16(s), static_cast<std::size_t>(len)});
  });
}

void XMLCALL on_comment(void* user_data, const XML_Char* data) {
  handle(user_data, [&](TreeBuilder& builder) {
    builder.open(XmlNodeKind::comment);
    builder.append_text(view(data));
    builder.close();
  });
}

void XMLCALL on_instruction(void* user_data, const XML_Char* target, const XML_Char* data) {
  handle(user_data, [&](TreeBuilder& builder) {
    builder.open(XmlNodeKind::instruction, view(target));
    builder.append_text(view(data));
    builder.close();
  });
}

void XMLCALL on_start_cdata(void* user_data) {
  handle(user_data, [](TreeBuilder& builder) { builder.open(XmlNodeKind::cdata); });
}

void XMLCALL on_end_cdata(void* user_data) {
  handle(user_data, [](TreeBuilder& builder) { builder.close(); });
}

// Identifiers are quoted with apostrophes when they hold a double quotation mark.
void append_quoted(std::u16string& out, std::u16string_view identifier) {
  char16_t quote = identifier.find(u'"') == std::u16string_view::npos ? u'"' : u'\'';
  out += u' ';
  out += quote;
  out += identifier;
  out += quote;
}

std::u16string compose_doctype(std::u16string_view name, std::u16string_view system_id,
                               std::u16string_view public_id, bool has_internal_subset) {
  std::u16string text = u"<!DOCTYPE ";
  text += name;
  if (!system_id.empty()) text += public_id.empty() ? u" SYSTEM" : u" PUBLIC";
  if (!public_id.empty()) append_quoted(text, public_id);
  if (!system_id.empty()) append_quoted(text, system_id);
  text += has_internal_subset ? u" [" : u">";
  return text;
}

void XMLCALL on_start_doctype(void* user_data, const XML_Char* name, const XML_Char* sysid,
                              const XML_Char* pubid, int has_internal_subset) {
  handle(user_data, [&](TreeBuilder& builder) {
    builder.open(XmlNodeKind::doctype);
    builder.append_verbatim(
        compose_doctype(view(name), view(sysid), view(pubid), has_internal_subset != 0));
    if (has_internal_subset == 0) builder.close();
  });
}

void XMLCALL on_end_doctype(void* user_data) {
  handle(user_data, [](TreeBuilder& builder) {
    if (builder.current_kind() != XmlNodeKind::doctype) return;
    builder.append_verbatim(u"]>");
    builder.close();
  });
}

// Registered only so the declaration does not reach the default handler.
void XMLCALL on_xml_declaration(void*, const XML_Char*, const XML_Char*, int) {}

void register_handlers(XML_Parser parser, ParseSession& session) {
  XML_SetElementHandler(parser, on_start_element, on_end_element);
  XML_SetCharacterDataHandler(parser, on_character_data);
  // The non-expanding form: references to entities of the internal subset stay in the
  // text as written.
  XML_SetDefaultHandler(parser, on_default);
  XML_SetCommentHandler(parser, on_comment);
  XML_SetCdataSectionHandler(parser, on_start_cdata, on_end_cdata);
  XML_SetDoctypeDeclHandler(parser, on_start_doctype, on_end_doctype);
  XML_SetXmlDeclHandler(parser, on_xml_declaration);
  XML_SetProcessingInstructionHandler(parser, on_instruction);
  XML_SetUserData(parser, &session);
}

bool parse_pieces(XML_Parser parser, std::u16string_view text, std::size_t piece_units) {
  const char* bytes = reinterpret_cast<const char*>(text.data());
  std::size_t left = text.size();
  do {
    std::size_t units = next_piece_units({text.data() + (text.size() - left), left}, piece_units);
    left -= units;
    int is_final = left == 0 ? XML_TRUE : XML_FALSE;
    if (XML_Parse(parser, bytes, static_cast<int>(units * sizeof(char16_t)), is_final) ==
        XML_STATUS_ERROR) {
      return false;
    }
    bytes += units * sizeof(char16_t);
  } while (left > 0);
  return true;
}

}  // namespace

std::size_t next_piece_units(std::u16string_view rest, std::size_t limit) {
  std::size_t units = std::min(rest.size(), std::max<std::size_t>(limit, 1));
  while (units < rest.size()) {
    char16_t last = rest[units - 1];
    char16_t next = rest[units];
    bool joined =
        (last == u'\r' && next == u'\n') || (is_high_surrogate(last) && is_low_surrogate(next));
    if (!joined) break;
    units = units > 1 ? units - 1 : units + 1;
  }
  return units;
}

bool parse_into(XmlDocument& document, std::u16string_view text, std::size_t piece_units) {
  piece_units = std::clamp<std::size_t>(piece_units, 1, kLargestPieceUnits);
  XML_Parser parser = XML_ParserCreate(reinterpret_cast<const XML_Char*>(u"UTF-16"));
  if (parser == nullptr) return false;
  try {
    ParseSession session{parser, TreeBuilder(document)};
    register_handlers(parser, session);
    if (!parse_pieces(parser, text, piece_units) || session.out_of_memory) {
      document.status = expat_failure_status(parser, session.out_of_memory);
    }
    session.builder.finish();
  } catch (const std::bad_alloc&) {
    document.status = expat_failure_status(parser, true);
  }
  XML_ParserFree(parser);
  return true;
}

}  // namespace ambrel
