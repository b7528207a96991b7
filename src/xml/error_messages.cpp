#include "xml/error_messages.h"

namespace ambrel {

namespace {

// Codes 1 to 40 of the parser; held here so the texts are UTF-16 and do not change with
// the parser's version.
constexpr const char16_t* kMessages[40] = {
    u"out of memory",
    u"syntax error",
    u"no element found",
    u"not well-formed (invalid token)",
    u"unclosed token",
    u"partial character",
    u"mismatched tag",
    u"duplicate attribute",
    u"junk after document element",
    u"illegal parameter entity reference",
    u"undefined entity",
    u"recursive entity reference",
    u"asynchronous entity",
    u"reference to invalid character number",
    u"reference to binary entity",
    u"reference to external entity in attribute",
    u"XML or text declaration not at start of entity",
    u"unknown encoding",
    u"encoding specified in XML declaration is incorrect",
    u"unclosed CDATA section",
    u"error in processing external entity reference",
    u"document is not standalone",
    u"unexpected parser state - please send a bug report",
    u"entity declared in parameter entity",
    u"requested feature requires XML_DTD support in Expat",
    u"cannot change setting once parsing has begun",
    u"unbound prefix",
    u"must not undeclare prefix",
    u"incomplete markup in parameter entity",
    u"XML declaration not well-formed",
    u"text declaration not well-formed",
    u"illegal character(s) in public id",
    u"parser suspended",
    u"parser not suspended",
    u"parsing aborted",
    u"parsing finished",
    u"cannot suspend in external parameter entity",
    u"reserved prefix (xml) must not be undeclared or bound to another namespace name",
    u"reserved prefix (xmlns) must not be declared or undeclared",
    u"prefix must not be bound to one of the reserved namespace names",
};

}  // namespace

const char16_t* xml_error_message(int code) {
  if (code < 1 || code > 40) return nullptr;
  return kMessages[code - 1];
}

}  // namespace ambrel
