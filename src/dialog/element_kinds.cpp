#include "dialog/element_kinds.h"

#include <array>
#include <cstddef>
#include <limits>

#include "dialog/definition/name_compare.h"
#include "dialog/objects/box_objects.h"
#include "dialog/objects/container_objects.h"
#include "dialog/objects/gadget_object.h"
#include "dialog/objects/grid_object.h"
#include "dialog/objects/single_child_object.h"
#include "dialog/objects/splitter_object.h"

namespace ambrel {
namespace {

constexpr std::array kElementKinds = {
#define AMBREL_ELEMENT(Name, object, ...) \
  ElementKind{KindRow{__VA_ARGS__}.element, DialogKind::Name, object},
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, object, ...) \
  ElementKind{KindRow{__VA_ARGS__}.element, DialogKind::Name, object},
#include "kinds/kinds.def"
};

// The row of each kind code, found without a search; two rows with one code stop the build.
constexpr std::uint8_t kNoRow = std::numeric_limits<std::uint8_t>::max();
constexpr auto kRowOfKind = [] {
  std::array<std::uint8_t, std::numeric_limits<std::uint8_t>::max() + 1> rows{};
  rows.fill(kNoRow);
  for (std::size_t i = 0; i < kElementKinds.size(); ++i) {
    std::uint8_t& row = rows[static_cast<std::uint8_t>(kElementKinds[i].kind)];
    if (row != kNoRow) throw "two rows for one kind";
    row = static_cast<std::uint8_t>(i);
  }
  return rows;
}();

}  // namespace

const ElementKind* find_element_kind(std::u16string_view element) {
  for (const ElementKind& entry : kElementKinds) {
    if (names_equal(entry.element, element)) return &entry;
  }
  return nullptr;
}

const ElementKind* element_kind_of(DialogKind kind) {
  std::uint8_t row = kRowOfKind[static_cast<std::uint8_t>(kind)];
  return row == kNoRow ? nullptr : &kElementKinds[row];
}

std::span<const ElementKind> element_kinds() { return kElementKinds; }

std::u16string_view element_name_of(DialogKind kind) {
  const ElementKind* entry = element_kind_of(kind);
  return entry == nullptr ? std::u16string_view{} : entry->element;
}

}  // namespace ambrel
