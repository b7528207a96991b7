#pragma once

// What the backends make for the gadget kinds (kinds.def): ControlKind, and the same kinds
// by family, one enum a family. A backend makes and reads the controls of one family in one
// file, whose switches over that family's enum list exactly its kinds; visit_control_family
// hands a control kind on to the overload for its family.

namespace ambrel {

enum class ControlKind {
#define AMBREL_GADGET_KIND(Family, Name, ...) Name,
#define AMBREL_CONTROL(Family, Name) Name,
#include "kinds/kinds.def"
};

// The text, button, editor, frame, container and splitter.
enum class BasicKind {
#define AMBREL_BASIC_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

enum class ChoiceKind {
#define AMBREL_CHOICE_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

enum class FieldKind {
#define AMBREL_FIELD_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

enum class ListKind {
#define AMBREL_LIST_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

enum class PageKind {
#define AMBREL_PAGE_KIND(Name, ...) Name,
#define AMBREL_PAGE_CONTROL(Name) Name,
#include "kinds/kinds.def"
};

enum class PictureKind {
#define AMBREL_PICTURE_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

enum class RangeKind {
#define AMBREL_RANGE_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

enum class ViewKind {
#define AMBREL_VIEW_KIND(Name, ...) Name,
#include "kinds/kinds.def"
};

// Calls `visit` with `kind` as the kind of its family (BasicKind::Text for ControlKind::Text)
// and returns what it returns.
template <class Visit>
decltype(auto) visit_control_family(ControlKind kind, Visit&& visit) {
  switch (kind) {
#define AMBREL_GADGET_KIND(Family, Name, ...) \
  case ControlKind::Name:                     \
    return visit(Family::Name);
#define AMBREL_CONTROL(Family, Name) \
  case ControlKind::Name:            \
    return visit(Family::Name);
#include "kinds/kinds.def"
  }
  // Every ControlKind has its case above.
  __builtin_unreachable();
}

}  // namespace ambrel
