#pragma once

// The dialog library's two lookup tables for event procedures, which learn only numbers:
// window number -> window object (relayout on a size event) and pane container gadget ->
// splitter object (a pane's content follows the pane's size).

#include <cstdint>

namespace ambrel {

class WindowObject;
class SplitterObject;

void object_maps_init();
void object_maps_end();

void register_window_object(std::int32_t window, WindowObject* object);
void unregister_window_object(std::int32_t window);
WindowObject* find_window_object(std::int32_t window);

void register_splitter_pane(std::int32_t container, SplitterObject* splitter);
void unregister_splitter_pane(std::int32_t container);
SplitterObject* find_splitter_of_pane(std::int32_t container);

}  // namespace ambrel
