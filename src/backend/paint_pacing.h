#pragma once

// Scintilla lays a line out whole whenever it draws it. While the program's text keeps coming
// into a long line, drawing it again after every piece made a fill take time that grows with
// the square of the line: after a paint that took over 40 ms, paints wait four times as long
// as it took, so that the text goes in at least four fifths of the time. The editors of each
// backend time their paints and hold them back for as long as this says.

#include <chrono>

namespace ambrel {

class PaintPacing {
 public:
  using Duration = std::chrono::steady_clock::duration;

  void painted(Duration cost) { last_cost_ = cost; }

  // After the program added text: how long paints are to wait from now; zero when the last
  // one was cheap, or when they are waiting already.
  std::chrono::milliseconds wait_after_text() {
    if (waiting_ || last_cost_ < kCostly) return std::chrono::milliseconds{0};
    waiting_ = true;
    return std::chrono::ceil<std::chrono::milliseconds>(last_cost_ * kWaits);
  }

  bool waiting() const { return waiting_; }
  // The wait is over: the editor paints again.
  void released() { waiting_ = false; }

 private:
  static constexpr Duration kCostly = std::chrono::milliseconds{40};
  static constexpr int kWaits = 4;

  Duration last_cost_{};
  bool waiting_ = false;
};

}  // namespace ambrel
