#pragma once

// A sink for backend tests that only counts what the user's actions reported: the program's
// own changes (scrolling, filling, pictures) must report nothing.

#include <vector>

#include "ignoring_sink.h"

namespace ambrel {

class CommandSink final : public IgnoringSink {
 public:
  bool on_tab_key(NativeHandle, bool) override { return true; }
  void on_control_command(NativeHandle, ControlCommand command) override {
    codes.push_back(static_cast<int>(command));
  }

  std::vector<int> codes;
};

}  // namespace ambrel
