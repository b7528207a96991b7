#include "dialog/definition/flag_tables.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "geometry/splitter_geometry.h"

namespace ambrel {
namespace {

// The flag rows of all kinds in one list, each kind's rows one after another, with the kind
// of each row beside it.
constexpr FlagRow kFlags[] = {
#define AMBREL_FLAG(Kind, constant, ...) FlagRow{__VA_ARGS__},
#include "kinds/kinds.def"
};

constexpr DialogKind kFlagKinds[] = {
#define AMBREL_FLAG(Kind, ...) DialogKind::Kind,
#include "kinds/kinds.def"
};

// A kind's rows form one run, so that its table is a slice of the list.
constexpr bool each_kind_in_one_run() {
  for (std::size_t i = 1; i < std::size(kFlagKinds); ++i) {
    if (kFlagKinds[i] == kFlagKinds[i - 1]) continue;
    if (std::find(kFlagKinds, kFlagKinds + i, kFlagKinds[i]) != kFlagKinds + i) return false;
  }
  return true;
}
static_assert(each_kind_in_one_run(), "a kind's flag rows stand apart in kinds.def");

}  // namespace

std::span<const FlagRow> flag_table(DialogKind kind) {
  const DialogKind* first = std::find(std::begin(kFlagKinds), std::end(kFlagKinds), kind);
  const DialogKind* last =
      std::find_if(first, std::end(kFlagKinds), [kind](DialogKind other) { return other != kind; });
  std::size_t start = static_cast<std::size_t>(first - std::begin(kFlagKinds));
  return std::span<const FlagRow>(kFlags).subspan(start, static_cast<std::size_t>(last - first));
}

}  // namespace ambrel
