#include "generator/declaration_generator.h"

#include <new>
#include <optional>
#include <system_error>
#include <utility>

#include "generator/catalogue.h"
#include "generator/catalogue_filer.h"
#include "generator/declarations.h"
#include "generator/json_filing.h"
#include "json/json_event_reader.h"
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

CatalogueNaming naming_of(DocumentFormat format) {
  return format == DocumentFormat::xml ? kXmlNaming : kJsonNaming;
}

// One document's reader with the handler that files its events.
struct XmlReading {
  explicit XmlReading(CatalogueFiler& filer) : handler(filer), parser(handler) {}
  FilingHandler handler;
  XmlEventParser parser;
};
struct JsonReading {
  explicit JsonReading(CatalogueFiler& filer) : filing(filer), reader(filing) {}
  JsonFiling filing;
  JsonEventReader reader;
};

}  // namespace

struct DeclarationGenerator::State {
  State(FormatChoice format_choice, MapChoice map_choice)
      : choice(format_choice), maps(std::move(map_choice)) {}

  FormatChoice choice;
  MapChoice maps;
  // Made for the first document's format.
  std::optional<ElementCatalogue> catalogue;
  std::optional<CatalogueFiler> filer;
  DocumentFormat catalogue_format = DocumentFormat::xml;
  // The current document: its start while its format is unknown, then its reader.
  FormatDetection detection;
  std::u16string blank_start;
  std::optional<DocumentFormat> format;
  std::optional<XmlReading> xml;
  std::optional<JsonReading> json;
  bool any_document_ended = false;
  bool out_of_memory = false;  // the catalogue is not to be used

  bool is_other_format() const { return catalogue && *format != catalogue_format; }

  // Starts reading the current document in `document_format`.
  void start_reading(DocumentFormat document_format) {
    format = document_format;
    if (!catalogue) {
      catalogue.emplace(naming_of(document_format));
      if (document_format == DocumentFormat::json) {
        filer.emplace(*catalogue, maps);
      } else {
        filer.emplace(*catalogue);
      }
      catalogue_format = document_format;
    }
    if (is_other_format()) return;
    if (any_document_ended) filer->start_document();
    if (document_format == DocumentFormat::xml) {
      xml.emplace(*filer);
    } else {
      json.emplace(*filer);
    }
  }

  // The format, once known from the text fed so far and `piece`.
  std::optional<DocumentFormat> decided_format(std::u16string_view piece) {
    switch (choice) {
      case FormatChoice::detect:
        return detection.look_at(piece);
      case FormatChoice::xml:
        return DocumentFormat::xml;
      case FormatChoice::json:
        return DocumentFormat::json;
    }
    return std::nullopt;
  }

  DocumentResult end_reading() {
    DocumentResult result;
    result.format = *format;
    if (is_other_format()) {
      result.other_format = true;
    } else if (xml) {
      result.xml = xml->parser.finish();
      out_of_memory = xml->parser.handler_failed();
    } else {
      result.json = json->reader.finish();
      out_of_memory = result.json.status == JsonStatus::out_of_memory;
    }
    xml.reset();
    json.reset();
    format.reset();
    detection = {};
    blank_start.clear();
    any_document_ended = true;
    if (!out_of_memory && !result.other_format) filer->finish();
    return result;
  }
};

DeclarationGenerator::DeclarationGenerator(FormatChoice choice, MapChoice maps)
    : state_(std::make_unique<State>(choice, std::move(maps))) {}

DeclarationGenerator::~DeclarationGenerator() = default;

void DeclarationGenerator::feed(std::u16string_view piece) {
  if (state_->out_of_memory) return;
  try {
    if (!state_->format) {
      std::optional<DocumentFormat> format = state_->decided_format(piece);
      if (!format) {
        state_->blank_start.append(piece);
        return;
      }
      state_->start_reading(*format);
      if (!state_->blank_start.empty()) feed_document(state_->blank_start);
    }
    feed_document(piece);
  } catch (const std::bad_alloc&) {
    state_->out_of_memory = true;
  } catch (const std::system_error&) {  // no thread for the JSON reader: resources ran out
    state_->out_of_memory = true;
  }
}

void DeclarationGenerator::feed_document(std::u16string_view piece) {
  if (state_->xml) state_->xml->parser.feed(piece);
  if (state_->json) state_->json->reader.feed(piece);
}

DocumentResult DeclarationGenerator::end_document() {
  DocumentFormat format = state_->format.value_or(DocumentFormat::xml);
  if (state_->out_of_memory) return DocumentResult::memory_ran_out(format);
  try {
    if (!state_->format) {  // only blanks, or nothing: read as the format chosen
      state_->start_reading(state_->choice == FormatChoice::json ? DocumentFormat::json
                                                                 : DocumentFormat::xml);
      feed_document(state_->blank_start);
    }
    return state_->end_reading();
  } catch (const std::bad_alloc&) {
    state_->out_of_memory = true;
    return DocumentResult::memory_ran_out(format);
  } catch (const std::system_error&) {  // no thread for the JSON reader: resources ran out
    state_->out_of_memory = true;
    return DocumentResult::memory_ran_out(format);
  }
}

std::u16string DeclarationGenerator::declarations(const DeclarationStyle& style) const {
  if (state_->out_of_memory) throw std::bad_alloc();
  if (!state_->catalogue) return {};
  return print_declarations(*state_->catalogue, style);
}

bool DeclarationGenerator::declarations(const DeclarationStyle& style,
                                        const DeclarationSink& sink) const {
  if (state_->out_of_memory) throw std::bad_alloc();
  if (!state_->catalogue) return true;
  return print_declarations(*state_->catalogue, style, sink);
}

std::vector<std::u16string> DeclarationGenerator::unmatched_forced_paths() const {
  if (!state_->filer || state_->catalogue_format == DocumentFormat::xml) {
    std::vector<std::u16string> all = state_->maps.maps;
    all.insert(all.end(), state_->maps.records.begin(), state_->maps.records.end());
    return all;
  }
  return state_->filer->unmatched_forced_paths();
}

}  // namespace ambrel
