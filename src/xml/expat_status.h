#pragma once

#include "xml/parse_result.h"
#include "xml/source_map.h"

struct XML_ParserStruct;

namespace ambrel {

// The result of a parse that failed in `parser`: its error code (or "out of memory" when
// the parse was stopped for lack of memory), its line and its column counted from 1.
XmlParseResult expat_failure_result(XML_ParserStruct* parser, bool out_of_memory);

// Where the parser is: the start of the event being reported, or where it stopped.
XmlPosition expat_current_position(XML_ParserStruct* parser);

}  // namespace ambrel
