#pragma once

#include <cstdint>

namespace ambrel {

// The kind code of every object built from a definition element.
enum class DialogKind : std::uint8_t {
  Window = 1,
  Button = 3,
  CheckBox = 4,
  Image = 5,
  Option = 6,
  ListView = 7,
  ListIcon = 8,
  Tree = 9,
  Container = 10,
  ComboBox = 11,
  Text = 12,
  String = 13,
  Panel = 14,
  Tab = 15,
  ScrollArea = 16,
  Frame = 17,
  Editor = 20,
  Scintilla = 21,
  ScrollBar = 22,
  ProgressBar = 23,
  ExplorerList = 24,
  ExplorerTree = 25,
  ExplorerCombo = 26,
  Splitter = 27,
  Shortcut = 28,
  ButtonImage = 29,
  TrackBar = 30,
  Canvas = 31,
  Calendar = 32,
  Date = 33,
  Spin = 34,
  Web = 35,
  HyperLink = 36,
  IpAddress = 37,
  VBox = 101,
  HBox = 102,
  MultiBox = 103,
  SingleBox = 104,
  GridBox = 105,
  Empty = 106,
};

}  // namespace ambrel
