#include "ui/measure.h"

#include <algorithm>

#include "ui/gadget.h"
#include "ui/ui_backend.h"

namespace ambrel {

namespace {

constexpr int kButtonPadding = 10;
constexpr int kButtonMinimumHeight = 24;
constexpr int kFieldMinimumHeight = 20;
constexpr int kCheckMarkRoom = 20;
constexpr int kSpinArrowRoom = 50;
constexpr int kComboPadding = 8;
constexpr int kComboMinimumHeight = 21;
constexpr int kButtonImagePadding = 8;
constexpr int kMinimumCaptionHeight = 10;

}  // namespace

Size gadget_natural_size(int gadget) {
  Gadget* record = ui_text_metrics() ? find_gadget(gadget) : nullptr;
  if (!record || !record->kind->natural_size) return {};
  return record->kind->natural_size(*record);
}

int gadget_caption_height(int gadget) {
  if (!is_gadget(gadget)) return 0;
  return caption_height(gadget_text_extent(gadget, get_gadget_text(gadget)));
}

Size gadget_text_extent(int gadget, std::u16string_view text) {
  BackendTextMetrics* metrics = ui_text_metrics();
  Gadget* record = metrics ? find_gadget(gadget) : nullptr;
  return record ? metrics->text_extent(record->handle, text) : Size{};
}

Size gadget_text_block(int gadget, std::u16string_view text) {
  BackendTextMetrics* metrics = ui_text_metrics();
  Gadget* record = metrics ? find_gadget(gadget) : nullptr;
  return record ? metrics->text_block(record->handle, text) : Size{};
}

SystemMetrics ui_system_metrics() {
  BackendTextMetrics* metrics = ui_text_metrics();
  return metrics ? metrics->system_metrics() : SystemMetrics{};
}

Size button_natural_size(Size extent, const SystemMetrics& metrics) {
  return {extent.width + kButtonPadding + 2 * metrics.edge_width,
          std::max(extent.height + 2 * metrics.edge_height, kButtonMinimumHeight)};
}

Size text_natural_size(Size block, bool bordered, const SystemMetrics& metrics) {
  if (!bordered) return {block.width + 2, block.height + 2};
  return {block.width + 2 * metrics.edge_width, block.height + 2 * metrics.edge_height};
}

Size hyperlink_natural_size(Size block) { return {block.width + 4, block.height + 4}; }

Size check_natural_size(Size extent) {
  return {extent.width + kCheckMarkRoom, std::max(extent.height + 2, kFieldMinimumHeight)};
}

Size string_natural_size(Size sample_extent, const SystemMetrics& metrics) {
  return {2 * metrics.edge_width,
          std::max(sample_extent.height + 2 * metrics.edge_height, kFieldMinimumHeight)};
}

Size spin_natural_size(Size sample_extent, const SystemMetrics& metrics) {
  Size field = string_natural_size(sample_extent, metrics);
  return {field.width + kSpinArrowRoom, field.height};
}

Size address_natural_size(Size address_extent, const SystemMetrics& metrics) {
  return {address_extent.width + 2 * metrics.edge_width,
          std::max(address_extent.height + 2 * metrics.edge_height, kFieldMinimumHeight)};
}

Size combobox_natural_size(Size sample_extent) {
  int height = std::max(sample_extent.height + kComboPadding, kComboMinimumHeight);
  return {height, height};
}

Size date_natural_size(Size extent, bool check_box, const SystemMetrics& metrics) {
  int width = extent.width + 2 * metrics.edge_width;
  int height = std::max(extent.height + 2 * metrics.edge_height, kFieldMinimumHeight);
  return {width + (check_box ? 2 : 1) * height + 4, height};
}

Size button_image_natural_size(Size image, const SystemMetrics& metrics) {
  return {image.width + 2 * metrics.edge_width + kButtonImagePadding,
          image.height + 2 * metrics.edge_height + kButtonImagePadding};
}

Size scrollbar_natural_size(bool vertical, const SystemMetrics& metrics) {
  if (vertical) return {metrics.vertical_scroll_width, 0};
  return {0, metrics.horizontal_scroll_height};
}

int caption_height(Size extent) { return std::max(extent.height, kMinimumCaptionHeight); }

}  // namespace ambrel
