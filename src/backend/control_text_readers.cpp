#include "backend/control_text_readers.h"

#include <algorithm>

namespace ambrel {

bool HeldTextReader::read(std::size_t units, const TextPieceHandler& take) {
  if (at_ >= text_.size()) return false;
  std::size_t count = std::min(std::max<std::size_t>(units, 1), text_.size() - at_);
  take(std::u16string_view(text_).substr(at_, count));
  at_ += count;
  return true;
}

namespace {

constexpr std::u16string_view kCrLfBreaks = u"\r\n";
constexpr std::u16string_view kAllBreaks = u"\r\n\u2028\u2029";

}  // namespace

CrLfPieceWriter::CrLfPieceWriter(bool separators) : breaks_(separators ? kAllBreaks : kCrLfBreaks) {
  piece_.reserve(kPieceSize + 1);
}

void CrLfPieceWriter::write(std::u16string_view text, const TextPieceHandler& take) {
  if (after_cr_ && !text.empty()) {
    if (text.front() == u'\n') text.remove_prefix(1);
    after_cr_ = false;
  }
  while (!text.empty()) {
    std::size_t room = kPieceSize - piece_.size();
    std::size_t run = std::min({text.find_first_of(breaks_), text.size(), room});
    piece_.append(text.substr(0, run));
    text.remove_prefix(run);
    if (run < room && !text.empty()) {
      // text.front() is a line break.
      piece_.append(u"\r\n");
      bool cr = text.front() == u'\r';
      text.remove_prefix(1);
      if (cr && text.empty()) {
        after_cr_ = true;
      } else if (cr && text.front() == u'\n') {
        text.remove_prefix(1);
      }
    }
    if (piece_.size() >= kPieceSize) flush(take);
  }
}

void CrLfPieceWriter::flush(const TextPieceHandler& take) {
  if (piece_.empty()) return;
  take(piece_);
  piece_.clear();
}

}  // namespace ambrel
