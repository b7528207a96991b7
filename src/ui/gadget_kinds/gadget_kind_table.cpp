// Every gadget kind the layer can create, from the one list of kinds.

#include "ui/gadget_kinds/gadget_kinds.h"

namespace ambrel {

int create_gadget_of_kind(GadgetKindCode kind, int number, Rect geometry,
                          const GadgetArguments& arguments) {
  switch (kind) {
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, ...) \
  case GadgetKindCode::Name:                                   \
    return gadget_creation(number, geometry, arguments);
#include "kinds/kinds.def"
    case GadgetKindCode::None:
      break;
  }
  return 0;
}

}  // namespace ambrel
