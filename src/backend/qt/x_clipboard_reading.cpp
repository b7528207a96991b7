#include "backend/qt/x_clipboard_reading.h"

#include <QClipboard>
#include <QGuiApplication>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "support/text_decoding.h"

namespace ambrel {

namespace {

using Clock = std::chrono::steady_clock;

// How long an owner may keep us waiting for its answer or its next part, as Qt allows; the
// manual page gives it.
constexpr std::chrono::seconds kOwnerPatience{5};
// 32-bit units asked for per property read: 1 MiB.
constexpr std::uint32_t kReadUnits = 1u << 18;

struct EventFree {
  void operator()(void* event) const { std::free(event); }
};
using Event = std::unique_ptr<xcb_generic_event_t, EventFree>;

// The targets to ask for text in, most faithful first.
constexpr std::array<std::string_view, 3> kTextTargets{"UTF8_STRING", "text/plain;charset=utf-8",
                                                       "STRING"};

// The bytes of the text turned into UTF-16 as they come, by the type the owner gives them:
// STRING is Latin-1, any other text type UTF-8.
class PropertyTextDecoder {
 public:
  std::u16string decode(std::string_view bytes, xcb_atom_t type) {
    std::u16string text;
    if (type == XCB_ATOM_STRING) {
      text.reserve(bytes.size());
      for (char byte : bytes) text.push_back(static_cast<unsigned char>(byte));
    } else {
      utf8_.decode(bytes, text);
    }
    return text;
  }
  std::u16string finish() {
    std::u16string text;
    utf8_.finish(text);
    return text;
  }

 private:
  Utf8StreamDecoder utf8_;
};

class XClipboardReading final : public ClipboardReading {
 public:
  XClipboardReading(xcb_connection_t* connection, xcb_window_t root,
                    std::shared_ptr<TextStream> text, std::array<int, 2> wake)
      : connection_(connection), root_(root), text_(std::move(text)), wake_(wake) {
    thread_ = std::thread([this] { run(); });
  }

  ~XClipboardReading() override {
    stopped_ = true;
    [[maybe_unused]] ssize_t written = write(wake_[1], "x", 1);
    thread_.join();
    close(wake_[0]);
    close(wake_[1]);
    xcb_disconnect(connection_);
  }

  XClipboardReading(const XClipboardReading&) = delete;
  XClipboardReading& operator=(const XClipboardReading&) = delete;

 private:
  // NoText: the owner refused; Failed: it quit or fell silent, or the server went.
  enum class Outcome { NoText, Read, Failed, Stopped };

  void run() {
    if (!prepare()) return finish_with(Outcome::Failed);
    std::vector<xcb_atom_t> offered;
    Outcome asked = offered_targets(offered);
    if (asked != Outcome::Read) return finish_with(asked);
    for (std::string_view name : kTextTargets) {
      xcb_atom_t target = atom(name);
      if (std::find(offered.begin(), offered.end(), target) == offered.end()) continue;
      Outcome outcome = read_target(target);
      if (outcome != Outcome::NoText) return finish_with(outcome);
    }
    finish_with(Outcome::NoText);
  }

  void finish_with(Outcome outcome) {
    if (stopped_) return;
    switch (outcome) {
      case Outcome::NoText:
      case Outcome::Read:
        text_->close();
        return;
      case Outcome::Failed:
        text_->fail();
        return;
      case Outcome::Stopped:
        return;
    }
  }

  bool prepare() {
    clipboard_ = atom("CLIPBOARD");
    incr_ = atom("INCR");
    property_ = atom("AMBREL_CLIPBOARD_TEXT");
    if (clipboard_ == XCB_ATOM_NONE || incr_ == XCB_ATOM_NONE || property_ == XCB_ATOM_NONE) {
      return false;
    }
    window_ = xcb_generate_id(connection_);
    std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, root_, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    return xcb_flush(connection_) > 0;
  }

  xcb_atom_t atom(std::string_view name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr);
    xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
  }

