#pragma once

// What every gadget record holds, and the kind record through which a kind changes the
// common behaviour. A kind fills only the operations it needs; a null operation means the
// common default (or, for state, items and attributes, nothing).

#include <memory>
#include <string>
#include <string_view>

#include "kinds/kind_row.h"
#include "backend/backend.h"

namespace ambrel {

// The gadget layer's code of each gadget kind (kinds.def); None names no gadget (a window).
enum class GadgetKindCode : int {
  None = 0,
#define AMBREL_GADGET_KIND(Family, Name, gadget_creation, object, ...) \
  Name = KindRow{__VA_ARGS__}.gadget_code,
#include "kinds/kinds.def"
};

// Kind-specific values a kind keeps with its gadget (a splitter's ratio, a panel's pages).
class GadgetExtra {
 public:
  virtual ~GadgetExtra() = default;
};

struct GadgetKind;

struct Gadget {
  int number = -1;
  NativeHandle handle;
  const GadgetKind* kind = nullptr;
  int flags = 0;  // the creation flags, as the caller gave them
  std::unique_ptr<GadgetExtra> extra;
  // The native control is already gone (destroyed with its window or parent).
  bool native_gone = false;
};

struct GadgetKind {
  GadgetKindCode code = GadgetKindCode::None;

  void (*free)(Gadget& gadget) = nullptr;
  std::u16string (*get_text)(const Gadget& gadget) = nullptr;
  void (*set_text)(Gadget& gadget, std::u16string_view text) = nullptr;
  int (*get_state)(const Gadget& gadget) = nullptr;
  void (*set_state)(Gadget& gadget, int value) = nullptr;
  int (*add_item)(Gadget& gadget, int position, std::u16string_view text) = nullptr;
  int (*get_attribute)(const Gadget& gadget, int attribute) = nullptr;
  void (*set_attribute)(Gadget& gadget, int attribute, int value) = nullptr;
  void (*hide)(Gadget& gadget, bool hidden) = nullptr;
  // Takes the raw arguments, kKeepValue included.
  void (*resize)(Gadget& gadget, int x, int y, int width, int height) = nullptr;
  // A command of the control; true when the kind took it, false to let it become a gadget
  // event with the command's number as type. The gadget may be freed inside.
  bool (*command)(Gadget& gadget, ControlCommand command) = nullptr;
  // The user pasted into the control: true when the kind takes the paste in, false to leave
  // it to the control. The gadget may be freed inside.
  bool (*paste)(Gadget& gadget) = nullptr;
  // The program is about to replace the control's whole text.
  void (*text_replaced)(Gadget& gadget) = nullptr;
  // The control gained or lost the keyboard focus. The gadget may be freed inside.
  void (*focus)(Gadget& gadget, bool gained) = nullptr;
  // The control's size changed. The gadget may be freed inside.
  void (*resized)(Gadget& gadget) = nullptr;
  // The smallest size at which the content shows; absent: 0 x 0.
  Size (*natural_size)(const Gadget& gadget) = nullptr;
  // Mouse input on a control of the kind's own making (the splitter). The gadget may be
  // freed inside.
  void (*mouse)(Gadget& gadget, const MouseInput& input) = nullptr;
  // Where the control draws its raised grip, in its client coordinates; absent or empty:
  // no grip.
  Rect (*grip)(const Gadget& gadget) = nullptr;
};

}  // namespace ambrel
