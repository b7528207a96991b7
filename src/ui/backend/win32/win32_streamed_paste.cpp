#include "ui/backend/win32/win32_streamed_paste.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>

#include "ui/backend/clipboard_arrivals.h"
#include "ui/backend/win32/win32_backend.h"
#include "ui/backend/win32/win32_text.h"

namespace ambrel {

namespace {

// About this long of inserting per event-loop turn, at most this many units of the clipboard's
// text at a time (a line end among them becomes two in the control).
constexpr std::chrono::milliseconds kTurnBudget{25};
constexpr std::size_t kInsertUnits = std::size_t{1} << 14;

struct Selection {
  DWORD start = 0;
  DWORD end = 0;
};

Selection selection_of(HWND editor) {
  Selection selection;
  SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
               reinterpret_cast<LPARAM>(&selection.end));
  return selection;
}

DWORD text_length(HWND editor) {
  return static_cast<DWORD>(std::max(GetWindowTextLengthW(editor), 0));
}

}  // namespace

struct Win32StreamedPaste::State {
  HWND editor = nullptr;
  Win32Backend* backend = nullptr;
  std::shared_ptr<ClipboardArrivals> arrivals;
  std::function<void()> incomplete;
  bool after_cr = false;  // the last piece inserted ended with a CR
  bool first = true;      // the first text replaces the selection
  DWORD position = 0;     // where the next text goes
  DWORD length = 0;       // the control's length after the last insertion

  static void take_turn(const std::shared_ptr<State>& state);
  static void schedule(const std::shared_ptr<State>& state);
  void insert(const std::wstring& text);
  void follow_user_edits(Selection selection);
};

Win32StreamedPaste::Win32StreamedPaste(HWND editor, Win32Backend& backend,
                                       std::function<void()> incomplete)
    : editor_(editor), state_(std::make_shared<State>()) {
  state_->editor = editor;
  state_->backend = &backend;
  state_->incomplete = std::move(incomplete);
  state_->arrivals =
      std::make_shared<ClipboardArrivals>([&backend, weak = std::weak_ptr<State>(state_)] {
        backend.post([weak] {
          if (std::shared_ptr<State> live = weak.lock()) State::take_turn(live);
        });
      });
  reading_ = backend.read_clipboard_text(state_->arrivals);
}

// The reading first: after it, nothing is handed over or woken.
Win32StreamedPaste::~Win32StreamedPaste() { reading_.reset(); }

void Win32StreamedPaste::State::take_turn(const std::shared_ptr<State>& state) {
  using Clock = std::chrono::steady_clock;
  Clock::time_point end = Clock::now() + kTurnBudget;
  while (Clock::now() < end) {
    std::u16string_view piece;
    if (!state->arrivals->take(kInsertUnits, piece)) {
      if (state->arrivals->failed()) state->incomplete();  // the failure wakes it once
      return;
    }
    state->insert(control_lines(piece, state->after_cr));
  }
  schedule(state);
}

void Win32StreamedPaste::State::schedule(const std::shared_ptr<State>& state) {
  state->backend->post_when_idle([weak = std::weak_ptr<State>(state)] {
    if (std::shared_ptr<State> live = weak.lock()) take_turn(live);
  });
}

// Inserts at the paste's place as an undoable step. A caret at that place follows the text;
// any other selection and the view stay where the user has them.
void Win32StreamedPaste::State::insert(const std::wstring& text) {
  if (!IsWindow(editor) || text.empty()) return;
  Selection selection = selection_of(editor);
  if (first) {
    first = false;
    position = selection.start;
    SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    position += static_cast<DWORD>(text.size());
    length = text_length(editor);
    return;
  }
  follow_user_edits(selection);
  bool caret_follows = selection.start == position && selection.end == position;
  LRESULT first_line = SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(editor, WM_SETREDRAW, FALSE, 0);
  SendMessageW(editor, EM_SETSEL, position, position);
  SendMessageW(editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  auto added = static_cast<DWORD>(text.size());
  if (caret_follows) {
    selection = {position + added, position + added};
  } else {
    if (selection.start >= position) selection.start += added;
    if (selection.end >= position) selection.end += added;
  }
  position += added;
  SendMessageW(editor, EM_SETSEL, selection.start, selection.end);
  if (!caret_follows) {
    LRESULT moved = SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0) - first_line;
    if (moved != 0) SendMessageW(editor, EM_LINESCROLL, 0, -moved);
  }
  SendMessageW(editor, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(editor, nullptr, FALSE);
  length = text_length(editor);
}

// The user's typing since the last insertion moved the paste's place when it was before it
// (the caret then ends up before the place moved by what was typed).
void Win32StreamedPaste::State::follow_user_edits(Selection selection) {
  DWORD now = text_length(editor);
  if (now == length) return;
  auto change = static_cast<long long>(now) - static_cast<long long>(length);
  if (static_cast<long long>(selection.start) <= static_cast<long long>(position) + change) {
    position = static_cast<DWORD>(std::max<long long>(0, position + change));
  }
  position = std::min(position, now);
  length = now;
}

}  // namespace ambrel
