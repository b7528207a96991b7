#include "dialog/definition/dialog_kind.h"

#include "geometry/splitter_geometry.h"

namespace ambrel {

KindRow kind_row_of(DialogKind kind) {
  switch (kind) {
#define AMBREL_ELEMENT(Name, object, ...) \
  case DialogKind::Name:                  \
    return KindRow{__VA_ARGS__};
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, object, ...) \
  case DialogKind::Name:                                               \
    return KindRow{__VA_ARGS__};
#include "kinds/kinds.def"
  }
  return {};
}

}  // namespace ambrel
