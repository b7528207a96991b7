// The clipboard's Unicode text (CF_UNICODETEXT).

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "backend/win32/win32_backend.h"
#include "backend/win32/win32_text.h"

namespace ambrel {

namespace {

// Another program may hold the clipboard for a moment.
bool open_clipboard(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

// Hands the clipboard's Unicode text, in place, to `take`; nothing when it holds none. False
// when it announces such text that cannot be had: the clipboard stays open in another program,
// or an owner that renders its text late fails to.
template <typename Take>
bool read_clipboard(HWND owner, const Take& take) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return true;
  if (!open_clipboard(owner)) return false;
  bool read = false;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(memory))) {
      take(std::wstring_view(units, wcsnlen(units, GlobalSize(memory) / sizeof(wchar_t))));
      GlobalUnlock(memory);
      read = true;
    }
  }
  CloseClipboard();
  return read;
}

// The clipboard's text handed over in slices, so that a large text reaches its readers early.
constexpr std::size_t kSliceUnits = std::size_t{1} << 20;

// What the reading thread shares with the reading: the text, written only while not stopped.
struct ReadingLine {
  std::mutex mutex;
  std::shared_ptr<TextStream> text;  // null once stopped
  std::atomic<bool> done{false};     // the thread has nothing left to do

  bool add(std::u16string_view part) {
    std::lock_guard lock(mutex);
    return text && text->append(part);
  }
  void end(bool whole) {
    std::lock_guard lock(mutex);
    if (!text) return;
    if (whole) {
      text->close();
    } else {
      text->fail();
    }
  }
};

void read_into(ReadingLine& line) {
  line.end(read_clipboard(nullptr, [&line](std::wstring_view text) {
    for (std::size_t at = 0; at < text.size(); at += kSliceUnits) {
      if (!line.add(from_wide(text.substr(at, kSliceUnits)))) break;
    }
  }));
  line.done = true;
}

class Win32ClipboardReading final : public ClipboardReading {
 public:
  explicit Win32ClipboardReading(std::shared_ptr<ReadingLine> line) : line_(std::move(line)) {}
  ~Win32ClipboardReading() override {
    std::lock_guard lock(line_->mutex);
    line_->text = nullptr;
  }
  Win32ClipboardReading(const Win32ClipboardReading&) = delete;
  Win32ClipboardReading& operator=(const Win32ClipboardReading&) = delete;

 private:
  std::shared_ptr<ReadingLine> line_;
};

}  // namespace

// Windows hands the data over on the thread that asks; a clipboard owner that renders a large
// text late (Wine's bridge to the X clipboard does) would hold the window meanwhile. So each
// reading has a thread, which a stopped reading leaves to finish on its own rather than wait
// for it: the backend joins it, once finished at a later reading, else at the backend's end.
struct Win32Backend::ClipboardThreads {
  struct Reader {
    std::shared_ptr<ReadingLine> line;
    std::thread thread;
  };
  std::vector<Reader> readers;

  ~ClipboardThreads() {
    for (Reader& reader : readers) reader.thread.join();
  }
  void join_finished() {
    std::erase_if(readers, [](Reader& reader) {
      if (!reader.line->done) return false;
      reader.thread.join();
      return true;
    });
  }
};

std::unique_ptr<ClipboardReading> Win32Backend::read_clipboard_text(
    const std::shared_ptr<TextStream>& text) {
  if (!clipboard_threads_) clipboard_threads_ = std::make_shared<ClipboardThreads>();
  clipboard_threads_->join_finished();
  auto line = std::make_shared<ReadingLine>();
  line->text = text;
  clipboard_threads_->readers.push_back({line, std::thread([line] { read_into(*line); })});
  return std::make_unique<Win32ClipboardReading>(std::move(line));
}

bool Win32Backend::set_clipboard_text(std::u16string_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* units = static_cast<wchar_t*>(GlobalLock(memory));
  std::wmemcpy(units, reinterpret_cast<const wchar_t*>(text.data()), text.size());
  units[text.size()] = L'\0';
  GlobalUnlock(memory);
  if (!open_clipboard(wake_window_)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

std::u16string Win32Backend::clipboard_text() const {
  std::u16string text;
  read_clipboard(wake_window_, [&text](std::wstring_view units) { text = from_wide(units); });
  return text;
}

}  // namespace ambrel
