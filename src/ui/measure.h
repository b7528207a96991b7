#pragma once

// Natural sizes of gadgets: the smallest size at which a control's content shows, from its
// text measured in the control's own font and from the system metrics. Nothing is cached;
// every call measures anew.
//
// The formulas take the measured figures, so each kind's measure is its text figures fed
// into one of them.

#include <string_view>

#include "backend/backend.h"

namespace ambrel {

// The kind's measure; 0 x 0 for kinds without one and for unknown gadgets.
Size gadget_natural_size(int gadget);
// The extent height of the gadget's text, at least 10 (a frame's top inset); 0 when unknown.
int gadget_caption_height(int gadget);
// Single-line extent and multi-line block of a text in the gadget's font; 0 x 0 when unknown.
Size gadget_text_extent(int gadget, std::u16string_view text);
Size gadget_text_block(int gadget, std::u16string_view text);
// The platform's metrics; all zero without a backend.
SystemMetrics ui_system_metrics();

// The text some kinds measure instead of their own: as tall as a line of any text.
inline constexpr std::u16string_view kLineSample = u"Hg";
// The widest address an address field shows.
inline constexpr std::u16string_view kWidestAddress = u"255.255.255.255";

Size button_natural_size(Size extent, const SystemMetrics& metrics);
Size text_natural_size(Size block, bool bordered, const SystemMetrics& metrics);
Size hyperlink_natural_size(Size block);
// Check box and option.
Size check_natural_size(Size extent);
// String and shortcut field, from the extent of kLineSample.
Size string_natural_size(Size sample_extent, const SystemMetrics& metrics);
Size spin_natural_size(Size sample_extent, const SystemMetrics& metrics);
Size address_natural_size(Size address_extent, const SystemMetrics& metrics);
Size combobox_natural_size(Size sample_extent);
// The portable form: the control's text, plus room for the drop-down (and the check box).
Size date_natural_size(Size extent, bool check_box, const SystemMetrics& metrics);
Size button_image_natural_size(Size image, const SystemMetrics& metrics);
Size scrollbar_natural_size(bool vertical, const SystemMetrics& metrics);
int caption_height(Size extent);

}  // namespace ambrel
