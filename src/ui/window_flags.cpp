#include "ui/window_flags.h"

#include <cstdint>

namespace ambrel {

namespace {

// Platform style bits inside the caption flags.
constexpr std::uint32_t kCaption = 0xC00000;
constexpr std::uint32_t kSystemMenuBit = 0x80000;
constexpr std::uint32_t kSizeBorderBit = 0x40000;
constexpr std::uint32_t kMinimizeBoxBit = 0x20000;
constexpr std::uint32_t kMaximizeBoxBit = 0x10000;
constexpr std::uint32_t kPopupBit = 0x80000000u;

constexpr std::uint32_t bits(int flag) { return static_cast<std::uint32_t>(flag); }

}  // namespace

WindowOpenPlan plan_window_open(int flags) {
  std::uint32_t style = bits(flags);
  WindowOpenPlan plan;
  plan.becomes_gadget_list = (style & bits(kWindowNoGadgets)) == 0;
  plan.centring = static_cast<int>(style & bits(kWindowScreenCentered | kWindowWindowCentered));
  plan.no_activate = (style & bits(kWindowNoActivate)) != 0;
  plan.invisible = (style & bits(kWindowInvisible)) != 0;
  // Nothing but placement and visibility asked for: a window with a plain title bar.
  std::uint32_t placement_only =
      bits(kWindowScreenCentered | kWindowWindowCentered | kWindowNoGadgets | kWindowInvisible);
  if ((style & ~placement_only) == 0) style |= kCaption;
  bool tool = (style & bits(kWindowTool)) != 0;
  if (tool) {
    style |= kCaption;
    style &= ~(kMinimizeBoxBit | kMaximizeBoxBit | bits(kWindowStartMaximized) |
               bits(kWindowStartMinimized));
  }

  plan.style.caption = (style & kCaption) == kCaption;
  plan.style.close_box = (style & kSystemMenuBit) != 0;
  plan.style.sizable = (style & kSizeBorderBit) != 0;
  plan.style.minimize_box = (style & kMinimizeBoxBit) != 0;
  plan.style.maximize_box = (style & kMaximizeBoxBit) != 0;
  plan.style.frameless = (style & kPopupBit) != 0 && !plan.style.caption;
  plan.style.tool = tool;
  if ((style & bits(kWindowStartMaximized)) != 0) {
    plan.start_state = WindowState::Maximized;
  } else if ((style & bits(kWindowStartMinimized)) != 0) {
    plan.start_state = WindowState::Minimized;
  }
  return plan;
}

}  // namespace ambrel
