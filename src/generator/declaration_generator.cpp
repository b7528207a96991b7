#include "generator/declaration_generator.h"

#include <new>

#include "generator/catalogue.h"
#include "generator/catalogue_filer.h"
#include "generator/declarations.h"
#include "xml/error_messages.h"
#include "xml/xml_event_parser.h"

namespace ambrel {

namespace {

constexpr int kOutOfMemory = 1;

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
  void start_doctype(std::u16string_view, std::u16string_view, std::u16string_view, bool) override {}
  void end_doctype() override {}

 private:
  CatalogueFiler& filer_;
};

XmlParseStatus out_of_memory() {
  XmlParseStatus status{};
  status.status = kOutOfMemory;
  status.message = xml_error_message(kOutOfMemory);
  return status;
}

}  // namespace

struct DeclarationGenerator::State {
  State() : filer(catalogue), handler(filer), parser(handler) {}

  ElementCatalogue catalogue;
  CatalogueFiler filer;
  FilingHandler handler;
  XmlEventParser parser;
};

DeclarationGenerator::DeclarationGenerator() : state_(std::make_unique<State>()) {}

DeclarationGenerator::~DeclarationGenerator() = default;

void DeclarationGenerator::feed(std::u16string_view piece) { state_->parser.feed(piece); }

GeneratedDeclarations DeclarationGenerator::finish() {
  GeneratedDeclarations result{{}, state_->parser.finish()};
  if (state_->parser.handler_failed()) return result;
  try {
    state_->filer.finish();
    result.text = print_declarations(state_->catalogue);
  } catch (const std::bad_alloc&) {
    result.text.clear();
    result.status = out_of_memory();
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
