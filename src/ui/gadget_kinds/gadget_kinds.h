#pragma once

// The gadget kinds the layer creates, their kind codes and creation flags. Every kind is
// created the same way, so a caller that knows only the kind code goes through
// create_gadget_of_kind.

#include <string_view>

#include "ui/backend/backend.h"

namespace ambrel {

inline constexpr int kGadgetButton = 1;
inline constexpr int kGadgetText = 3;
inline constexpr int kGadgetFrame = 7;
inline constexpr int kGadgetContainer = 11;
inline constexpr int kGadgetEditor = 22;

inline constexpr int kTextCenter = 1;
inline constexpr int kTextRight = 2;
inline constexpr int kTextBorder = 131072;

inline constexpr int kButtonDefault = 1;
inline constexpr int kButtonLeft = 256;
inline constexpr int kButtonRight = 512;
inline constexpr int kButtonMultiLine = 8192;
inline constexpr int kButtonToggle = 4099;

inline constexpr int kEditorReadOnly = 2048;
inline constexpr int kEditorWordWrap = 268435456;

inline constexpr int kFrameDouble = 1;
inline constexpr int kFrameSingle = 2;
inline constexpr int kFrameFlat = 3;

inline constexpr int kContainerBorderLess = 0;
inline constexpr int kContainerFlat = 1;
inline constexpr int kContainerRaised = 2;
inline constexpr int kContainerSingle = 4;
inline constexpr int kContainerDouble = 8;

// What a creation takes besides number and geometry; a kind reads what it needs (the
// editor ignores the text, the container the text too).
struct GadgetArguments {
  std::u16string_view text = {};
  int flags = 0;
};

// Each returns the new number for kAnyNumber, 1 for an explicit number, 0 on failure.
using GadgetCreator = int (*)(int number, Rect geometry, const GadgetArguments& arguments);

int create_text_gadget(int number, Rect geometry, const GadgetArguments& arguments);
int create_button_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// Created with events suppressed throughout; set its content with set_gadget_text.
int create_editor_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// A captioned group frame; styles 1 to 3 make a plain bordered box without caption instead.
int create_frame_gadget(int number, Rect geometry, const GadgetArguments& arguments);
// Becomes the current gadget list; close it with close_gadget_list.
int create_container_gadget(int number, Rect geometry, const GadgetArguments& arguments);

// Creates a gadget of the kind with that code; 0 for a code no kind has.
int create_gadget_of_kind(int kind, int number, Rect geometry, const GadgetArguments& arguments);

}  // namespace ambrel
