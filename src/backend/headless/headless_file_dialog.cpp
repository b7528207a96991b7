// The headless open-file dialog: it answers what a test has lined up, and remembers what
// it was asked.

#include <utility>

#include "backend/headless/headless_backend.h"

namespace ambrel {

std::u16string HeadlessBackend::ask_open_file(const OpenFileRequest& request) {
  last_open_file_ = request;
  if (open_file_answers_.empty()) return {};
  std::u16string answer = std::move(open_file_answers_.front());
  open_file_answers_.pop_front();
  return answer;
}

void HeadlessBackend::answer_open_file(std::u16string path) {
  open_file_answers_.push_back(std::move(path));
}

}  // namespace ambrel
