#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "dialog/definition/element_view.h"

namespace ambrel {

// A definition element made from plain texts, laid out like an XML node's attribute table.
class TestElement {
 public:
  TestElement(std::u16string name,
              std::initializer_list<std::pair<std::u16string, std::u16string>> attributes)
      : name_(std::move(name)) {
    for (const auto& [attribute, value] : attributes) {
      texts_.push_back(attribute);
      texts_.push_back(value);
    }
    for (const std::u16string& text : texts_) table_.push_back(text.c_str());
  }
  TestElement(const TestElement&) = delete;
  TestElement& operator=(const TestElement&) = delete;

  ElementView view() const {
    return ElementView{name_, table_.data(), static_cast<int>(texts_.size() / 2)};
  }

 private:
  std::u16string name_;
  std::vector<std::u16string> texts_;
  std::vector<const char16_t*> table_;
};

}  // namespace ambrel
