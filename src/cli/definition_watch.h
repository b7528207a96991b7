#pragma once

// ambrel-dialog --show's look at its definition file, a few times a second, on a thread of its
// own: a file that is slow to open or read, or a FIFO put in its place, never holds the
// window. Only a file on disk is read; anything else (a FIFO, a device) is passed over until
// a file is back, since reading it would wait for a writer and take what it sends.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "support/platform_file.h"

namespace ambrel {

class DefinitionWatch {
 public:
  static constexpr std::chrono::milliseconds kLookInterval{250};

  // Watches `file` (the name as the program start gave it), whose text is `text` now.
  DefinitionWatch(const std::string& file, std::u16string text);
  // Stops the look that runs and joins the thread.
  ~DefinitionWatch();
  DefinitionWatch(const DefinitionWatch&) = delete;
  DefinitionWatch& operator=(const DefinitionWatch&) = delete;

  // The file's newest text, when it changed since the last call.
  std::optional<std::u16string> take_change();

 private:
  void run();
  void look();

  NativePath path_;
  std::u16string last_;  // the thread's
  FileWaitStop stop_;
  std::mutex mutex_;
  std::condition_variable stopping_;
  bool stopped_ = false;
  std::optional<std::u16string> change_;
  std::thread thread_;  // last: it starts once the rest is there
};

}  // namespace ambrel
