#include "literal_generator.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

#include "generator/name_set.h"
#include "generator/value_types.h"
#include "compiled_regex.h"
#include "support/object_registry.h"
#include "support/text_case.h"
#include "xml/xml_document.h"
#include "xml_navigation.h"

namespace ambrel {

namespace {

struct LiteralElement {
  std::u16string name;
  std::u16string marked_path;
  std::u16string last_parent_path;
  NameSet values;
  NameSet attribute_names;
  std::int32_t sibling_count = 0;
};

struct LiteralField {
  std::u16string name;
  std::u16string suffix;
  std::int32_t sibling_count;
  std::u16string attributes;
};

struct LiteralStructure {
  std::u16string name;
  std::u16string path_comment;
  std::u16string attributes;
  std::vector<LiteralField> fields;
};

using Catalogue = std::map<std::u16string, LiteralElement>;

void visit(XmlNode* node, Catalogue& catalogue, CompiledRegex& pattern,
           std::vector<XmlNode*>& pending) {
  if (xml_node_kind(node) != 1) return;
  std::u16string path = xml_node_path(node);
  LiteralElement& r = catalogue[lower_case_text(pattern.replace(path, u""))];
  std::u16string own = lower_case_text(path);
  if (!own.empty() && own.back() == u']') own.erase(own.rfind(u'['));
  if (own == r.last_parent_path) {
    ++r.sibling_count;
  } else {
    r.sibling_count = 1;
    r.last_parent_path = own;
  }
  r.marked_path = pattern.replace(path, u"[]");
  r.name = xml_node_name(node);
  if (xml_examine_attributes(node) == 1) {
    while (xml_next_attribute(node) == 1)
      r.attribute_names.add(lower_case_text(xml_attribute_name(node)));
  }
  if (xml_child_count(node) > 0) {
    pending.push_back(xml_child_node(node, 1));
  } else {
    r.values.add(xml_node_text(node));
  }
}

Catalogue literal_catalogue(XmlNode* first, CompiledRegex& pattern) {
  Catalogue catalogue;
  std::vector<XmlNode*> pending{first};  // the next node to visit at each open level
  while (!pending.empty()) {
    XmlNode* node = pending.back();
    if (node == nullptr) {
      pending.pop_back();
      continue;
    }
    pending.back() = xml_next_node(node);
    visit(node, catalogue, pattern, pending);
  }
  return catalogue;
}

std::u16string merged_type(const NameSet& values) {
  std::u16string current;
  for (std::u16string_view value : values.in_iteration_order()) {
    std::u16string t(type_suffix(infer_value_type(value)));
    if (current.empty() || ((current == u".q" || current == u".f") && (t == u".f" || t == u".s"))) {
      current = t;
    }
    if (current == u".s") break;
  }
  return current;
}

std::u16string joined(const NameSet& names) {
  std::u16string out;
  for (std::u16string_view name : names.in_iteration_order()) {
    if (!out.empty()) out += u',';
    out += name;
  }
  return out;
}

std::u16string parent_part(const std::u16string& key) { return key.substr(0, key.rfind(u'/') + 1); }

std::u16string group_of(std::u16string key) {
  while (!key.empty() && key.back() == u'/') key.pop_back();
  std::size_t slash = key.rfind(u'/');
  return slash == std::u16string::npos ? std::u16string() : key.substr(0, slash + 1);
}

std::u16string print(std::map<std::u16string, LiteralStructure>& table, std::size_t width) {
  std::vector<std::u16string> keys;
  for (auto& entry : table) keys.push_back(entry.first);
  std::sort(keys.rbegin(), keys.rend());
  std::u16string out;
  std::u16string previous_group;
  for (const std::u16string& key : keys) {
    const LiteralStructure& s = table[key];
    if (group_of(key) != previous_group) {
      out += u"\r\n";
      previous_group = group_of(key);
    }
    out += u"; " + s.path_comment + u"\r\n";
    if (!s.attributes.empty()) out += u"; attributes: " + s.attributes + u"\r\n";
    out += u"Structure " + upper_case_text(s.name) + u"\r\n";
    for (const LiteralField& f : s.fields) {
      std::u16string c = f.attributes.empty() ? u"" : u"attributes: " + f.attributes;
      if (f.sibling_count > 1) {
        c = c.empty() ? u"[]" : u"[] " + c;
      } else if (!c.empty()) {
        c = u"   " + c;
      }
      if (!c.empty())
        c = std::u16string(width - (f.name.size() + f.suffix.size()), u' ') + u" ; " + c;
      out += u"\t" + f.name + f.suffix + c + u"\r\n";
    }
    out += u"EndStructure\r\n";
  }
  return out;
}

}  // namespace

std::u16string literal_declarations(std::u16string_view xml_text) {
  int document = xml_parse_text(kAnyNumber, xml_text);
  if (xml_is_document(document) == 0) return {};
  CompiledRegex index_pattern(u"\\[.*?\\]");
  Catalogue catalogue = literal_catalogue(xml_main_node(document), index_pattern);
  xml_free_document(document);
  if (catalogue.empty()) return {};

  std::map<std::u16string, LiteralStructure> table;
  table[u"/"].name = u"XML_MAIN";
  table[u"/"].path_comment = u"/";
  std::size_t width = 0;
  std::vector<std::u16string> leaf_keys;
  for (auto& [key, r] : catalogue) {
    std::u16string attributes = joined(r.attribute_names);
    LiteralField field{r.name, {}, r.sibling_count, attributes};
    if (r.values.empty()) {
      field.suffix = u".XML_" + upper_case_text(r.name);
      LiteralStructure& own = table[key + u"/"];
      own.name = u"XML_" + r.name;
      own.path_comment = r.marked_path;
      own.attributes = attributes;
    } else {
      field.suffix = merged_type(r.values);
      leaf_keys.push_back(key);
    }
    width = std::max(width, field.name.size() + field.suffix.size());
    table[parent_part(key)].fields.push_back(field);
  }
  // A kind that is childless only sometimes heads the block of its own child kinds.
  for (const std::u16string& key : leaf_keys) {
    auto own = table.find(key + u"/");
    if (own == table.end()) continue;
    const LiteralElement& r = catalogue[key];
    own->second.name = u"XML_" + r.name;
    own->second.path_comment = r.marked_path;
    own->second.attributes = joined(r.attribute_names);
  }
  return print(table, width);
}

}  // namespace ambrel
