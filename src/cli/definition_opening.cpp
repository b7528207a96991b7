#include "cli/definition_opening.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "cli/shown_path.h"
#include "dialog/dialog.h"
#include "support/object_registry.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

// "NAME:LINE:COLUMN: " for a note of the engine, "NAME: " where it has no place.
std::string located(const std::string& name, XmlPosition position) {
  return placed(name, position.line, position.column);
}

void tell(std::FILE* messages, const std::string& line) {
  std::fputs(line.c_str(), messages);
  std::fputc('\n', messages);
}

// The parser's fault, when the text is not well-formed.
bool tell_parse_fault(const DefinitionText& definition, const XmlParseResult& parse,
                      std::FILE* messages) {
  if (parse.ok()) return false;
  tell(messages, placed(definition.shown_name, parse.line, parse.column) + parse.message());
  return true;
}

// The warnings of the last open, in the order of the text; true when they make the
// definition faulty.
bool tell_warnings(const DefinitionText& definition, std::int32_t dialog, WarningRule rule,
                   std::FILE* messages) {
  if (rule == WarningRule::silenced) return false;
  std::vector<DefinitionMessage> warnings = dialog_warnings(dialog);
  std::stable_sort(warnings.begin(), warnings.end(), [](const auto& a, const auto& b) {
    return std::pair(a.position.line, a.position.column) <
           std::pair(b.position.line, b.position.column);
  });
  for (const DefinitionMessage& warning : warnings) {
    tell(messages, located(definition.shown_name, warning.position) + "warning: " + warning.text);
  }
  return rule == WarningRule::failing && !warnings.empty();
}

OpeningOutcome open_parsed(const DefinitionText& definition, int document,
                           const OpeningRequest& request, std::int32_t dialog,
                           std::FILE* messages) {
  if (tell_parse_fault(definition, xml_parse_result(document), messages)) {
    return OpeningOutcome::faulty;
  }
  if (request.publish_procedures) request.publish_procedures(*xml_main_node(document));
  int opened = dialog_open_sized(dialog, document, request.window_name.c_str(), 0, 0,
                                 request.size.width, request.size.height, kNoHandle);
  bool failing_warnings = tell_warnings(definition, dialog, request.warnings, messages);
  if (opened == 0) {
    std::optional<DefinitionMessage> error = dialog_error_message(dialog);
    tell(messages, located(definition.shown_name, error ? error->position : XmlPosition{}) +
                       (error ? error->text : std::string()));
  }
  return opened != 0 && !failing_warnings ? OpeningOutcome::opened : OpeningOutcome::faulty;
}

}  // namespace

Opening open_definition(const DefinitionText& definition, const OpeningRequest& request,
                        std::FILE* messages) {
  int document = xml_parse_text_with_positions(kAnyNumber, definition.text);
  // The parser reports memory running out as a malformed text; it is not the definition's fault.
  if (document == 0 || xml_parse_result(document).status == XmlStatus::out_of_memory) {
    xml_free_document(document);
    return {OpeningOutcome::out_of_memory, 0};
  }
  Opening opening{OpeningOutcome::out_of_memory, dialog_create(kAnyNumber)};
  if (opening.dialog != 0) {
    opening.outcome = open_parsed(definition, document, request, opening.dialog, messages);
  }
  // The objects keep copies of what they read: the text is no longer needed.
  xml_free_document(document);
  if (opening.outcome != OpeningOutcome::opened && opening.dialog != 0) {
    dialog_free(opening.dialog);
    opening.dialog = 0;
  }
  return opening;
}

}  // namespace ambrel
