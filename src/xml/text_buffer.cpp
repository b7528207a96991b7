#include "xml/text_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace ambrel {

namespace {

constexpr std::size_t kSmallestCapacity = 64;
constexpr std::size_t kLargestArenaText = StringArena::kLargestBlockItem / sizeof(char16_t) - 1;

}  // namespace

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : data_(other.data_), length_(other.length_), capacity_(other.capacity_) {
  other.data_ = nullptr;
  other.length_ = 0;
  other.capacity_ = 0;
}

TextBuffer::~TextBuffer() { std::free(data_); }

void TextBuffer::append_lines(std::u16string_view chars, XmlLineEnding line_ending) {
  if (line_ending != XmlLineEnding::crlf && line_ending != XmlLineEnding::cr) {
    append(chars);
    return;
  }
  std::size_t breaks = static_cast<std::size_t>(std::count(chars.begin(), chars.end(), u'\n'));
  std::size_t extra = line_ending == XmlLineEnding::crlf ? breaks : 0;
  char16_t* out = reserve(chars.size() + extra);
  for (char16_t c : chars) {
    if (c != u'\n') {
      *out++ = c;
    } else if (line_ending == XmlLineEnding::crlf) {
      *out++ = u'\r';
      *out++ = u'\n';
    } else {
      *out++ = u'\r';
    }
  }
  length_ += chars.size() + extra;
}

void TextBuffer::append(std::u16string_view chars) {
  char16_t* out = reserve(chars.size());
  std::memcpy(out, chars.data(), chars.size() * sizeof(char16_t));
  length_ += chars.size();
}

const char16_t* TextBuffer::store_in(StringArena& arena) {
  if (length_ == 0) return nullptr;
  if (length_ <= kLargestArenaText) {
    const char16_t* copy = arena.store({data_, length_});
    length_ = 0;
    return copy;
  }
  // Long texts keep their block: shrink it to fit and let the arena own it.
  auto* fitted = static_cast<char16_t*>(std::realloc(data_, (length_ + 1) * sizeof(char16_t)));
  if (fitted == nullptr) fitted = data_;
  fitted[length_] = u'\0';
  data_ = nullptr;
  length_ = 0;
  capacity_ = 0;
  arena.adopt(fitted);
  return fitted;
}

// Room for `extra` more units plus a terminator; returns where they go.
char16_t* TextBuffer::reserve(std::size_t extra) {
  constexpr std::size_t kMaxUnits = std::numeric_limits<std::size_t>::max() / sizeof(char16_t) / 2;
  if (extra > kMaxUnits - length_ - 1) throw std::bad_alloc();
  std::size_t needed = length_ + extra + 1;
  if (needed > capacity_) {
    std::size_t capacity = std::max({needed, capacity_ * 2, kSmallestCapacity});
    auto* grown = static_cast<char16_t*>(std::realloc(data_, capacity * sizeof(char16_t)));
    if (grown == nullptr) throw std::bad_alloc();
    data_ = grown;
    capacity_ = capacity;
  }
  return data_ + length_;
}

}  // namespace ambrel
