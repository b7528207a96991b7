#pragma once

// The one thread that computes declarations, a job at a time. A new job stops the one before
// between two of its pieces; a job's declarations are delivered only while it is the newest.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "generator/declarations.h"
#include "support/text_stream.h"

namespace ambrel {

class DeclarationWorker {
 public:
  // Called on the worker thread with a finished job's number and declarations (empty when
  // memory ran out).
  using Delivery = std::function<void(int job, std::u16string declarations)>;

  explicit DeclarationWorker(Delivery deliver);
  // Stops the running job and ends the thread.
  ~DeclarationWorker();
  DeclarationWorker(const DeclarationWorker&) = delete;
  DeclarationWorker& operator=(const DeclarationWorker&) = delete;

  // Declares the text `source` reads as job `job` (not 0) in `style`, stopping the job before.
  void start(int job, std::shared_ptr<TextStream::Reader> source, DeclarationStyle style = {});
  // Stops the running job: nothing is delivered for it.
  void stop();

 private:
  void run();
  // The job's declarations; none when it was stopped.
  std::optional<std::u16string> declare(int job, TextStream::Reader& source,
                                        const DeclarationStyle& style) const;
  // Stops what runs and drops what waits; with the mutex held.
  void stop_locked();

  Delivery deliver_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int waiting_job_ = 0;
  std::shared_ptr<TextStream::Reader> waiting_source_;
  DeclarationStyle waiting_style_;
  std::shared_ptr<TextStream::Reader> running_source_;
  std::atomic<int> wanted_{0};  // a job stops between pieces once this is not its number
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace ambrel
