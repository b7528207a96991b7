#include "app/declaration_worker.h"

#include <new>
#include <utility>

#include "generator/declaration_generator.h"

namespace ambrel {

DeclarationWorker::DeclarationWorker(Delivery deliver)
    : deliver_(std::move(deliver)), thread_([this] { run(); }) {}

DeclarationWorker::~DeclarationWorker() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    stop_locked();
  }
  wake_.notify_all();
  thread_.join();
}

void DeclarationWorker::start(int job, std::shared_ptr<TextStream::Reader> source,
                              DeclarationStyle style) {
  {
    std::lock_guard lock(mutex_);
    stop_locked();
    wanted_.store(job);
    waiting_job_ = job;
    waiting_source_ = std::move(source);
    waiting_style_ = style;
  }
  wake_.notify_all();
}

void DeclarationWorker::stop() {
  std::lock_guard lock(mutex_);
  stop_locked();
}

void DeclarationWorker::stop_locked() {
  wanted_.store(0);
  waiting_source_.reset();
  if (running_source_) running_source_->stop();
}

void DeclarationWorker::run() {
  for (;;) {
    int job = 0;
    std::shared_ptr<TextStream::Reader> source;
    DeclarationStyle style;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return quit_ || waiting_source_; });
      if (quit_) return;
      job = waiting_job_;
      source = std::move(waiting_source_);
      style = waiting_style_;
      running_source_ = source;
    }
    std::optional<std::u16string> declarations = declare(job, *source, style);
    {
      std::lock_guard lock(mutex_);
      running_source_.reset();
    }
    source.reset();
    if (declarations) deliver_(job, std::move(*declarations));
  }
}

std::optional<std::u16string> DeclarationWorker::declare(int job, TextStream::Reader& source,
                                                         const DeclarationStyle& style) const {
  try {
    DeclarationGenerator generator(FormatChoice::detect, MapChoice{style.detect_maps, {}, {}});
    std::u16string_view piece;
    while (source.wait(piece)) {
      if (wanted_.load() != job) return std::nullopt;
      generator.feed(piece);
    }
    if (wanted_.load() != job) return std::nullopt;
    generator.end_document();
    return generator.declarations(style);
  } catch (const std::bad_alloc&) {
    if (wanted_.load() != job) return std::nullopt;
    return std::u16string();
  }
}

}  // namespace ambrel
