#include "xml/sibling_names.h"

namespace ambrel {

SiblingNames::Entry SiblingNames::count(std::u16string_view name) {
  if (Slot* slot = find(name)) {
    ++slot->count;
    return {slot->name.data(), slot->count};
  }
  return {nullptr, 1};
}

void SiblingNames::clear() {
  inline_used_ = 0;
  last_hit_ = 0;
  if (more_) more_->clear();
}

SiblingNames::Slot* SiblingNames::find(std::u16string_view name) {
  if (last_hit_ < inline_used_ && inline_[last_hit_].name == name) return &inline_[last_hit_];
  for (int i = 0; i < inline_used_; ++i) {
    if (inline_[i].name == name) {
      last_hit_ = i;
      return &inline_[i];
    }
  }
  if (!more_) return nullptr;
  auto it = more_->find(name);
  return it == more_->end() ? nullptr : &it->second;
}

void SiblingNames::add(std::u16string_view stored_name) {
  Slot slot{stored_name, 1};
  if (inline_used_ < kInline) {
    last_hit_ = inline_used_;
    inline_[inline_used_++] = slot;
    return;
  }
  if (!more_) more_ = std::make_unique<std::unordered_map<std::u16string_view, Slot>>();
  more_->emplace(stored_name, slot);
}

}  // namespace ambrel
