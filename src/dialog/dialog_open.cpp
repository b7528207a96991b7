// Opening a dialog: find the window element, open its window hidden, create the object
// tree, lay it out, size and show the window.

#include <algorithm>
#include <string>

#include "dialog/creation_walk.h"
#include "dialog/dialog.h"
#include "dialog/dialog_record.h"
#include "dialog/objects/layout_passes.h"
#include "dialog/definition/message_text.h"
#include "dialog/definition/window_lookup.h"
#include "ui/window.h"
#include "xml/xml_document.h"

namespace ambrel {
namespace {

constexpr std::string_view kWindowNotFoundError = "Dialog window not found";
constexpr std::uint32_t kCentringFlags = kWindowScreenCentered | kWindowWindowCentered;

struct OpenRequest {
  int x = 0;
  int y = 0;
  layout::Size size;
  NativeHandle parent;
};

// The window of the object, opened hidden while it is filled; -1 when the platform refuses.
std::int32_t open_hidden_window(const WindowObject& object, const OpenRequest& request) {
  std::u16string title(object.text_or_empty());
  int flags = static_cast<int>(object.flags() | static_cast<std::uint32_t>(kWindowInvisible));
  int result = window_open(object.requested_id(), request.x, request.y, request.size.width,
                           request.size.height, title.c_str(), flags, request.parent);
  if (result == 0) return -1;
  return object.requested_id() == kAnyNumber ? result : object.requested_id();
}

// A platform that holds no window as large as the layout asks shows it smaller, its content
// squeezed; the author hears of it.
void warn_when_larger_than_held(DefinitionNotes& notes, const XmlNode& element, layout::Size size) {
  Size largest = largest_window_inner_size();
  if (largest.width <= 0 || (size.width <= largest.width && size.height <= largest.height)) return;
  auto figures = [](int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
  };
  notes.warn({&element, -1},
             message_text({"the window needs ", figures(size.width, size.height),
                           " pixels, more than the screen holds (",
                           figures(largest.width, largest.height), "): it is shown smaller"}));
}

// Measures, allocates, sizes, centres and shows the window of a finished tree.
void lay_out_and_show(WindowObject& root, const OpenRequest& request, DefinitionNotes& notes,
                      const XmlNode& element) {
  std::int32_t window = root.window();
  layout::Size size = layout::window_open_size(request.size, request_tree(root));
  warn_when_larger_than_held(notes, element, size);
  window_resize(window, kKeepValue, kKeepValue, size.width, size.height);
  // The window's size limits may have given it another size than the one asked for, and
  // then perhaps without a size event: the content follows the size the window has.
  allocate_tree(root, {0, 0, window_inner_width(window), window_inner_height(window)});
  int flags = static_cast<int>(root.flags());
  if ((root.flags() & kCentringFlags) != 0) {
    window_center(window_handle(window), flags & static_cast<int>(kCentringFlags), request.parent);
  }
  if ((root.flags() & static_cast<std::uint32_t>(kWindowInvisible)) == 0) {
    window_show(window, 0, flags & ~static_cast<int>(kCentringFlags));
  }
}

int build_window(DialogRecord& record, const XmlNode& element, const OpenRequest& request) {
  record.notes.note_element(element);
  std::unique_ptr<WindowObject> root =
      create_window_object(element_view_of(element, &record.notes), record.error);
  if (record.error.has_error()) return 0;
  std::int32_t window = open_hidden_window(*root, request);
  if (window == -1) return 0;
  root->attach_window(window);
  record.root = std::move(root);

  BuildContext context{record.error, record.notes, window, {}, nullptr};
  run_creation_walk(*record.root, element, context);
  if (!record.error.has_error()) record.root->finish(context);
  if (record.error.has_error()) {
    tear_down_window(record);
    return 0;
  }
  // Only a whole build says which attributes the engine never reads.
  record.notes.warn_unread_attributes();
  lay_out_and_show(*record.root, request, record.notes, element);
  return 1;
}

int open_window(DialogRecord& record, int document, std::u16string_view window_name,
                const OpenRequest& request) {
  const XmlNode* element = find_window_element(xml_main_node(document), window_name);
  if (element == nullptr) {
    record.error.record(kWindowNotFoundError, {}, {xml_main_node(document), -1});
    return 0;
  }
  return build_window(record, *element, request);
}

}  // namespace

int dialog_open(std::int32_t dialog, int document, const char16_t* window_name, int x, int y) {
  return dialog_open_sized(dialog, document, window_name, x, y, 0, 0, kNoHandle);
}

int dialog_open_sized(std::int32_t dialog, int document, const char16_t* window_name, int x, int y,
                      int width, int height, NativeHandle parent_window) {
  DialogRecord* record = find_dialog_record(dialog);
  if (record == nullptr) return 0;
  record->error.clear();
  record->notes.begin(xml_source_map(document));
  // A dialog shows one window: the one of an earlier open goes first.
  tear_down_window(*record);
  int opened = open_window(*record, document,
                           window_name == nullptr ? u"" : std::u16string_view(window_name),
                           {x, y, {width, height}, parent_window});
  record->error_position = record->notes.position_of(record->error.place());
  return opened;
}

}  // namespace ambrel
