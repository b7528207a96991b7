#pragma once

#include <cstddef>
#include <string_view>

#include "xml/string_arena.h"
#include "xml/xml_document.h"

namespace ambrel {

// The growing text of a node that is still open. Its heap block is reused for the next
// node at the same depth, or handed to the arena when the text is long, so building a
// tree costs no allocation per text.
class TextBuffer {
 public:
  TextBuffer() = default;
  TextBuffer(TextBuffer&& other) noexcept;
  TextBuffer& operator=(TextBuffer&& other) = delete;
  TextBuffer(const TextBuffer&) = delete;
  ~TextBuffer();

  bool empty() const { return length_ == 0; }

  // Appends `chars`, writing each LF in the style `line_ending`.
  void append_lines(std::u16string_view chars, XmlLineEnding line_ending);
  // Appends `chars` unchanged.
  void append(std::u16string_view chars);

  // Moves the text into the arena and returns it; null when empty. The buffer is empty
  // afterwards.
  const char16_t* store_in(StringArena& arena);

 private:
  char16_t* reserve(std::size_t extra);

  char16_t* data_ = nullptr;
  std::size_t length_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace ambrel
