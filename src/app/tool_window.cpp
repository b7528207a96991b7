#include "app/tool_window.h"

#include <cstdio>
#include <string>
#include <utility>

#include "app/clipboard.h"
#include "app/shown_file_name.h"
#include "support/requester.h"
#include "ui/drop.h"
#include "ui/event_codes.h"
#include "ui/events.h"
#include "ui/gadget.h"
#include "ui/window.h"

namespace ambrel {

namespace {

constexpr int kFileDropActions = kDropCopy | kDropMove | kDropLink;

std::u16string window_title() {
  std::u16string title = u"Ambrel v.";
  for (char c : std::string_view(AMBREL_VERSION)) title += static_cast<char16_t>(c);
  return title;
}

}  // namespace

ToolWindow::ToolWindow(std::int32_t dialog, OutputChoices choices)
    : dialog_(dialog),
      gadgets_(ToolGadgets::of(dialog)),
      choices_(std::move(choices)),
      paste_notice_(gadgets_.window),
      regeneration_(gadgets_) {
  regeneration_.set_style(choices_.style());
  set_gadget_menu_items(gadgets_.output, choices_.menu_items());
  window_set_title(gadgets_.window, window_title().c_str());
  enable_gadget_drop(gadgets_.input_frame, kDropFormatFiles, kFileDropActions);
}

// The paste and the load go first: they are declared after the regeneration.
ToolWindow::~ToolWindow() = default;

void ToolWindow::copy_all() {
  clipboard_set_text(choices_.copied(get_gadget_text(gadgets_.output)));
}

void ToolWindow::open_file() {
  load_file(open_file_requester(u"Read XML from file", u"", u"XML text file (*.*)|*.*", 0));
}

void ToolWindow::input_event() {
  if (event_type() == kGadgetChange) {
    paste_notice_.clear();
    regeneration_.input_edited();
  } else if (event_type() == kGadgetPasteIncomplete) {
    paste_notice_.show();
  }
}

void ToolWindow::clear() {
  end_inputs();
  paste_notice_.clear();
  regeneration_.clear();
}

// The whole text replaces the input; a clipboard without text changes nothing. The text is
// declared as it comes, and what it gives shown once it is whole.
void ToolWindow::paste() {
  end_inputs();
  pasting_ = std::make_unique<ClipboardPaste>(
      TextStream::Limits{},
      [this](const std::shared_ptr<TextStream>& text) {
        if (!text->has_text()) return;
        std::unique_ptr<TextStream::Reader> shown = text->reader();
        paste_notice_.clear();
        regeneration_.take_ahead({std::move(shown), text->reader(), text->units()});
      },
      [this] {
        regeneration_.drop_ahead();
        paste_notice_.show();
      },
      [this](std::shared_ptr<TextStream::Reader> text) {
        regeneration_.declare_ahead(std::move(text));
      });
}

void ToolWindow::choose_output() {
  if (!choices_.toggle(event_object())) return;
  set_gadget_menu_items(gadgets_.output, choices_.menu_items());
  regeneration_.set_style(choices_.style());
  regeneration_.from_input();
}

void ToolWindow::regenerate() { regeneration_.from_input(); }

void ToolWindow::load_file(const NativePath& path, std::uint64_t stream_limit) {
  if (path.empty()) return;
  end_inputs();
  FileLoad::Reports reports;
  reports.begin = [this](InputText text) {
    regeneration_.set_opening(false);
    replace_input(std::move(text));
  };
  reports.none = [this] { end_inputs(); };
  reports.cut = [path, stream_limit] {
    std::fprintf(stderr, "ambrel: %s: only the first %llu MiB were loaded\n",
                 shown_file_name(path).c_str(),
                 static_cast<unsigned long long>(stream_limit >> 20));
  };
  loading_ = std::make_unique<FileLoad>(path, stream_limit, std::move(reports));
  regeneration_.set_opening(true);
}

void ToolWindow::end_inputs() {
  pasting_.reset();
  loading_.reset();
  regeneration_.set_opening(false);
  regeneration_.drop_ahead();
}

void ToolWindow::replace_input(InputText text) {
  paste_notice_.clear();
  regeneration_.replace_input(std::move(text));
}

}  // namespace ambrel
