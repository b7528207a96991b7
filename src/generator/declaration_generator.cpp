#include "generator/declaration_generator.h"

#include <new>
#include <optional>

#include "generator/catalogue.h"
#include "generator/catalogue_filer.h"
#include "generator/declarations.h"
#include "xml/xml_event_parser.h"

namespace ambrel {

namespace {

// Turns parser events into filing steps: only elements, their texts and whether they
// have other child nodes matter to the catalogue.
class FilingHandler final : public XmlEventHandler {
 public:
  explicit FilingHandler(CatalogueFiler& filer) : filer_(filer) {}

  void start_element(std::u16string_view name, const char16_t* const* attributes,
                     std::size_t attribute_count) override {
    filer_.open_element(name, attributes, attribute_count);
  }
  void end_element() override { filer_.close_element(); }
  // A line break makes a text a text whatever its style, so LF is filed as it comes.
  void character_data(std::u16string_view chars) override { filer_.add_text(chars); }
  void verbatim(std::u16string_view chars) override { filer_.add_text(chars); }
  void comment(std::u16string_view) override { filer_.add_child_node(); }
  void instruction(std::u16string_view, std::u16string_view) override { filer_.add_child_node(); }
  void start_cdata() override { filer_.add_child_node(); }
  void end_cdata() override {}
  // Only outside the document element, where nothing is filed.
  void start_doctype(std::u16string_view, std::u16string_view, std::u16string_view, bool) override {
  }
  void end_doctype() override {}

 private:
  CatalogueFiler& filer_;
};

XmlParseResult out_of_memory() { return {XmlStatus::out_of_memory}; }

}  // namespace

struct DeclarationGenerator::State {
  State() : filer(catalogue), handler(filer) {}

  ElementCatalogue catalogue;
  CatalogueFiler filer;
  FilingHandler handler;
  std::optional<XmlEventParser> parser;  // of the current document, from its first piece
  bool any_document_ended = false;
  bool out_of_memory = false;  // the catalogue is not to be used

  XmlEventParser& current_parser() {
    if (!parser) {
      if (any_document_ended) filer.start_document();
      parser.emplace(handler);
    }
    return *parser;
  }
};

DeclarationGenerator::DeclarationGenerator() : state_(std::make_unique<State>()) {}

DeclarationGenerator::~DeclarationGenerator() = default;

void DeclarationGenerator::feed(std::u16string_view piece) {
  if (state_->out_of_memory) return;
  try {
    state_->current_parser().feed(piece);
  } catch (const std::bad_alloc&) {
    state_->out_of_memory = true;
  }
}

XmlParseResult DeclarationGenerator::end_document() {
  if (state_->out_of_memory) return out_of_memory();
  try {
    XmlParseResult result = state_->current_parser().finish();
    state_->out_of_memory = state_->parser->handler_failed();
    state_->parser.reset();
    state_->any_document_ended = true;
    if (!state_->out_of_memory) state_->filer.finish();
    return result;
  } catch (const std::bad_alloc&) {
    state_->out_of_memory = true;
    return out_of_memory();
  }
}

std::u16string DeclarationGenerator::declarations(const DeclarationStyle& style) const {
  if (state_->out_of_memory) throw std::bad_alloc();
  return print_declarations(state_->catalogue, style);
}

GeneratedDeclarations DeclarationGenerator::finish() {
  GeneratedDeclarations result{{}, end_document()};
  if (state_->out_of_memory) return result;
  try {
    result.text = declarations();
  } catch (const std::bad_alloc&) {
    result.text.clear();
    result.parse_result = out_of_memory();
  }
  return result;
}

GeneratedDeclarations generate_declarations_with_status(std::u16string_view xml_text) {
  try {
    DeclarationGenerator generator;
    generator.feed(xml_text);
    return generator.finish();
  } catch (const std::bad_alloc&) {
    return {{}, out_of_memory()};
  }
}

}  // namespace ambrel
