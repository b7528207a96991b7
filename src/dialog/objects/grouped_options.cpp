#include "dialog/objects/grouped_options.h"

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

void create_option(const PendingOption& entry) {
  DialogObject& option = *entry.option;
  GadgetRequest request;
  request.kind = DialogKind::Option;
  request.number = option.requested_id();
  request.text = option.text_or_empty();
  option.set_gadget(create_definition_gadget(request));
  apply_gadget_state_attributes(option.gadget(), element_view_of(*entry.node));
}

}  // namespace

void create_grouped_options(const std::vector<PendingOption>& pending) {
  std::vector<bool> created(pending.size(), false);
  for (std::size_t first = 0; first < pending.size(); ++first) {
    if (created[first]) continue;
    start_new_option_group();
    for (std::size_t i = first; i < pending.size(); ++i) {
      if (created[i] || pending[i].group != pending[first].group) continue;
      create_option(pending[i]);
      created[i] = true;
    }
  }
}

}  // namespace ambrel
