#pragma once

#include <string>

#include "generator/document_format.h"
#include "json/json_parse_result.h"
#include "xml/parse_result.h"

namespace ambrel {

// How reading one document ended, in the terms of its format's reader.
struct DocumentResult {
  DocumentFormat format = DocumentFormat::xml;
  XmlParseResult xml;    // of an XML document
  JsonParseResult json;  // of a JSON document
  // The document was not read: its format is not the one of the documents before it.
  bool other_format = false;

  // Memory ran out while a document of `format` was read or declared.
  static DocumentResult memory_ran_out(DocumentFormat format) {
    DocumentResult result;
    result.format = format;
    result.xml.status = XmlStatus::out_of_memory;
    result.json.status = JsonStatus::out_of_memory;
    return result;
  }

  bool ok() const {
    return !other_format && (format == DocumentFormat::xml ? xml.ok() : json.ok());
  }
  bool out_of_memory() const {
    return format == DocumentFormat::xml ? xml.status == XmlStatus::out_of_memory
                                         : json.status == JsonStatus::out_of_memory;
  }
  int line() const { return format == DocumentFormat::xml ? xml.line : json.line; }
  int column() const { return format == DocumentFormat::xml ? xml.column : json.column; }
  // The fault in UTF-8 for a message.
  std::string message() const {
    return format == DocumentFormat::xml ? xml.message() : json.message();
  }
};

}  // namespace ambrel
