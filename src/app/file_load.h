#pragma once

// A file the user named, loaded into the input. It is opened, looked at and read on a thread
// of its own, so that nothing it does holds the user-interface thread: a FIFO that waits for
// its writer, a pipe that never ends, a slow disk. A pipe or device gives its text once, to
// the fill and the worker both, and is read no further than a limit, since the input editor
// holds all that is read; a file on disk is read again for the worker on a second thread, as
// ambrel-gen reads it, so that neither reader waits for the other.

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "app/input_text.h"
#include "support/platform_file.h"
#include "support/text_stream.h"
#include "ui/editor_text_turns.h"
#include "ui/owned_posts.h"

namespace ambrel {

class FileLoad {
 public:
  // How many pieces the reading may be ahead of the slower of its readers: as many as the
  // input editor's fill puts in at once, or each put would take only what a few pieces hold
  // (and under Wine each put costs the editor some 8 ms more than its text).
  static constexpr std::size_t kPiecesAhead = PieceTurns::kJoinedUnits / kTextPieceUnits;

  // What the load tells, each on the user-interface thread; after the load is destroyed,
  // nothing.
  struct Reports {
    // The file has a text.
    std::function<void(InputText text)> begin;
    // The file has no text to load: it is missing, a directory, empty, or cannot be opened or
    // read.
    std::function<void()> none;
    // A pipe or device reached `stream_limit` bytes: its text ends there.
    std::function<void()> cut;
  };

  FileLoad(NativePath path, std::uint64_t stream_limit, Reports reports);
  // Stops the reading, whatever it waits for, and joins its threads.
  ~FileLoad();
  FileLoad(const FileLoad&) = delete;
  FileLoad& operator=(const FileLoad&) = delete;

 private:
  enum class Report { begin_on_disk, begin_stream, none, cut };

  void read();
  // The second thread: the file on disk again, for the worker.
  void read_for_worker();
  // The reading thread: has `report` taken on the user-interface thread.
  void post(Report report);
  void take(Report report);

  NativePath path_;
  std::uint64_t stream_limit_;
  Reports reports_;
  FileWaitStop stop_;
  FileWaitStop worker_stop_;  // the second thread's
  std::shared_ptr<TextStream> shown_text_ = TextStream::make({kTextPieceUnits, kPiecesAhead});
  std::shared_ptr<TextStream> declared_text_ = TextStream::make({kTextPieceUnits, kPiecesAhead});
  std::unique_ptr<TextStream::Reader> shown_;     // until handed over
  std::unique_ptr<TextStream::Reader> declared_;  // until handed over
  std::uint64_t expected_units_ = 0;              // a file on disk's, told with its begin
  OwnedPosts posts_;
  std::thread worker_reading_;  // started by the reading thread, for a file on disk
  std::thread thread_;          // last: it starts once the rest is there
};

}  // namespace ambrel
