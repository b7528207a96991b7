#pragma once

// A text handed out one piece after another: to the worker that declares it, or to the fill
// that puts it into the input editor. Each source is read on one thread.

#include <functional>
#include <string_view>

namespace ambrel {

class TextSource {
 public:
  virtual ~TextSource() = default;
  // Points `piece` at the next piece (possibly empty), valid until the next call; false once
  // the text has ended, or the source was stopped.
  virtual bool next(std::u16string_view& piece) = 0;
  // Any thread: a next() that waits, or the next one, returns false soon.
  virtual void stop() {}
  // After next() handed out an empty piece: `wake` runs once (on any thread) when more text or
  // the end is there. A source that never waits has it at once.
  virtual void when_more(std::function<void()> wake) { wake(); }
};

}  // namespace ambrel
