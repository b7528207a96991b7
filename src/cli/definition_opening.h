#pragma once

// How ambrel-dialog opens a definition: parsed with its positions, built into a dialog of its
// own, its faults and warnings told as "FILE:LINE:COLUMN: message" lines.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "cli/dialog_options.h"
#include "xml/xml_node.h"

namespace ambrel {

struct DefinitionText {
  std::string shown_name;  // how the messages name it: the file, <stdin> or <embedded>
  std::u16string_view text;
};

struct OpeningRequest {
  std::u16string window_name;  // empty: the first window
  InnerSize size;              // the inner size to open with, raised to the request
  WarningRule warnings = WarningRule::shown;
  // Publishes the runtime procedures the definition's events will look for, once the text
  // is parsed; may be empty.
  std::function<void(const XmlNode& document_element)> publish_procedures;
};

enum class OpeningOutcome {
  opened,
  faulty,  // not well-formed, refused by the engine, or warned about with warnings failing
  out_of_memory,
};

struct Opening {
  OpeningOutcome outcome = OpeningOutcome::faulty;
  std::int32_t dialog = 0;  // the opened dialog (free it with dialog_free); 0 unless opened
};

// Parses and opens the definition's window, telling `messages` what is wrong with it: the
// parser's fault, or the engine's first error, and the engine's warnings as the request's
// rule says. Nothing of a definition that is not opened is left behind.
Opening open_definition(const DefinitionText& definition, const OpeningRequest& request,
                        std::FILE* messages);

}  // namespace ambrel
