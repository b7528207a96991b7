#pragma once

#include "xml/xml_document.h"

struct XML_ParserStruct;

namespace ambrel {

// The status of a parse that failed in `parser`: its error code (or "out of memory" when
// the parse was stopped for lack of memory), its line and its column counted from 1.
XmlParseStatus expat_failure_status(XML_ParserStruct* parser, bool out_of_memory);

}  // namespace ambrel