  // Asks the owner to put the selection in the property in `target`: Read once it has, NoText
  // when it refused.
  Outcome convert(xcb_atom_t target) {
    if (target == XCB_ATOM_NONE) return Outcome::Failed;
    xcb_delete_property(connection_, window_, property_);
    xcb_convert_selection(connection_, window_, clipboard_, target, property_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    Event notice = wait_for([this](const xcb_generic_event_t& event) {
      return (event.response_type & 0x7F) == XCB_SELECTION_NOTIFY &&
             reinterpret_cast<const xcb_selection_notify_event_t&>(event).requestor == window_;
    });
    if (!notice) return silence();
    return reinterpret_cast<xcb_selection_notify_event_t&>(*notice).property != XCB_ATOM_NONE
               ? Outcome::Read
               : Outcome::NoText;
  }

  // Why a wait ended without its event.
  Outcome silence() const { return stopped_ ? Outcome::Stopped : Outcome::Failed; }

  // The targets the owner offers. Only a text target it lists is asked for, as Qt does: some
  // owners (xclip) hand their data over whatever target is asked for, a picture as text too.
  Outcome offered_targets(std::vector<xcb_atom_t>& targets) {
    Outcome asked = convert(atom("TARGETS"));
    if (asked != Outcome::Read) return asked;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_,
        xcb_get_property(connection_, 1, window_, property_, XCB_ATOM_ATOM, 0, kReadUnits),
        nullptr);
    if (!reply) return silence();
    if (reply->format == 32) {
      const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
      targets.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return Outcome::Read;
  }

  // Asks the owner for the text in one target and passes on what it sends.
  Outcome read_target(xcb_atom_t target) {
    if (Outcome asked = convert(target); asked != Outcome::Read) return asked;
    PropertyTextDecoder decoder;
    Part first = pass_property(decoder);
    if (first == Part::Incremental) first = pass_increments(decoder);
    if (first == Part::Stopped) return Outcome::Stopped;
    if (first == Part::Broken) return silence();
    return pass(decoder.finish()) ? Outcome::Read : Outcome::Stopped;
  }

  // What one read of the property found. Broken: the owner quit or fell silent before the
  // end, or the server went.
  enum class Part { Text, Empty, Incremental, Broken, Stopped };

  // Reads the property whole, passes its text on and deletes it, which tells an owner that
  // sends in parts to send the next.
  Part pass_property(PropertyTextDecoder& decoder) {
    Part found = Part::Empty;
    std::uint32_t offset = 0;
    for (bool more = true; more;) {
      xcb_get_property_reply_t* reply =
          xcb_get_property_reply(connection_,
                                 xcb_get_property(connection_, 0, window_, property_,
                                                  XCB_GET_PROPERTY_TYPE_ANY, offset, kReadUnits),
                                 nullptr);
      if (!reply) {
        found = Part::Broken;
        break;
      }
      auto* bytes = static_cast<const char*>(xcb_get_property_value(reply));
      auto size = static_cast<std::size_t>(xcb_get_property_value_length(reply));
      more = reply->bytes_after > 0 && size > 0;
      if (reply->type == incr_) {
        found = Part::Incremental;
      } else if (size > 0) {
        found = pass(decoder.decode({bytes, size}, reply->type)) ? Part::Text : Part::Stopped;
      }
      std::free(reply);
      if (found != Part::Text && found != Part::Empty) break;
      offset += static_cast<std::uint32_t>(size / 4);
    }
    xcb_delete_property(connection_, window_, property_);
    xcb_flush(connection_);
    return stopped_ ? Part::Stopped : found;
  }

  // The INCR transfer: the owner puts each part in the property once we deleted the one
  // before, and ends with an empty part. An owner that quits or falls silent first breaks the
  // text: what came is only its start.
  Part pass_increments(PropertyTextDecoder& decoder) {
    for (;;) {
      Event notice = wait_for([this](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
        const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        return change.window == window_ && change.atom == property_ &&
               change.state == XCB_PROPERTY_NEW_VALUE;
      });
      if (!notice) return stopped_ ? Part::Stopped : Part::Broken;
      Part part = pass_property(decoder);
      if (part != Part::Text) return part;
    }
  }

  bool pass(const std::u16string& text) {
    if (stopped_) return false;
    return text_->append(text);
  }

  // The first event that `matches`, or null once stopped, when the connection broke, or when
  // the owner kept us waiting too long.
  template <typename Matches>
  Event wait_for(const Matches& matches) {
    Clock::time_point deadline = Clock::now() + kOwnerPatience;
    while (!stopped_) {
      while (Event event{xcb_poll_for_event(connection_)}) {
        if (matches(*event)) return event;
      }
      if (xcb_connection_has_error(connection_)) return nullptr;
      auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return nullptr;
      std::array<pollfd, 2> waits{pollfd{xcb_get_file_descriptor(connection_), POLLIN, 0},
                                  pollfd{wake_[0], POLLIN, 0}};
      poll(waits.data(), waits.size(), static_cast<int>(left));
    }
    return nullptr;
  }

  xcb_connection_t* connection_;
  xcb_window_t root_;
  std::shared_ptr<TextStream> text_;
  std::array<int, 2> wake_;  // written once to end the wait of a stopped reading
  std::atomic<bool> stopped_{false};
  xcb_atom_t clipboard_ = XCB_ATOM_NONE;
  xcb_atom_t incr_ = XCB_ATOM_NONE;
  xcb_atom_t property_ = XCB_ATOM_NONE;
  xcb_window_t window_ = 0;
  std::thread thread_;  // last: it starts once the rest is set
};

xcb_window_t root_of(xcb_connection_t* connection, int screen) {
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screen && screens.rem > 0; ++i) xcb_screen_next(&screens);
  return screens.rem > 0 ? screens.data->root : 0;
}

}  // namespace

bool x_clipboard_of_another_program() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard && !clipboard->ownsClipboard() &&
         QGuiApplication::platformName() == QLatin1String("xcb");
}

std::unique_ptr<ClipboardReading> start_x_clipboard_reading(
    const std::shared_ptr<TextStream>& text) {
  if (!x_clipboard_of_another_program()) return nullptr;
  int screen = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen);
  xcb_window_t root = xcb_connection_has_error(connection) ? 0 : root_of(connection, screen);
  std::array<int, 2> wake{-1, -1};
  if (root == 0 || pipe2(wake.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    xcb_disconnect(connection);
    return nullptr;
  }
  return std::make_unique<XClipboardReading>(connection, root, text, wake);
}

}  // namespace ambrel
