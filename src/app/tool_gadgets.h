#pragma once

// The main window and the gadgets of it that the tool works on, looked up once, when the
// window has opened.

#include <cstdint>

#include "dialog/dialog.h"

namespace ambrel {

struct ToolGadgets {
  int window = 0;
  int input = 0;
  int output = 0;
  int copy_all = 0;
  int input_frame = 0;  // where files are dropped

  static ToolGadgets of(std::int32_t dialog) {
    return {.window = dialog_window(dialog),
            .input = dialog_gadget(dialog, u"txtIn"),
            .output = dialog_gadget(dialog, u"txtOut"),
            .copy_all = dialog_gadget(dialog, u"cmdCopyAll"),
            .input_frame = dialog_gadget(dialog, u"frameIn")};
  }
};

}  // namespace ambrel
