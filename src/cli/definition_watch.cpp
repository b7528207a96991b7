#include "cli/definition_watch.h"

#include <utility>

#include "support/text_loading.h"

namespace ambrel {

DefinitionWatch::DefinitionWatch(const std::string& file, std::u16string text)
    : path_(native_path_of_argument(file)), last_(std::move(text)), thread_([this] { run(); }) {}

DefinitionWatch::~DefinitionWatch() {
  {
    std::lock_guard lock(mutex_);
    stopped_ = true;
  }
  stop_.stop();
  stopping_.notify_all();
  thread_.join();
}

std::optional<std::u16string> DefinitionWatch::take_change() {
  std::lock_guard lock(mutex_);
  return std::exchange(change_, std::nullopt);
}

void DefinitionWatch::run() {
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      if (stopping_.wait_for(lock, kLookInterval, [this] { return stopped_; })) return;
    }
    look();
  }
}

// A file that cannot be read now (being replaced, say) is looked at again later.
void DefinitionWatch::look() {
  PlatformFile file = PlatformFile::open_for_reading(path_, stop_);
  if (!file.is_open() || file.info().kind != FileKind::Regular) return;
  LoadedText loaded = load_text(std::move(file));
  if (loaded.error != 0 || loaded.text == last_) return;
  last_ = loaded.text;
  std::lock_guard lock(mutex_);
  change_ = std::move(loaded.text);
}

}  // namespace ambrel
