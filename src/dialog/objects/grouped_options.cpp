#include "dialog/objects/grouped_options.h"

#include <cstdint>
#include <unordered_map>

#include "dialog/objects/gadget_creation.h"
#include "ui/gadget.h"
#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {
namespace {

// A text gadget made and freed at once closes the platform's open option group, so the
// options created next start a new one.
void start_new_option_group() {
  int separator = create_text_gadget(kAnyNumber, Rect{}, GadgetArguments{});
  if (separator != 0) free_gadget(separator);
}

void create_option(const PendingOption& entry, BuildContext& context) {
  DialogObject& option = *entry.option;
  GadgetRequest request;
  request.kind = DialogKind::Option;
  request.number = option.requested_id();
  request.text = option.text_or_empty();
  option.set_gadget(create_definition_gadget(request));
  apply_gadget_state_attributes(option.gadget(), context.view_of(*entry.node));
}

}  // namespace

void create_grouped_options(const std::vector<PendingOption>& pending, BuildContext& context) {
  // The entries of each group in list order, the groups in the order they first appear:
  // sorted once, so that a list of many small groups costs no more than one large group.
  std::vector<std::vector<const PendingOption*>> groups;
  std::unordered_map<std::int32_t, std::size_t> index_of_group;
  for (const PendingOption& entry : pending) {
    auto [found, added] = index_of_group.try_emplace(entry.group, groups.size());
    if (added) groups.emplace_back();
    groups[found->second].push_back(&entry);
  }
  for (const std::vector<const PendingOption*>& group : groups) {
    start_new_option_group();
    for (const PendingOption* entry : group) create_option(*entry, context);
  }
}

}  // namespace ambrel
