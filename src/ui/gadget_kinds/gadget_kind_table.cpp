// Every gadget kind the layer can create, in one list: a new kind adds its file and a line.

#include <array>

#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

namespace {

struct GadgetKindEntry {
  int kind;
  GadgetCreator create;
};

constexpr std::array kGadgetKinds = {
    GadgetKindEntry{kGadgetButton, create_button_gadget},
    GadgetKindEntry{kGadgetText, create_text_gadget},
    GadgetKindEntry{kGadgetFrame, create_frame_gadget},
    GadgetKindEntry{kGadgetContainer, create_container_gadget},
    GadgetKindEntry{kGadgetEditor, create_editor_gadget},
};

}  // namespace

int create_gadget_of_kind(int kind, int number, Rect geometry, const GadgetArguments& arguments) {
  for (const GadgetKindEntry& entry : kGadgetKinds) {
    if (entry.kind == kind) return entry.create(number, geometry, arguments);
  }
  return 0;
}

}  // namespace ambrel
