#pragma once

#include "backend/backend_sink.h"

namespace ambrel {

// Event codes raised by the window and gadget layers.
inline constexpr int kEventGadget = 13100;
inline constexpr int kEventMenu = 13101;
inline constexpr int kEventTray = 13102;
inline constexpr int kEventActivateWindow = 13104;
inline constexpr int kEventWindowDrop = 13105;
inline constexpr int kEventGadgetDrop = 13106;
inline constexpr int kEventMinimizeWindow = 13107;
inline constexpr int kEventMaximizeWindow = 13108;
inline constexpr int kEventRestoreWindow = 13109;
inline constexpr int kEventTimer = 13110;
inline constexpr int kEventRightClick = 13111;
inline constexpr int kEventLeftClick = 13112;
inline constexpr int kEventLeftDoubleClick = 13113;
inline constexpr int kEventDeactivateWindow = 13114;
inline constexpr int kEventRepaint = 13115;
inline constexpr int kEventCloseWindow = 13116;
inline constexpr int kEventMoveWindow = 13117;
inline constexpr int kEventSizeWindow = 13118;

// Types of gadget events; a control's commands become the types of their numbers.
inline constexpr int kGadgetLeftClick = static_cast<int>(ControlCommand::Click);
inline constexpr int kGadgetRightClick = 1;
inline constexpr int kGadgetLeftDoubleClick = static_cast<int>(ControlCommand::DoubleClick);
inline constexpr int kGadgetRightDoubleClick = 3;
inline constexpr int kGadgetChange = static_cast<int>(ControlCommand::Change);
inline constexpr int kGadgetFocus = 14000;
inline constexpr int kGadgetLostFocus = 14001;
inline constexpr int kGadgetDragStart = 14002;
inline constexpr int kGadgetPasteIncomplete = static_cast<int>(ControlCommand::PasteIncomplete);

// -1 in a code, object, window or type argument of a binding or removal means "any".
inline constexpr int kAnyValue = -1;

}  // namespace ambrel
