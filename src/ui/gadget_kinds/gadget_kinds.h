#pragma once

// The gadget kinds the layer creates (kinds.def). Every kind is created the same way, so a
// caller that knows only the kind code goes through create_gadget_of_kind.

#include <array>
#include <string_view>

#include "backend/backend.h"
#include "ui/gadget_kind.h"
#include "ui/kind_flags.h"

namespace ambrel {

// Attributes of the page kinds (get_gadget_attribute / set_gadget_attribute).
inline constexpr int kPanelPageWidth = 1;
inline constexpr int kPanelPageHeight = 2;
inline constexpr int kPanelTabHeight = 3;
inline constexpr int kScrollAreaInnerWidth = 1;
inline constexpr int kScrollAreaInnerHeight = 2;

// What a creation takes besides number and geometry; a kind reads what it needs (the
// editor ignores the text, the container the text too).
struct GadgetArguments {
  std::u16string_view text = {};
  int flags = 0;
  // Scroll bar, progress bar, track bar, spin: the range (and a scroll bar's page).
  int minimum = 0;
  int maximum = 0;
  int page = 0;
  int color = -1;  // hyperlink: its text's colour number 0xBBGGRR (red lowest), -1 the default
  std::array<int, 2> panes{-1, -1};  // splitter: the gadgets that become its two panes
};

// Each kind's creation (create_text_gadget ...), declared here for every gadget row of
// kinds.def and defined in the file of its family. Each takes what its creation needs from
// the arguments and honours its flags; returns the new number for kAnyNumber, 1 for an
// explicit number, 0 on failure.
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, ...) \
  int gadget_creation(int number, Rect geometry, const GadgetArguments& arguments);
#include "kinds/kinds.def"

// Creates a gadget of the kind; 0 for None.
int create_gadget_of_kind(GadgetKindCode kind, int number, Rect geometry,
                          const GadgetArguments& arguments);

}  // namespace ambrel
