#pragma once

// A file the user named, loaded into the input. It is opened, looked at and read on a thread
// of its own, so that nothing it does holds the user-interface thread: a FIFO that waits for
// its writer, a pipe that never ends, a slow disk. A pipe or device gives its text once, to
// the fill and the worker both, and is read no further than a limit, since the input editor
// holds all that is read; a file on disk is read again by the worker, as ambrel-gen reads it.

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "app/paced_text.h"
#include "app/text_source.h"
#include "support/platform_file.h"
#include "ui/backend/backend_event_pump.h"

namespace ambrel {

class FileLoad {
 public:
  // What the load tells, each on the user-interface thread; after the load is destroyed,
  // nothing.
  struct Reports {
    // The file has a text: the fill's reader of it and the worker's.
    std::function<void(std::unique_ptr<TextSource> shown, std::shared_ptr<TextSource> declared)>
        begin;
    // The file has no text to load: it is missing, a directory, empty, or cannot be opened or
    // read.
    std::function<void()> none;
    // A pipe or device reached `stream_limit` bytes: its text ends there.
    std::function<void()> cut;
  };

  FileLoad(NativePath path, std::uint64_t stream_limit, Reports reports);
  // Stops the reading, whatever it waits for, and joins its thread.
  ~FileLoad();
  FileLoad(const FileLoad&) = delete;
  FileLoad& operator=(const FileLoad&) = delete;

 private:
  enum class Report { begin_on_disk, begin_stream, none, cut };

  void read();
  // The reading thread: has `report` taken on the user-interface thread.
  void post(Report report);
  void take(Report report);

  NativePath path_;
  std::uint64_t stream_limit_;
  Reports reports_;
  FileWaitStop stop_;
  std::shared_ptr<PacedText> text_ = std::make_shared<PacedText>();
  BackendEventPump* pump_;
  std::shared_ptr<FileLoad*> self_;  // what a posted report finds, emptied on destruction
  std::thread thread_;               // last: it starts once the rest is there
};

}  // namespace ambrel
